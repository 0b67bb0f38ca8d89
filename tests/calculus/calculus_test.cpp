// The numerical-calculus windows' buttons: whole result texts, messages and the pictures'
// display lists. Integrals the rules compute exactly (low-degree polynomials) are checked
// against their exact values; the others against a separate model of the rules (plain loops
// in another language, x rounded to 15 significant digits before each value).
#include "calculus/calculus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "calculus/calculus_plot.h"
#include "common/scripted_dialogs.h"

namespace tessaly {
namespace {

using Strings = std::vector<std::string>;

struct Press {
  FormOutcome outcome;
  Strings messages;
  std::string Result() const { return outcome.result.value_or("<unchanged>"); }
  const DisplayList& Picture() const { return *outcome.picture; }
  bool ChangedNothing() const { return !outcome.result && !outcome.picture; }
};

// Presses WINDOW.BUTTON with Text1, Text2, Text3 (and Combo1, Text4 when given).
Press PressButton(const char* key, Strings texts, Rgb colour = 0) {
  const FormCommand* command = AllFormCommands().Find(key);
  FormFields fields(command->controls);
  const char* names[] = {"Text1", "Text2", "Text3", "Combo1", "Text4"};
  for (size_t i = 0; i < texts.size(); ++i) fields.Set(names[i], texts[i]);
  ScriptedDialogs dialogs;
  AppState app;
  app.plotColour = colour;
  FormContext ctx{fields, dialogs, app};
  Press p;
  p.outcome = command->run(ctx);
  p.messages = dialogs.Messages();
  return p;
}
Press Composite(Strings texts) { return PressButton("CompFormual.Command1", texts); }
Press NewtonCotes(Strings texts) { return PressButton("NewtonCotes.Command1", texts); }
Press Gauss(Strings texts) { return PressButton("GauseIntegral.Command1", texts); }
Press Paint(Strings texts, Rgb colour = 0) {
  return PressButton("FrmGeneralFunPaint.cmdPaint", texts, colour);
}

std::string Head(const std::string& range, const std::string& rule = "") {
  return "此函数式在区间[" + range + "]的" + rule + "积分值是：\r\n    ";
}

Strings Texts(const DisplayList& d) {
  Strings t;
  for (const PlotText& p : d.texts) t.push_back(p.text);
  return t;
}

const Strings kBounds = {"上下界值输入有误！"};
const Strings kFormula = {"函数表达式输入有误！"};

TEST(CompFormual, ResultTextsOfTheThreeRules) {
  EXPECT_EQ(Composite({"x^2", "0", "1", kCompositeTrapezoid, "2"}).Result(),
            Head("0,1", " 复化梯形公式") + "0.375");
  EXPECT_EQ(Composite({"x^2", "0", "1", kCompositeSimpson, "2"}).Result(),
            Head("0,1", " 复化辛普森公式") + "0.333333333333333");
  EXPECT_EQ(Composite({"x^2", "0", "1", kCompositeCotes, "2"}).Result(),
            Head("0,1", " 复化柯特斯公式") + "0.333333333333333");
  // Blanks and decoration around the formula, text after the bounds; the model's sums.
  EXPECT_EQ(Composite({" f(x)=x^3 ", "-1.5abc", " 2.5", kCompositeSimpson, "7"}).Result(),
            Head("-1.5,2.5", " 复化辛普森公式") + "8.49999999999998");
  EXPECT_EQ(Composite({"sin(x)", "0", "3.14159265358979", kCompositeTrapezoid, "10"}).Result(),
            Head("0,3.14159265358979", " 复化梯形公式") + "1.98352353750946");
  EXPECT_EQ(Composite({"exp(x)", "-1", "2", kCompositeCotes, "3"}).Result(),
            Head("-1,2", " 复化柯特斯公式") + "7.02118016967471");
  // The subinterval box is read as the window holds it: 1 as 2, 40000 as 32767.
  EXPECT_EQ(Composite({"x^2", "0", "1", kCompositeTrapezoid, "1"}).Result(),
            Head("0,1", " 复化梯形公式") + "0.375");
  EXPECT_EQ(Composite({"exp(x)", "0", "2", kCompositeCotes, "40000"}).Result(),
            Composite({"exp(x)", "0", "2", kCompositeCotes, "32767"}).Result());
}

TEST(CompFormual, AreaPlotOfXSquaredOnZeroToOne) {
  const DisplayList d =
      *PressButton("CompFormual.Command1", {"x^2", "0", "1"}, 0x3366cc).outcome.picture;
  // The scan's last sample is 0.99 (0.01 added a hundred times passes 1); the range
  // reaches down to 0; a lower bound of 0 puts the left edge a tenth of [a, b] left of 0.
  const double ymax = 0.990000000000001 * 0.990000000000001;
  EXPECT_DOUBLE_EQ(d.left, -0.1);
  EXPECT_DOUBLE_EQ(d.right, 1.2);
  EXPECT_EQ(d.width, kCalculusPictureWidth);
  EXPECT_DOUBLE_EQ(d.top, ymax * 1.2);
  EXPECT_DOUBLE_EQ(d.bottom, -ymax / 10);
  // The axes in the picture's colour, then a line every quarter step in the plot colour.
  ASSERT_EQ(d.lines.size(), 2u + 401u);
  EXPECT_EQ(d.lines[0].colour, std::nullopt);
  EXPECT_EQ(std::vector<double>({d.lines[0].x1, d.lines[0].y1, d.lines[0].x2, d.lines[0].y2}),
            std::vector<double>({0, d.top, 0, d.bottom}));
  EXPECT_EQ(std::vector<double>({d.lines[1].x1, d.lines[1].y1, d.lines[1].x2, d.lines[1].y2}),
            std::vector<double>({-0.1, 0, 1.2, 0}));
  for (size_t i = 2; i < d.lines.size(); ++i) {
    const PlotLine& l = d.lines[i];
    EXPECT_EQ(l.colour, 0x3366ccu);
    EXPECT_TRUE(l.x1 == l.x2 && l.y2 == 0 && l.x1 >= 0 && l.x1 <= 1);
    EXPECT_NEAR(l.y1, l.x1 * l.x1, 1e-14);
  }
  EXPECT_DOUBLE_EQ(d.lines[3].x1, 0.0025);
  // Numbers are printed as leading-blank texts with one blank after them.
  EXPECT_EQ(Texts(d), (Strings{" 0 ", "Y", "X", " 0 ", " 1 "}));
  EXPECT_DOUBLE_EQ(d.texts[1].y, d.top - d.top / 25);
  EXPECT_DOUBLE_EQ(d.texts[2].x, 1.2 - 1.2 / 20);
  EXPECT_DOUBLE_EQ(d.texts[4].x, 0.95);
}

TEST(CompFormual, ViewBoxesAlwaysHoldTheAxes) {
  // A negative lower bound: the left edge at 2.4 a, a's label a twentieth of |a| left of a.
  const DisplayList neg = Composite({"x", "-2", "1", kCompositeTrapezoid, "2"}).Picture();
  EXPECT_DOUBLE_EQ(neg.left, -4.8);
  EXPECT_DOUBLE_EQ(neg.right, 3.6);
  EXPECT_NEAR(neg.bottom, (-2 - 0.97) * 1.2, 1e-9);  // ymin = f(-2), ymax = f(0.97)
  EXPECT_EQ(Texts(neg)[3], "-2 ");
  EXPECT_DOUBLE_EQ(neg.texts[3].x, -2.1);
  // Far above the axis, the range still reaches down to 0.
  const DisplayList high = Composite({"x+100", "3", "4", kCompositeTrapezoid, "2"}).Picture();
  EXPECT_NEAR(high.bottom, -high.top / 12, 1e-9);
  // b <= 0: the right edge a tenth of the interval right of 0.
  const DisplayList left = Composite({"1", "-3", "-1", kCompositeTrapezoid, "2"}).Picture();
  EXPECT_DOUBLE_EQ(left.right, 0.2);
  EXPECT_EQ(Texts(left)[4], "-1 ");
  // f = 0 everywhere and a = b = 0 have no extent: the frame falls back to -1 .. 1.
  const DisplayList flat = Composite({"0", "0", "0", kCompositeTrapezoid, "2"}).Picture();
  EXPECT_EQ(std::vector<double>({flat.left, flat.top, flat.right, flat.bottom}),
            std::vector<double>({-1, 1, 1, -1}));
  // Values that are not finite are summed as they come and stay out of the view box.
  Press pole = Composite({"1/x", "0", "1", kCompositeTrapezoid, "2"});
  EXPECT_EQ(pole.Result(), Head("0,1", " 复化梯形公式") + "Infinity");
  EXPECT_DOUBLE_EQ(pole.Picture().top, 100 * 1.2);  // f(0.01)
}

TEST(CompFormual, EqualBoundsAndFailures) {
  for (const char* rule : {kCompositeTrapezoid, kCompositeSimpson, kCompositeCotes}) {
    Press p = Composite({"x^2+1", "3", "3", rule, "32767"});
    EXPECT_EQ(p.Result(), Head("3,3", std::string(" ") + rule) + "0");
    // One sample, f(3) = 10, and its single line.
    EXPECT_EQ(p.Picture().left, 0);
    EXPECT_DOUBLE_EQ(p.Picture().top, 12);
    EXPECT_DOUBLE_EQ(p.Picture().right, 7.2);
    ASSERT_EQ(p.Picture().lines.size(), 3u);
    EXPECT_EQ(p.Picture().lines[2].y1, 10);

    Press bad = Composite({"sqrt(x)", "0", "1", rule, "32767"});
    EXPECT_EQ(bad.messages, kFormula);
    EXPECT_TRUE(bad.ChangedNothing());
  }
  Press reversed = Composite({"x", "1", "0", kCompositeTrapezoid, "2"});
  EXPECT_EQ(reversed.messages, kBounds);
  EXPECT_TRUE(reversed.ChangedNothing());
  // A bound too large for a double overflows as it is read, in every window.
  for (Press huge : {Composite({"x", "1e999", "1", kCompositeTrapezoid, "2"}),
                     NewtonCotes({"x", "0", "-1e999", "2 "}), Gauss({"x", "0", "1e400", kGaussTwoPoint}),
                     Paint({"x", "-1e999", "1"})}) {
    EXPECT_EQ(huge.messages, Strings{"溢出"});
    EXPECT_TRUE(huge.ChangedNothing());
  }
}

TEST(NewtonCotes, EveryOrderAndItsFailures) {
  // The constant 1 integrates to 1 exactly when an order's weights add up to its divisor.
  for (int order = 1; order <= 8; ++order)
    EXPECT_EQ(NewtonCotes({"1", "0", "1", std::to_string(order) + " "}).Result(), Head("0,1") + "1")
        << order;
  EXPECT_EQ(NewtonCotes({"x^2", "0", "1", "1 "}).Result(), Head("0,1") + "0.5");
  EXPECT_EQ(NewtonCotes({"x^2", "0", "1", "2 "}).Result(), Head("0,1") + "0.333333333333333");
  EXPECT_EQ(NewtonCotes({"x^5", "0", "1", "4 "}).Result(), Head("0,1") + "0.166666666666667");
  EXPECT_EQ(NewtonCotes({"exp(x)", "-1", "2", "3 "}).Result(), Head("-1,2") + "7.09191788455471");
  EXPECT_EQ(NewtonCotes({"exp(x)", "-1", "2", "8 "}).Result(), Head("-1,2") + "7.02117683808167");
  EXPECT_EQ(NewtonCotes({"x", "1", "1", "8 "}).Result(), Head("1,1") + "0");
  EXPECT_EQ(NewtonCotes({"x", "-1", "1", "1 "}).Picture().left, -2.4);

  EXPECT_EQ(NewtonCotes({"x", "2", "1", "8 "}).messages, kBounds);
  EXPECT_EQ(NewtonCotes({"x)", "0", "1", "8 "}).messages, kFormula);
  // Only the list's items can be picked; an order outside the table stops the press.
  Press outside = NewtonCotes({"x", "0", "1", "9 "});
  EXPECT_EQ(outside.messages, Strings{"下标越界"});
  EXPECT_TRUE(outside.ChangedNothing());
}

TEST(GauseIntegral, TwoAndThreePointRules) {
  EXPECT_EQ(Gauss({"x^2", "0", "1", kGaussTwoPoint}).Result(), Head("0,1") + "0.333333333333333");
  EXPECT_EQ(Gauss({"x^3", "-1", "2", kGaussTwoPoint}).Result(), Head("-1,2") + "3.75000000000001");
  EXPECT_EQ(Gauss({"x^4", "0", "1", kGaussThreePoint}).Result(), Head("0,1") + "0.199999999999999");
  EXPECT_EQ(Gauss({"sin(x)", "0", "3.14159265358979", kGaussTwoPoint}).Result(),
            Head("0,3.14159265358979") + "1.93581957465114");
  EXPECT_EQ(Gauss({"sin(x)", "0", "3.14159265358979", kGaussThreePoint}).Result(),
            Head("0,3.14159265358979") + "2.00138891360774");
  EXPECT_EQ(Gauss({"x", "5", "5", kGaussThreePoint}).Result(), Head("5,5") + "0");
  EXPECT_EQ(Gauss({"x", "1", "-1", kGaussTwoPoint}).messages, kBounds);
  EXPECT_EQ(Gauss({"2*y", "0", "1", kGaussTwoPoint}).messages, kFormula);
}

TEST(FrmGeneralFunPaint, SineOnZeroToSixPointThreeAndRefusals) {
  Press p = Paint({"sin(x)", "0", "6.3"}, 0xff0000);
  EXPECT_TRUE(p.messages.empty() && !p.outcome.result);
  const DisplayList& d = p.Picture();
  EXPECT_NEAR(d.top, 2.4, 0.01);
  EXPECT_NEAR(d.bottom, -2.4, 0.01);
  EXPECT_DOUBLE_EQ(d.right, 6.3 * 1.2);
  EXPECT_DOUBLE_EQ(d.left, -0.63);
  EXPECT_EQ(d.lines.size(), 2u);  // the axes only
  ASSERT_EQ(d.points.size(), 401u);
  for (const PlotPoint& q : d.points) {
    EXPECT_EQ(q.colour, 0xff0000u);
    EXPECT_NEAR(q.y, std::sin(q.x), 1e-12);
  }
  EXPECT_EQ(Texts(d), (Strings{" 0 ", "Y", "X", " 0 ", " 6.3 "}));
  // x^2 on [1, 2]: ymin stays 0, so the bottom is a tenth of ymax below the axis.
  EXPECT_DOUBLE_EQ(Paint({"x^2", "1", "2"}).Picture().bottom, -1.99 * 1.99 / 10);

  EXPECT_EQ(Paint({"x", "1", "1"}).messages, kBounds);  // equal bounds are refused here
  EXPECT_TRUE(Paint({"x", "2", "1"}).ChangedNothing());
  Press bad = Paint({"sin(x", "0", "1"});
  EXPECT_EQ(bad.messages, Strings{"函数表达式f(x)输入有误！"});
  EXPECT_TRUE(bad.ChangedNothing());
}

TEST(CalculusSampling, EveryWalkEnds) {
  int visits = 0;
  SampleRange(0, 1, 0.25, [&](double) { return ++visits < 1000; });
  EXPECT_EQ(visits, 5);
  // A step too small to move x: the walk takes a once and stops, in every window.
  visits = 0;
  SampleRange(1e16, 1e16 + 2, 0.02, [&](double) { return ++visits < 1000; });
  EXPECT_EQ(visits, 1);
  EXPECT_EQ(Composite({"x", "1e16", "1.0000000000000002e16", kCompositeCotes, "9"})
                .Picture()
                .lines.size(),
            3u);
  EXPECT_EQ(Paint({"x", "1e16", "1.0000000000000002e16"}).Picture().points.size(), 1u);
  // Infinite bounds and steps end too (the windows stop such bounds as they read them).
  visits = 0;
  SampleRange(-INFINITY, INFINITY, INFINITY, [&](double) { return ++visits < 1000; });
  EXPECT_LE(visits, 1);
}

}  // namespace
}  // namespace tessaly
