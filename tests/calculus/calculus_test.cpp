// The numerical-calculus windows' buttons: whole result texts, messages and the pictures'
// display lists. Integrals that the rules compute exactly (polynomials of low degree) are
// checked against their exact values; the others against a separate model of the rules
// (plain loops in another language, x rounded to 15 significant digits before each value).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "calculus/calculus.h"
#include "calculus/calculus_plot.h"
#include "calculus/quadrature.h"
#include "common/scripted_dialogs.h"

namespace tessaly {
namespace {

struct Press {
  FormOutcome outcome;
  std::vector<std::string> messages;
  std::string Result() const { return outcome.result.value_or("<unchanged>"); }
  const DisplayList& Picture() const { return *outcome.picture; }
};

Press PressButton(const char* key, std::vector<std::pair<const char*, std::string>> set,
          Rgb colour = 0) {
  const FormCommand* command = AllFormCommands().Find(key);
  EXPECT_NE(command, nullptr) << key;
  FormFields fields(command->controls);
  for (auto& [name, text] : set) fields.Set(name, text);
  ScriptedDialogs dialogs;
  AppState app;
  app.plotColour = colour;
  FormContext ctx{fields, dialogs, app};
  Press p;
  p.outcome = command->run(ctx);
  p.messages = dialogs.Messages();
  return p;
}

Press Composite(std::string f, std::string a, std::string b, const char* rule, std::string n) {
  return PressButton("CompFormual.Command1",
             {{"Text1", f}, {"Text2", a}, {"Text3", b}, {"Combo1", rule}, {"Text4", n}});
}
Press NewtonCotes(std::string f, std::string a, std::string b, std::string order) {
  return PressButton("NewtonCotes.Command1", {{"Text1", f}, {"Text2", a}, {"Text3", b}, {"Combo1", order}});
}
Press Gauss(std::string f, std::string a, std::string b, const char* rule) {
  return PressButton("GauseIntegral.Command1", {{"Text1", f}, {"Text2", a}, {"Text3", b}, {"Combo1", rule}});
}
Press Paint(std::string f, std::string a, std::string b, Rgb colour = 0) {
  return PressButton("FrmGeneralFunPaint.cmdPaint", {{"Text1", f}, {"Text2", a}, {"Text3", b}}, colour);
}

std::string Head(const char* range, const char* rule = "") {
  return std::string("此函数式在区间[") + range + "]的" + rule + "积分值是：\r\n    ";
}

// Every area line stands on the x axis between a and b, in the plot colour.
void ExpectAreaLines(const DisplayList& d, double a, double b, Rgb colour, size_t count) {
  ASSERT_EQ(d.lines.size(), 2 + count);
  for (size_t i = 2; i < d.lines.size(); ++i) {
    const PlotLine& l = d.lines[i];
    EXPECT_EQ(l.x1, l.x2);
    EXPECT_EQ(l.y2, 0);
    EXPECT_TRUE(l.x1 >= a && l.x1 <= b) << l.x1;
    EXPECT_EQ(l.colour, colour);
  }
}

std::vector<std::string> Texts(const DisplayList& d) {
  std::vector<std::string> t;
  for (const PlotText& p : d.texts) t.push_back(p.text);
  return t;
}

TEST(CompFormual, RulesOnXSquaredAndTheirResultTexts) {
  EXPECT_EQ(Composite("x^2", "0", "1", kCompositeTrapezoid, "2").Result(),
            Head("0,1", " 复化梯形公式") + "0.375");
  EXPECT_EQ(Composite("x^2", "0", "1", kCompositeSimpson, "2").Result(),
            Head("0,1", " 复化辛普森公式") + "0.333333333333333");
  EXPECT_EQ(Composite("x^2", "0", "1", kCompositeCotes, "2").Result(),
            Head("0,1", " 复化柯特斯公式") + "0.333333333333333");
  // Blanks around the formula, text after the numbers; bounds printed as read.
  EXPECT_EQ(Composite(" f(x)=x^3 ", "-1.5abc", " 2.5", kCompositeSimpson, "7").Result(),
            Head("-1.5,2.5", " 复化辛普森公式") + "8.49999999999998");
  // Not exact: sin on [0, pi] and exp on [-1, 2], as the separate model sums them.
  EXPECT_EQ(Composite("sin(x)", "0", "3.14159265358979", kCompositeTrapezoid, "10").Result(),
            Head("0,3.14159265358979", " 复化梯形公式") + "1.98352353750946");
  EXPECT_EQ(Composite("exp(x)", "-1", "2", kCompositeCotes, "3").Result(),
            Head("-1,2", " 复化柯特斯公式") + "7.02118016967471");
}

TEST(CompFormual, SubintervalsAreHeldWithinTwoTo32767) {
  // 1 and 0 read as 2; 40000 as 32767; 2.5 rounds to 2 (halves to even).
  const std::string two = Composite("x^2", "0", "1", kCompositeTrapezoid, "2").Result();
  EXPECT_EQ(Composite("x^2", "0", "1", kCompositeTrapezoid, "1").Result(), two);
  EXPECT_EQ(Composite("x^2", "0", "1", kCompositeTrapezoid, "0").Result(), two);
  EXPECT_EQ(Composite("x^2", "0", "1", kCompositeTrapezoid, "2.5").Result(), two);
  EXPECT_EQ(Composite("x", "0", "2", kCompositeCotes, "40000").Result(),
            Composite("x", "0", "2", kCompositeCotes, "32767").Result());
  EXPECT_EQ(Composite("1", "0", "2", kCompositeCotes, "40000").Result(),
            Head("0,2", " 复化柯特斯公式") + "2");
}

TEST(CompFormual, AreaPlotOfXSquaredOnZeroToOne) {
  Press p = PressButton("CompFormual.Command1", {{"Text1", "x^2"}, {"Text2", "0"}, {"Text3", "1"}},
                0x3366cc);
  const DisplayList& d = p.Picture();
  // The scan's last sample is 0.99 (0.01 added a hundred times passes 1).
  const double ymax = 0.990000000000001 * 0.990000000000001;
  EXPECT_TRUE(d.hasView);
  EXPECT_DOUBLE_EQ(d.top, ymax * 1.2);
  EXPECT_DOUBLE_EQ(d.bottom, -ymax / 10);
  EXPECT_DOUBLE_EQ(d.right, 1.2);
  EXPECT_DOUBLE_EQ(d.left, -0.1);  // a tenth of the interval left of 0
  EXPECT_EQ(d.width, kCalculusPictureWidth);
  // Axes in the picture's own colour, then one line every quarter step.
  EXPECT_EQ(d.lines[0].colour, std::nullopt);
  EXPECT_EQ(d.lines[0].x1, 0);
  EXPECT_EQ(d.lines[0].y1, d.top);
  EXPECT_EQ(d.lines[0].y2, d.bottom);
  EXPECT_EQ(d.lines[1].x1, d.left);
  EXPECT_EQ(d.lines[1].x2, d.right);
  EXPECT_EQ(d.lines[1].y1, 0);
  ExpectAreaLines(d, 0, 1, 0x3366cc, 401);
  EXPECT_EQ(d.lines[2].y1, 0);
  EXPECT_DOUBLE_EQ(d.lines[3].x1, 0.0025);
  EXPECT_DOUBLE_EQ(d.lines[3].y1, 0.0025 * 0.0025);
  EXPECT_TRUE(d.points.empty());
  // Labels: numbers as leading-blank texts with one blank after them.
  EXPECT_EQ(Texts(d), (std::vector<std::string>{" 0 ", "Y", "X", " 0 ", " 1 "}));
  EXPECT_DOUBLE_EQ(d.texts[1].y, d.top - d.top / 25);
  EXPECT_DOUBLE_EQ(d.texts[2].x, 1.2 - 1.2 / 20);
  EXPECT_DOUBLE_EQ(d.texts[4].x, 1 - 1.0 / 20);
}

TEST(CompFormual, ViewBoxOfANegativeLowerBoundAndAFunctionFarAboveTheAxis) {
  // a < 0: the left edge at 2.4 a; the label of a a twentieth of |a| left of a.
  const DisplayList neg = Composite("x", "-2", "1", kCompositeTrapezoid, "2").Picture();
  EXPECT_DOUBLE_EQ(neg.left, -4.8);
  EXPECT_DOUBLE_EQ(neg.right, (1 + 2) * 1.2);
  EXPECT_NEAR(neg.bottom, (-2 - 0.97) * 1.2, 1e-9);  // ymin = f(-2), ymax = f(0.97…)
  EXPECT_EQ(Texts(neg)[3], "-2 ");
  EXPECT_DOUBLE_EQ(neg.texts[3].x, -2.1);
  // A function far above the axis: the range still reaches down to 0.
  const DisplayList high = Composite("x+100", "3", "4", kCompositeTrapezoid, "2").Picture();
  EXPECT_GT(high.top, 104 * 1.19);
  EXPECT_LT(high.bottom, 0);
  EXPECT_NEAR(high.bottom, -high.top / 12, 1e-9);
  // b <= 0: the right edge a tenth of the interval right of 0.
  const DisplayList left = Composite("1", "-3", "-1", kCompositeTrapezoid, "2").Picture();
  EXPECT_DOUBLE_EQ(left.right, 0.2);
  EXPECT_DOUBLE_EQ(left.left, -7.2);
  EXPECT_EQ(Texts(left)[4], "-1 ");
  EXPECT_EQ(Texts(Composite("1", ".25", ".5", kCompositeTrapezoid, "2").Picture())[3], " .25 ");
}

TEST(CompFormual, FailuresLeaveTheWindowAlone) {
  Press reversed = Composite("x", "1", "0", kCompositeTrapezoid, "2");
  EXPECT_EQ(reversed.messages, std::vector<std::string>{"上下界值输入有误！"});
  EXPECT_FALSE(reversed.outcome.result || reversed.outcome.picture);
  for (const char* rule : {kCompositeTrapezoid, kCompositeSimpson, kCompositeCotes}) {
    Press bad = Composite("sqrt(x)", "0", "1", rule, "32767");
    EXPECT_EQ(bad.messages, std::vector<std::string>{"函数表达式输入有误！"});
    EXPECT_FALSE(bad.outcome.result || bad.outcome.picture);
  }
  // Values of f that are not finite are summed as they come and stay out of the view box.
  Press pole = Composite("1/x", "0", "1", kCompositeTrapezoid, "2");
  EXPECT_EQ(pole.Result(), Head("0,1", " 复化梯形公式") + "Infinity");
  EXPECT_TRUE(std::isfinite(pole.Picture().top));
  EXPECT_DOUBLE_EQ(pole.Picture().top, 100 * 1.2);
}

TEST(CompFormual, EqualBoundsIntegrateToZeroAndDrawOneLine) {
  for (const char* rule : {kCompositeTrapezoid, kCompositeSimpson, kCompositeCotes}) {
    Press p = Composite("x^2+1", "3", "3", rule, "32767");
    EXPECT_EQ(p.Result(), Head("3,3", (std::string(" ") + rule).c_str()) + "0");
    const DisplayList& d = p.Picture();
    EXPECT_DOUBLE_EQ(d.top, 12);  // the single sample f(3) = 10
    EXPECT_DOUBLE_EQ(d.right, 7.2);
    EXPECT_DOUBLE_EQ(d.left, 0);
    ExpectAreaLines(d, 3, 3, 0, 1);
    EXPECT_EQ(d.texts.size(), 5u);
  }
  // a = b = 0 and f = 0 have no extent: the frame falls back to -1 .. 1.
  const DisplayList flat = Composite("0", "0", "0", kCompositeTrapezoid, "2").Picture();
  EXPECT_EQ(std::vector<double>({flat.left, flat.top, flat.right, flat.bottom}),
            std::vector<double>({-1, 1, 1, -1}));
}

TEST(NewtonCotes, EveryOrderOnTheConstantAndLowOrdersOnXSquared) {
  for (int order = 1; order <= 8; ++order) {
    int sum = 0;
    for (int i = 0; i <= order; ++i) sum += NewtonCotesWeight(order, i);
    EXPECT_EQ(sum, NewtonCotesDivisor(order)) << order;
    EXPECT_EQ(NewtonCotes("1", "0", "1", std::to_string(order) + " ").Result(), Head("0,1") + "1")
        << order;
  }
  EXPECT_EQ(NewtonCotes("x^2", "0", "1", "1 ").Result(), Head("0,1") + "0.5");
  EXPECT_EQ(NewtonCotes("x^2", "0", "1", "2 ").Result(), Head("0,1") + "0.333333333333333");
  // Order 4 is exact up to degree 5; orders 3 and 8 on exp, as the separate model sums.
  EXPECT_EQ(NewtonCotes("x^5", "0", "1", "4 ").Result(), Head("0,1") + "0.166666666666667");
  EXPECT_EQ(NewtonCotes("exp(x)", "-1", "2", "3 ").Result(), Head("-1,2") + "7.09191788455471");
  EXPECT_EQ(NewtonCotes("exp(x)", "-1", "2", "8 ").Result(), Head("-1,2") + "7.02117683808167");

  const DisplayList d = NewtonCotes("x", "-1", "1", "1 ").Picture();
  EXPECT_DOUBLE_EQ(d.left, -2.4);
  EXPECT_DOUBLE_EQ(d.right, 2.4);
  EXPECT_EQ(NewtonCotes("x", "1", "1", "8 ").Result(), Head("1,1") + "0");
  EXPECT_EQ(NewtonCotes("x", "2", "1", "8 ").messages, std::vector<std::string>{"上下界值输入有误！"});
  EXPECT_EQ(NewtonCotes("x)", "0", "1", "8 ").messages, std::vector<std::string>{"函数表达式输入有误！"});
  // Only the list's items can be picked; an order outside the table stops the press.
  Press outside = NewtonCotes("x", "0", "1", "9 ");
  EXPECT_EQ(outside.messages, std::vector<std::string>{"下标越界"});
  EXPECT_FALSE(outside.outcome.result || outside.outcome.picture);
}

TEST(GauseIntegral, TwoAndThreePointRules) {
  EXPECT_EQ(Gauss("x^2", "0", "1", kGaussTwoPoint).Result(), Head("0,1") + "0.333333333333333");
  EXPECT_EQ(Gauss("x^3", "-1", "2", kGaussTwoPoint).Result(), Head("-1,2") + "3.75000000000001");
  EXPECT_EQ(Gauss("x^4", "0", "1", kGaussThreePoint).Result(), Head("0,1") + "0.199999999999999");
  EXPECT_EQ(Gauss("sin(x)", "0", "3.14159265358979", kGaussTwoPoint).Result(),
            Head("0,3.14159265358979") + "1.93581957465114");
  EXPECT_EQ(Gauss("sin(x)", "0", "3.14159265358979", kGaussThreePoint).Result(),
            Head("0,3.14159265358979") + "2.00138891360774");
  EXPECT_EQ(Gauss("x", "5", "5", kGaussThreePoint).Result(), Head("5,5") + "0");
  EXPECT_EQ(Gauss("x", "1", "-1", kGaussTwoPoint).messages,
            std::vector<std::string>{"上下界值输入有误！"});
  EXPECT_EQ(Gauss("2*y", "0", "1", kGaussTwoPoint).messages,
            std::vector<std::string>{"函数表达式输入有误！"});
}

TEST(FrmGeneralFunPaint, SineOnZeroToSixPointThree) {
  Press p = Paint("sin(x)", "0", "6.3", 0xff0000);
  EXPECT_TRUE(p.messages.empty());
  EXPECT_FALSE(p.outcome.result);
  const DisplayList& d = p.Picture();
  EXPECT_NEAR(d.top, 2.4, 0.01);
  EXPECT_NEAR(d.bottom, -2.4, 0.01);
  EXPECT_DOUBLE_EQ(d.right, 6.3 * 1.2);
  EXPECT_DOUBLE_EQ(d.left, -0.63);
  ASSERT_EQ(d.lines.size(), 2u);  // the axes only
  ASSERT_EQ(d.points.size(), 401u);
  for (const PlotPoint& q : d.points) {
    EXPECT_EQ(q.colour, 0xff0000u);
    EXPECT_NEAR(q.y, std::sin(q.x), 1e-12);
  }
  EXPECT_EQ(Texts(d), (std::vector<std::string>{" 0 ", "Y", "X", " 0 ", " 6.3 "}));
  // x^2 on [1, 2]: ymin stays 0, so the bottom is a tenth of ymax below the axis.
  const DisplayList sq = Paint("x^2", "1", "2").Picture();
  EXPECT_NEAR(sq.bottom, -0.4, 0.01);
  EXPECT_DOUBLE_EQ(sq.bottom, -sq.top / 12);
}

TEST(FrmGeneralFunPaint, RefusesEqualBoundsAndMalformedFormulas) {
  for (auto [a, b] : {std::pair{"1", "1"}, std::pair{"2", "1"}}) {
    Press p = Paint("x", a, b);
    EXPECT_EQ(p.messages, std::vector<std::string>{"上下界值输入有误！"});
    EXPECT_FALSE(p.outcome.picture);
  }
  Press bad = Paint("sin(x", "0", "1");
  EXPECT_EQ(bad.messages, std::vector<std::string>{"函数表达式f(x)输入有误！"});
  EXPECT_FALSE(bad.outcome.picture);
}

TEST(CalculusSampling, EveryWalkEnds) {
  // A step too small to move x: the walk takes a once and stops, in every window.
  int visits = 0;
  SampleRange(1e16, 1e16 + 2, 0.02, [&](double) { return ++visits < 1000; });
  EXPECT_EQ(visits, 1);
  visits = 0;
  SampleRange(0, 1, 0.25, [&](double) { return ++visits < 1000; });
  EXPECT_EQ(visits, 5);
  EXPECT_EQ(Composite("x", "1e16", "1.0000000000000002e16", kCompositeCotes, "9").Picture().lines.size(), 3u);
  EXPECT_EQ(Paint("x", "1e16", "1.0000000000000002e16").Picture().points.size(), 1u);
  // Infinite bounds end too, with nothing the picture could show.
  Press wide = Gauss("x", "-1e999", "1e999", kGaussTwoPoint);
  EXPECT_EQ(wide.Result(), Head("-Infinity,Infinity") + "NaN");
  EXPECT_FALSE(std::isfinite(wide.Picture().left));
}

}  // namespace
}  // namespace tessaly
