// Whole reports of the polynomial and piecewise interpolation methods. The coefficients were
// worked out by hand from the textbook formulas (for 0, 1, 2 -> 0, 1, 4: Lagrange weights
// 2, -1, 2; divided differences 1, 3 and 1), and every value asked for is the value of the
// interpolated function (x^2, x^2 + 1) at that x.
#include <gtest/gtest.h>

#include "expr/formula.h"
#include "interp/interp_test_support.h"

namespace tessaly {
namespace {

using testing::Echo;
using testing::Row;
using testing::RunInsertValue;

const std::string kSquares = "0 1 2\r\n0 1 4";
const std::string kSquaresEcho = Echo({Row({"0", "1", "2"}), Row({"0", "1", "4"})});
const std::string kEqualNodesMessage =
    "函数表中有相同的节点x（或计算溢出），插值公式中有的系数无法算出，所得公式不可用！";

double ValueAt(const std::string& formula, double x) {
  int steps = 0;
  return EvaluateFormula(NormalizeFormula(formula), x, steps);
}

// clang-format off

TEST(cLinerInsert, ReportValueAndPlot) {
  auto run = RunInsertValue("cLinerInsert", " 1   3 99\r\n\r\n 2,6,77\r\n5 5", {" 2 ", "yes"});
  EXPECT_EQ(run.report,
            "  1    3\r\n"
            "  2    6\r\n"
            "\r\n"
            "以上是插值函数两点的函数表。\r\n"
            "\r\n"
            "所求的线形插值函数为：\r\n"
            "     L(x)=-1*(x-3)+3*(x-1)\r\n"
            "\r\n"
            "函数式 F(x) 在 2 点上的线形插值的近似值为：\r\n"
            "    4");
  EXPECT_EQ(run.plotRequests, 1);
  EXPECT_EQ(run.plot.kind, 1);
  EXPECT_EQ(run.plot.xMin, 1);
  EXPECT_EQ(run.plot.xMax, 3);
  EXPECT_EQ(ValueAt(run.plot.formula, 2.5), 5);
  // An x too large for a double fails to read and stays 0.
  EXPECT_EQ(RunInsertValue("cLinerInsert", "1 3\r\n2 6", {"-1e999", "no"}).report,
            RunInsertValue("cLinerInsert", "1 3\r\n2 6", {"0", "no"}).report);
  // Tabs separate the two points' entries like blanks.
  EXPECT_EQ(RunInsertValue("cLinerInsert", "\t1\t3\r\n2\t\t6", {"0", "no"}).report,
            RunInsertValue("cLinerInsert", "1 3\r\n2 6", {"0", "no"}).report);

  // Equal nodes: both coefficients stay 0, and the user is told.
  auto equal = RunInsertValue("cLinerInsert", "1 1\r\n2 6", {"", "no"});
  EXPECT_NE(equal.report.find("     L(x)=0*(x-1)+0*(x-1)\r\n"), std::string::npos);
  EXPECT_EQ(equal.messages.front(), kEqualNodesMessage);
}

TEST(cParabolaInsert, UsesTheFirstThreeOfFivePoints) {
  auto run = RunInsertValue("cParabolaInsert", "0 1 2 3 4\r\n1 2 5 10 17", {"3", "yes"});
  EXPECT_EQ(run.report,
            "  0   1   2\r\n"
            "  1   2   5\r\n"
            "\r\n"
            "以上是抛物线插值（即二次拉格朗日插值）的函数表。\r\n"
            "\r\n"
            "所求的抛物线插值（即二次拉格朗日插值）的函数为：\r\n"
            " L(x)=0.5*(x-1)*(x-2)-2*(x-0)*(x-2)+2.5*(x-0)*(x-1)\r\n"
            "\r\n"
            "函数式 F(x) 在  x=3 的近似值为：\r\n"
            " L(3)=10");
  EXPECT_EQ(run.plot.kind, 1);
  EXPECT_EQ(run.plot.xMin, 0);
  EXPECT_EQ(run.plot.xMax, 2);
}

TEST(cSubsectionLInS, PiecesAndThePieceChosenAtEachSideOfTheMidpoint) {
  const std::string pieces =
      kSquaresEcho +
      "\r\n"
      "\r\n"
      "各个区间的线性插值函数输出如下：\r\n"
      "\r\n"
      "区间[0,1]的线性插值函数是：\r\n"
      "    F(x)=0*(x-1)+1*(x-0)\r\n"
      "\r\n"
      "区间[1,2]的线性插值函数是：\r\n"
      "    F(x)=-1*(x-2)+4*(x-1)\r\n"
      "\r\n";
  // 1.2 lies before the midpoint 1.5 of [1, 2]: the piece of [0, 1] is used, extended.
  auto before = RunInsertValue("cSubsectionLInS", kSquares, {"1.2", "yes"});
  EXPECT_EQ(before.report, pieces +
            "\r\n"
            "函数式 F(x) 在 x=1.2 的近似值为：\r\n"
            "    F(1.2)=1.2\r\n");
  // The plot gets the pieces as built, not normalised.
  EXPECT_EQ(before.plot.kind, 2);
  EXPECT_EQ(before.plot.nodes, (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(before.plot.pieces, (std::vector<std::string>{"", "0*(x-1)+1*(x-0)", "-1*(x-2)+4*(x-1)"}));

  auto after = RunInsertValue("cSubsectionLInS", kSquares, {"1.6", "no"});
  EXPECT_EQ(after.report, pieces +
            "\r\n"
            "函数式 F(x) 在 x=1.6 的近似值为：\r\n"
            "    F(1.6)=2.8\r\n");
  EXPECT_EQ(after.plotRequests, 0);
  // Exactly at the midpoint the piece to its left still holds.
  EXPECT_EQ(RunInsertValue("cSubsectionLInS", kSquares, {"1.5", "no"}).report,
            pieces + "\r\n函数式 F(x) 在 x=1.5 的近似值为：\r\n    F(1.5)=1.5\r\n");

  // Negative nodes after clean-up B: x plus the magnitude.
  auto negative = RunInsertValue("cSubsectionLInS", "-2 -1\r\n3 -5", {"", "no"});
  EXPECT_NE(negative.report.find("区间[-2,-1]的线性插值函数是：\r\n    F(x)=-3*(x+1)-5*(x+2)\r\n"),
            std::string::npos);
}

TEST(cSubsectionPInS, ParabolaPerNodeTriple) {
  auto run = RunInsertValue("cSubsectionPInS", "0 1 2 3\r\n0 1 4 9", {"1.6", "yes"});
  EXPECT_EQ(run.report,
            Echo({Row({"0", "1", "2", "3"}), Row({"0", "1", "4", "9"})}) +
            "\r\n"
            "\r\n"
            "各个区间的抛物插值函数输出如下：\r\n"
            "\r\n"
            "区间[0,2]的抛物插值函数是：\r\n"
            "    F(x)=0*(x-1)*(x-2)-1*(x-0)*(x-2)+2*(x-0)*(x-1)\r\n"
            "\r\n"
            "区间[1,3]的抛物插值函数是：\r\n"
            "    F(x)=0.5*(x-2)*(x-3)-4*(x-1)*(x-3)+4.5*(x-1)*(x-2)\r\n"
            "\r\n"
            "\r\n"
            "函数式 F(x) 在 x=1.6 的近似值为：\r\n"
            "    F(1.6)=2.56\r\n");
  EXPECT_EQ(run.plot.kind, 3);
  EXPECT_EQ(run.plot.pieces.size(), 3u);  // pieces 1 and 2
}

TEST(cLagrangeInsert, DegreeTwoAndItsValueAtThree) {
  auto run = RunInsertValue("cLagrangeInsert", kSquares, {"3", "yes"});
  EXPECT_EQ(run.report, kSquaresEcho +
            "\r\n"
            "得出 2 次拉格朗日插值多项式为：\r\n"
            " L(x)=0*(x-1)*(x-2)-1*(x-0)*(x-2)+2*(x-0)*(x-1)\r\n"
            "\r\n"
            "函数式 F(x) 在  x=3 的近似值为：\r\n"
            " L(3)=9\r\n");
  EXPECT_EQ(run.plot.kind, 1);
  EXPECT_EQ(run.plot.xMax, 2);

  // Negative nodes after clean-up A: never two minus signs in a row.
  auto negative = RunInsertValue("cLagrangeInsert", "-2 -1 0.5\r\n1 2 3", {"0.5", "no"});
  EXPECT_EQ(negative.report, Echo({Row({"-2", "-1", "0.5"}), Row({"1", "2", "3"})}) +
            "\r\n"
            "得出 2 次拉格朗日插值多项式为：\r\n"
            " L(x)=0.4*(x+1)*(x-0.5)-1.33333333333333*(x+2)*(x-0.5)+0.8*(x+2)*(x+1)\r\n"
            "\r\n"
            "函数式 F(x) 在  x=0.5 的近似值为：\r\n"
            " L(0.5)=3\r\n");

  // Coefficients in exponent form are read back: 1E-05 x (2 - x) at 1 is 1E-05.
  auto tiny = RunInsertValue("cLagrangeInsert", "0 1 2\r\n0 0.00001 0", {"1", "no"});
  EXPECT_NE(tiny.report.find(" L(x)=0*(x-1)*(x-2)-1E-05*(x-0)*(x-2)+0*(x-0)*(x-1)\r\n"),
            std::string::npos);
  EXPECT_NE(tiny.report.find(" L(1)=1E-05\r\n"), std::string::npos);

  // Equal nodes: the terms whose weight is 0 are left out, and the user is told before
  // the evaluation prompt.
  auto equal = RunInsertValue("cLagrangeInsert", "0 1 1\r\n1 2 3", {"", "no"});
  EXPECT_EQ(equal.report, Echo({Row({"0", "1", "1"}), Row({"1", "2", "3"})}) +
            "\r\n"
            "得出 2 次拉格朗日插值多项式为：\r\n"
            " L(x)=1*(x-1)*(x-1)\r\n");
  ASSERT_EQ(equal.shown.size(), 3u);
  EXPECT_EQ(equal.shown[0].text, kEqualNodesMessage);
  EXPECT_EQ(equal.shown[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(equal.shown[1].kind, ShownBox::Kind::Input);
}

TEST(cNewtonInsert, DividedDifferenceTableAndCancelledEvaluation) {
  // Cancel at the evaluation prompt goes straight to the plot question; the plot then
  // gets the formula as built.
  auto run = RunInsertValue("cNewtonInsert", kSquares, {"", "yes"});
  EXPECT_EQ(run.report, kSquaresEcho +
            "\r\n"
            "差商表输出如下：\r\n"
            "                    X(i)                    Y(i)                1 阶差商                2 阶差商\r\n"
            "                       0                       0\r\n"
            "                       1                       1                       1\r\n"
            "                       2                       4                       3                       1\r\n"
            "\r\n"
            "得出 2 次牛顿插值多项式为：\r\n"
            " N(x)=0+1*(x-0)+1*(x-0)*(x-1)\r\n");
  ASSERT_EQ(run.shown.size(), 2u);
  EXPECT_EQ(run.shown[0].kind, ShownBox::Kind::Input);
  EXPECT_EQ(run.shown[0].title, "Tessaly v1.0");
  EXPECT_EQ(run.shown[0].defaultText, "1");
  EXPECT_EQ(run.shown[0].text,
            "想要求出f(x)在x=？处的近似值吗？\r\n如果要，请输入 x 的值，然后单击确定\r\n如果不需要，单击取消退出。");
  EXPECT_EQ(run.shown[1].title, "画图询问");
  EXPECT_EQ(run.shown[1].buttons, MsgButtons::YesNo);
  EXPECT_EQ(run.plot.formula, "0+1*(x-0)+1*(x-0)*(x-1)");
  EXPECT_EQ(run.plot.xMin, 0);
  EXPECT_EQ(run.plot.xMax, 2);
}

TEST(cHermite, DegreeFiveFromThreePointsAndUntrimmedReply) {
  const std::string table = "0 1 2\r\n0 1 4\r\n0 2 4";
  auto run = RunInsertValue("cHermite", table, {"3", "yes"});
  EXPECT_EQ(run.report,
            Echo({Row({"0", "1", "2"}), Row({"0", "1", "4"}), Row({"0", "2", "4"})}) +
            "\r\n"
            "得出 5 次埃尔米特插值多项式为：\r\n"
            " H(x)=0*(1-2*(x-0)*(-1.5))*((x-1)*(x-2)/(2))^2+1*(1-2*(x-1)*(0))*((x-0)*(x-2)/(-1))^2"
            "+4*(1-2*(x-2)*(1.5))*((x-0)*(x-1)/(2))^2+0*(x-0)*((x-1)*(x-2)/(2))^2"
            "+2*(x-1)*((x-0)*(x-2)/(-1))^2+4*(x-2)*((x-0)*(x-1)/(2))^2    \r\n"
            "\r\n"
            "此为一般情形的埃尔米特插值，即指所满足的插值条件中，函数值的个数与导数值的个数相等。\r\n"
            "\r\n"
            "函数式 F(x) 在  x=3 的近似值为：\r\n"
            " H(3)=9\r\n");
  EXPECT_EQ(run.plot.kind, 1);

  // The reply is taken as typed: blanks are a reply (x = 0), where the other methods
  // would take them for Cancel.
  auto blanks = RunInsertValue("cHermite", table, {"   ", "no"});
  EXPECT_NE(blanks.report.find(" H(0)=0\r\n"), std::string::npos);
  auto lagrange = RunInsertValue("cLagrangeInsert", kSquares, {"   ", "no"});
  EXPECT_EQ(lagrange.report.find("近似值"), std::string::npos);
}

// clang-format on

}  // namespace
}  // namespace tessaly
