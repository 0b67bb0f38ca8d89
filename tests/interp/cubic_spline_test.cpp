// The four cubic spline methods: whole reports for small tables (worked out independently
// from the textbook formulas), the end-value boxes and their Cancel, the faults that are
// told, and the splines themselves: every piece, evaluated by the expression engine, meets
// the table at both ends of its interval, joins its neighbours with equal first and second
// derivatives, and takes the typed end values.
#include <gtest/gtest.h>

#include <cmath>

#include "expr/formula.h"
#include "interp/interp_test_support.h"

namespace tessaly {
namespace {

using testing::Echo;
using testing::Row;
using testing::RunInsertValue;

const std::string kSlopesHeading = "边界条件（左、右端点处的样条函数一阶导数值）输出如下：\r\n";
const std::string kMomentsHeading = "边界条件（左、右端点处的样条函数二阶导数值）输出如下：\r\n";

// clang-format off

TEST(cTBRORankOne, ThreePointsSolveForTheMiddleSlopeWithBothEndSlopes) {
  // x^2 on 1, 2, 4 with its end slopes 2 and 8: λ(1) = 2/3, μ(1) = 1/3, g(1) = 12, and
  // 2 m1 = 12 - 2/3 * 2 - 1/3 * 8 gives m1 = 4, so each piece is x^2 itself.
  auto run = RunInsertValue("cTBRORankOne", "1 2 4\r\n1 4 16", {"2", "8", "yes"});
  EXPECT_EQ(run.report, Echo({Row({"1", "2", "4"}), Row({"1", "4", "16"})}) +
            "\r\n" + kSlopesHeading +
            "    边界条件左、右端点处的一阶导数值分别为 2 和 8\r\n"
            "\r\n"
            "当 x 取值于[1，2]  时， 三次样条插值函数分段表达式为：\r\n"
            "    S1(x)=1*(x-2)^2*(1+2*(x-1))+4*(x-1)^2*(1+2*(2-x))+2*(x-2)^2*(x-1)+4*(x-1)^2*(x-2)\r\n"
            "\r\n"
            "当 x 取值于[2，4]  时， 三次样条插值函数分段表达式为：\r\n"
            "    S2(x)=0.5*(x-4)^2*(2+2*(x-2))+2*(x-2)^2*(2+2*(4-x))+1*(x-4)^2*(x-2)+2*(x-2)^2*(x-4)\r\n");
  ASSERT_EQ(run.shown.size(), 3u);
  EXPECT_EQ(run.shown[0].title, "输入值");
  EXPECT_EQ(run.shown[0].text, "输入左端点处的样条函数一阶导数值：");
  EXPECT_EQ(run.shown[0].defaultText, "0");
  EXPECT_EQ(run.shown[1].title, "输入值");
  EXPECT_EQ(run.shown[1].text, "输入右端点处的样条函数一阶导数值：");
  EXPECT_EQ(run.shown[1].defaultText, "1");
  EXPECT_EQ(run.shown[2].title, "画图询问");
  // The plot gets the same pieces, one per interval, over the table's nodes.
  EXPECT_EQ(run.plotRequests, 1);
  EXPECT_EQ(run.plot.kind, 2);
  EXPECT_EQ(run.plot.nodes, (std::vector<double>{1, 2, 4}));
  ASSERT_EQ(run.plot.pieces.size(), 3u);
  EXPECT_EQ(run.plot.pieces[2],
            "0.5*(x-4)^2*(2+2*(x-2))+2*(x-2)^2*(2+2*(4-x))+1*(x-4)^2*(x-2)+2*(x-2)^2*(x-4)");
}

TEST(cTBRORankTwo, EndMomentsInTheFirstAndLastRow) {
  // x^2 with its second derivative 2 at both ends: the slopes 2x come out up to rounding,
  // and the rounding shows in full (m0 is -2^-52, written in exponent form).
  auto run = RunInsertValue("cTBRORankTwo", "0 1 3 4\r\n0 1 9 16", {"2", "2", "no"});
  EXPECT_EQ(run.report, Echo({Row({"0", "1", "3", "4"}), Row({"0", "1", "9", "16"})}) +
            "\r\n" + kMomentsHeading +
            "    边界条件左、右端点处的二阶导数值分别为 2 和 2\r\n"
            "\r\n"
            "当 x 取值于[0，1]  时， 三次样条插值函数分段表达式为：\r\n"
            "    S1(x)=0*(x-1)^2*(1+2*(x-0))+1*(x-0)^2*(1+2*(1-x))-2.22044604925031E-16*(x-1)^2*(x-0)+2*(x-0)^2*(x-1)\r\n"
            "\r\n"
            "当 x 取值于[1，3]  时， 三次样条插值函数分段表达式为：\r\n"
            "    S2(x)=0.125*(x-3)^2*(2+2*(x-1))+1.125*(x-1)^2*(2+2*(3-x))+0.5*(x-3)^2*(x-1)+1.5*(x-1)^2*(x-3)\r\n"
            "\r\n"
            "当 x 取值于[3，4]  时， 三次样条插值函数分段表达式为：\r\n"
            "    S3(x)=9*(x-4)^2*(1+2*(x-3))+16*(x-3)^2*(1+2*(4-x))+6*(x-4)^2*(x-3)+8*(x-3)^2*(x-4)\r\n");
  EXPECT_EQ(run.shown[0].text, "输入左端点处的样条函数二阶导数值：");
  EXPECT_EQ(run.shown[1].text, "输入右端点处的样条函数二阶导数值：");
  EXPECT_EQ(run.plotRequests, 0);
}

TEST(cTBRTRankOne, DefaultEndValuesAreUsedAsTyped) {
  auto run = RunInsertValue("cTBRTRankOne", "0 1 2.5\r\n1 0 2", {"0", "1", "no"});
  EXPECT_EQ(run.report, Echo({Row({"0", "1", "2.5"}), Row({"1", "0", "2"})}) +
            "\r\n" + kSlopesHeading +
            "    边界条件左、右端点处的一阶导数值分别为 0 和 1\r\n"
            "\r\n"
            "当 x 取值于[0，1]  时， 三次样条插值函数分段表达式为：\r\n"
            "    S1(x)=-0.9*(1-x)^3+0.8*(x-0)^3+1.9*(1-x)-0.8*(x-0)\r\n"
            "\r\n"
            "当 x 取值于[1，2.5]  时， 三次样条插值函数分段表达式为：\r\n"
            "    S2(x)=0.533333333333333*(2.5-x)^3-0.340740740740741*(x-1)^3-1.2*(2.5-x)+2.1*(x-1)\r\n");
  // An end value too large for a double fails to read and stays 0.
  EXPECT_EQ(RunInsertValue("cTBRTRankOne", "0 1 2.5\r\n1 0 2", {"1e400", "1", "no"}).report,
            run.report);
}

TEST(cTBRTRankTwo, FourPointsAtLeastAndTheNaturalSplineOfALine) {
  // Three points are too few for this method alone; the pane is cleared.
  auto three = RunInsertValue("cTBRTRankTwo", "0 1 2\r\n1 3 5", {"0", "0", "yes"}, "earlier");
  EXPECT_EQ(three.report, "");
  EXPECT_EQ(three.messages,
            std::vector<std::string>{"函数表中，变量x与函数值f(x)没有一一对应或数据太少，请重新输入！"});

  // The line y = 2x + 1 with zero end moments: every moment is 0, no piece has a cubic
  // term, one block per interval.
  auto line = RunInsertValue("cTBRTRankTwo", "0 1 2 4\r\n1 3 5 9", {"0", "0", "yes"});
  EXPECT_EQ(line.report, Echo({Row({"0", "1", "2", "4"}), Row({"1", "3", "5", "9"})}) +
            "\r\n" + kMomentsHeading +
            "    边界条件左、右端点处的二阶导数值分别为 0 和 0\r\n"
            "\r\n"
            "当 x 取值于[0，1]  时， 三次样条插值函数分段表达式为：\r\n"
            "    S1(x)=0*(1-x)^3+0*(x-0)^3+1*(1-x)+3*(x-0)\r\n"
            "\r\n"
            "当 x 取值于[1，2]  时， 三次样条插值函数分段表达式为：\r\n"
            "    S2(x)=0*(2-x)^3+0*(x-1)^3+3*(2-x)+5*(x-1)\r\n"
            "\r\n"
            "当 x 取值于[2，4]  时， 三次样条插值函数分段表达式为：\r\n"
            "    S3(x)=0*(4-x)^3+0*(x-2)^3+2.5*(4-x)+4.5*(x-2)\r\n");
  EXPECT_EQ(line.plot.kind, 2);
  EXPECT_EQ(line.plot.pieces.size(), 4u);
}

// clang-format on

TEST(CubicSpline, CancelInEitherEndBoxEndsWithoutThePlotQuestion) {
  const std::string kept =
      Echo({Row({"0", "1", "3"}), Row({"0", "1", "9"})}) + "\r\n" + kSlopesHeading;
  for (const auto& answers : {std::vector<std::string>{}, std::vector<std::string>{"0"}}) {
    auto run = RunInsertValue("cTBRTRankOne", "0 1 3\r\n0 1 9", answers);
    EXPECT_EQ(run.report, kept);
    EXPECT_EQ(run.shown.size(), answers.size() + 1);
    EXPECT_EQ(run.shown.back().kind, ShownBox::Kind::Input);
    EXPECT_EQ(run.plotRequests, 0);
  }
}

TEST(CubicSpline, EqualNodesAndNodesOutOfOrderAreTold) {
  // Equal neighbouring nodes: the coefficients over the empty interval cannot be computed.
  auto equal = RunInsertValue("cTBRTRankTwo", "0 1 1 2\r\n0 1 1 4", {"0", "0", "no"});
  ASSERT_EQ(equal.messages.size(), 2u);  // the warning, then the plot question
  EXPECT_EQ(equal.messages[0],
            "函数表中有相同的节点x（或计算溢出），插值公式中有的系数无法算出，所得公式不可用！");
  EXPECT_NE(equal.report.find("当 x 取值于[1，1]  时"), std::string::npos);

  // 0, 3, -1: λ(1) = 4 makes the second pivot of the chase 0.
  auto pivot = RunInsertValue("cTBRORankTwo", "0 3 -1\r\n0 1 2", {"0", "0", "yes"});
  ASSERT_EQ(pivot.shown.size(), 4u);
  EXPECT_EQ(
      pivot.shown[2].text,
      "函数表中的节点x没有按大小顺序排列，追赶法中出现零主元，样条函数中有的系数无法算出，所得"
      "公式不可用！");
  EXPECT_EQ(pivot.shown[2].icon, MsgIcon::Exclamation);
  EXPECT_EQ(pivot.plotRequests, 1);

  // Increasing nodes without equal ones never warn.
  auto fine = RunInsertValue("cTBRORankTwo", "0 3 4\r\n0 1 2", {"0", "0", "no"});
  EXPECT_EQ(fine.messages, std::vector<std::string>{"是否要画出该插值函数的散点图的图形？"});
}

// Piece i as a function, with its first and second derivatives by central differences
// (both stencils are exact for a cubic, up to rounding).
struct Piece {
  explicit Piece(const std::string& text) : f(NormalizeFormula(text)) {}
  double operator()(double x) const { return f.Evaluate(x); }
  double D1(double x) const {
    return (f.Evaluate(x - 2 * kH) - 8 * f.Evaluate(x - kH) + 8 * f.Evaluate(x + kH) -
            f.Evaluate(x + 2 * kH)) /
           (12 * kH);
  }
  double D2(double x) const {
    return (f.Evaluate(x + kH) - 2 * f.Evaluate(x) + f.Evaluate(x - kH)) / (kH * kH);
  }
  static constexpr double kH = 1e-3;
  Formula f;
};

TEST(CubicSpline, PiecesMeetTheTableJoinSmoothlyAndTakeTheEndValues) {
  const std::vector<double> x = {0, 0.7, 1.5, 3, 3.4, 5};
  const std::vector<double> y = {1, 2.5, -1, 0.3, 2, 1.2};
  const std::string table = "0 0.7 1.5 3 3.4 5\r\n1 2.5 -1 0.3 2 1.2";
  const double left = 0.5, right = -1;
  struct Case {
    const char* item;
    bool endSlopes;
  };
  for (const Case& c : {Case{"cTBRORankOne", true}, Case{"cTBRORankTwo", false},
                        Case{"cTBRTRankOne", true}, Case{"cTBRTRankTwo", false}}) {
    SCOPED_TRACE(c.item);
    auto run = RunInsertValue(c.item, table, {"0.5", "-1", "yes"});
    ASSERT_EQ(run.plot.pieces.size(), x.size());
    std::vector<Piece> s;
    for (size_t i = 1; i < run.plot.pieces.size(); ++i) s.emplace_back(run.plot.pieces[i]);
    for (size_t i = 1; i < x.size(); ++i) {
      const Piece& p = s[i - 1];
      EXPECT_NEAR(p(x[i - 1]), y[i - 1], 1e-12);
      EXPECT_NEAR(p(x[i]), y[i], 1e-12);
      if (i + 1 < x.size()) {
        EXPECT_NEAR(p.D1(x[i]), s[i].D1(x[i]), 1e-6) << "at node " << i;
        EXPECT_NEAR(p.D2(x[i]), s[i].D2(x[i]), 1e-5) << "at node " << i;
      }
    }
    if (c.endSlopes) {
      EXPECT_NEAR(s.front().D1(x.front()), left, 1e-6);
      EXPECT_NEAR(s.back().D1(x.back()), right, 1e-6);
    } else {
      EXPECT_NEAR(s.front().D2(x.front()), left, 1e-5);
      EXPECT_NEAR(s.back().D2(x.back()), right, 1e-5);
    }
  }
}

}  // namespace
}  // namespace tessaly
