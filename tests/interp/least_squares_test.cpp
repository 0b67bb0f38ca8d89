// Least-squares curve fitting: whole reports for small tables (the power sums and the
// coefficients worked out by hand), the degree box with its rounding and the too-high
// question, the fits that cannot be computed, and the coefficients of a larger fit against
// an independent solve.
#include <gtest/gtest.h>

#include <cmath>

#include "expr/formula.h"
#include "interp/interp_test_support.h"

namespace tessaly {
namespace {

using testing::Echo;
using testing::Row;
using testing::RunInsertValue;

const std::string kTooHigh = "拟合曲线曲线次数太高，而所给的散点值太少，是否增加散点数？";

// clang-format off

TEST(CMinRideCurve, StraightLineThroughFourPoints) {
  // (0,1), (1,3), (2,5), (3,7): s = 4, 6, 14 and the right-hand sides 16, 34 give 1 + 2x.
  auto run = RunInsertValue("CMinRideCurve", "0 1 2 3\r\n1 3 5 7", {"1", "yes"});
  EXPECT_EQ(run.report, Echo({Row({"0", "1", "2", "3"}), Row({"1", "3", "5", "7"})}) +
            "\r\n"
            "法方程组的各系数为：\r\n"
            "   4   6\r\n"
            "   6   14\r\n"
            "法方程组的右端项为：\r\n"
            "   16\r\n"
            "   34\r\n"
            "拟合曲线为\r\n"
            " y= 1+2*x^1");
  ASSERT_EQ(run.shown.size(), 2u);
  EXPECT_EQ(run.shown[0].text, "你希望拟合曲线为几次多项式：");
  EXPECT_EQ(run.shown[0].title, "输入数值");
  EXPECT_EQ(run.shown[0].defaultText, "2");
  EXPECT_EQ(run.shown[1].title, "画图询问");
  // The plot gets the formula normalised, over the first to the last node.
  EXPECT_EQ(run.plot.kind, 1);
  EXPECT_EQ(run.plot.formula, NormalizeFormula(" 1+2*x^1"));
  EXPECT_EQ(run.plot.xMin, 0);
  EXPECT_EQ(run.plot.xMax, 3);
}

TEST(CMinRideCurve, DegreeAtMostTwoBelowThePoints) {
  // Three points and the default degree 2: the question, and Yes moves the focus to the
  // input pane; nothing is printed after the table.
  const std::string table = "0 1 2\r\n1 2 4";
  const std::string echo = Echo({Row({"0", "1", "2"}), Row({"1", "2", "4"})}) + "\r\n";
  auto yes = RunInsertValue("CMinRideCurve", table, {"2", "yes"});
  EXPECT_EQ(yes.report, echo);
  ASSERT_EQ(yes.shown.size(), 2u);
  EXPECT_EQ(yes.shown[1].text, kTooHigh);
  EXPECT_EQ(yes.shown[1].title, "数据缺少或拟合曲线次数太高");
  EXPECT_EQ(yes.shown[1].buttons, MsgButtons::YesNo);
  EXPECT_EQ(yes.shown[1].icon, MsgIcon::Question);
  EXPECT_EQ(yes.focusRequests, 1);
  auto no = RunInsertValue("CMinRideCurve", table, {"2", "no"});
  EXPECT_EQ(no.report, echo);
  EXPECT_EQ(no.focusRequests, 0);
  EXPECT_EQ(no.shown.size(), 2u);

  // Degree 1 is accepted.
  auto line = RunInsertValue("CMinRideCurve", table, {"1", "no"});
  EXPECT_EQ(line.report, echo +
            "法方程组的各系数为：\r\n"
            "   3   3\r\n"
            "   3   5\r\n"
            "法方程组的右端项为：\r\n"
            "   7\r\n"
            "   10\r\n"
            "拟合曲线为\r\n"
            " y= 0.833333333333333+1.5*x^1");
}

TEST(CMinRideCurve, HalfDegreesGoToTheEvenNeighbour) {
  // 2.5 is taken as 2 (3 would be too high for four points): x^2 exactly.
  auto half = RunInsertValue("CMinRideCurve", "0 1 2 3\r\n0 1 4 9", {"2.5", "no"});
  EXPECT_EQ(half.report, Echo({Row({"0", "1", "2", "3"}), Row({"0", "1", "4", "9"})}) +
            "\r\n"
            "法方程组的各系数为：\r\n"
            "   4   6   14\r\n"
            "   6   14   36\r\n"
            "   14   36   98\r\n"
            "法方程组的右端项为：\r\n"
            "   14\r\n"
            "   36\r\n"
            "   98\r\n"
            "拟合曲线为\r\n"
            " y= 0+0*x^1+1*x^2");
  // 3.5 is taken as 4, too high for five points.
  auto up = RunInsertValue("CMinRideCurve", "0 1 2 3 4\r\n0 1 4 9 16", {"3.5", "no"});
  EXPECT_EQ(up.messages, std::vector<std::string>{kTooHigh});
  // A degree beyond the 16-bit integers is too high, as 32767 is, not a fit of degree 0.
  auto outside = RunInsertValue("CMinRideCurve", "0 1 2 3\r\n0 1 4 9", {"40000", "no"});
  EXPECT_EQ(outside.messages, std::vector<std::string>{kTooHigh});
}

TEST(CMinRideCurve, PlotRangeFromTheFirstToTheLastNodeAsTyped) {
  auto run = RunInsertValue("CMinRideCurve", "1 0 3 2\r\n2 1 4 3", {"1", "yes"});
  EXPECT_EQ(run.report, Echo({Row({"1", "0", "3", "2"}), Row({"2", "1", "4", "3"})}) +
            "\r\n"
            "法方程组的各系数为：\r\n"
            "   4   6\r\n"
            "   6   14\r\n"
            "法方程组的右端项为：\r\n"
            "   10\r\n"
            "   20\r\n"
            "拟合曲线为\r\n"
            " y= 1+1*x^1");
  EXPECT_EQ(run.plot.xMin, 1);
  EXPECT_EQ(run.plot.xMax, 2);
}

TEST(CMinRideCurve, FitsThatCannotBeComputedSaySo) {
  // A negative degree.
  auto negative = RunInsertValue("CMinRideCurve", "0 1 2 3\r\n1 3 5 7", {"-1", "yes"});
  EXPECT_EQ(negative.messages, std::vector<std::string>{"拟合曲线的次数不能为负数，请重新输入！"});
  EXPECT_EQ(negative.report.find("法方程组"), std::string::npos);

  // All x equal: the normal equations are printed, then why there is no curve; no plot.
  auto equal = RunInsertValue("CMinRideCurve", "2 2 2\r\n1 2 3", {"1", "yes"});
  EXPECT_EQ(equal.report, Echo({Row({"2", "2", "2"}), Row({"1", "2", "3"})}) +
            "\r\n"
            "法方程组的各系数为：\r\n"
            "   3   6\r\n"
            "   6   12\r\n"
            "法方程组的右端项为：\r\n"
            "   6\r\n"
            "   12\r\n"
            "法方程组的系数矩阵奇异，无法求出拟合曲线。请增加互不相同的节点x，或降低拟合曲线的次数。");
  EXPECT_EQ(equal.shown.size(), 1u);
  // All x equal still have a mean: degree 0.
  auto mean = RunInsertValue("CMinRideCurve", "2 2 2\r\n1 2 3", {"0", "no"});
  EXPECT_NE(mean.report.find("拟合曲线为\r\n y= 2"), std::string::npos);

  // Power sums that overflow: each overflowing term is skipped (Σx² keeps 0), and the
  // report says why no curve follows.
  auto huge = RunInsertValue("CMinRideCurve", "1e200 2e200 3e200\r\n1 2 3", {"1", "yes"});
  EXPECT_EQ(huge.report, Echo({Row({"1E+200", "2E+200", "3E+200"}), Row({"1", "2", "3"})}) +
            "\r\n"
            "法方程组的各系数为：\r\n"
            "   3   6E+200\r\n"
            "   6E+200   0\r\n"
            "法方程组的右端项为：\r\n"
            "   6\r\n"
            "   1.4E+201\r\n"
            "法方程组的系数计算溢出，无法求出拟合曲线。");
  EXPECT_EQ(huge.plotRequests, 0);

  // A degree whose report and factorisation would take minutes is refused before anything
  // is computed.
  std::string xs, ys;
  for (int i = 0; i < 1200; ++i) xs += std::to_string(i) + " ", ys += "1 ";
  auto big = RunInsertValue("CMinRideCurve", xs + "\r\n" + ys, {"1190", "yes"});
  EXPECT_EQ(big.messages,
            std::vector<std::string>{"矩阵的阶数太大，计算时间过长，无法计算！请输入较小的阶数。"});
  EXPECT_EQ(big.report.find("法方程组"), std::string::npos);
}

// clang-format on

// The least-squares polynomial of degree p by Gaussian elimination with partial pivoting on
// the normal equations, in long double.
std::vector<long double> IndependentFit(const std::vector<double>& x, const std::vector<double>& y,
                                        int p) {
  const int k = p + 1;
  std::vector<std::vector<long double>> a(k, std::vector<long double>(k + 1, 0));
  for (size_t n = 0; n < x.size(); ++n) {
    std::vector<long double> powers(2 * k, 1);
    for (int e = 1; e < 2 * k; ++e) powers[e] = powers[e - 1] * x[n];
    for (int i = 0; i < k; ++i) {
      for (int j = 0; j < k; ++j) a[i][j] += powers[i + j];
      a[i][k] += y[n] * powers[i];
    }
  }
  for (int c = 0; c < k; ++c) {
    int best = c;
    for (int r = c + 1; r < k; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[best][c])) best = r;
    std::swap(a[c], a[best]);
    for (int r = c + 1; r < k; ++r) {
      const long double f = a[r][c] / a[c][c];
      for (int j = c; j <= k; ++j) a[r][j] -= f * a[c][j];
    }
  }
  std::vector<long double> coef(k);
  for (int i = k - 1; i >= 0; --i) {
    long double v = a[i][k];
    for (int j = i + 1; j < k; ++j) v -= a[i][j] * coef[j];
    coef[i] = v / a[i][i];
  }
  return coef;
}

TEST(CMinRideCurve, CoefficientsAgreeWithAnIndependentSolve) {
  const std::vector<double> x = {-1.5, -0.8, 0, 0.4, 1.1, 1.7, 2.2, 3};
  const std::vector<double> y = {2.1, 0.3, -0.4, 0.2, 1.6, 1.1, 2.9, 4.5};
  const std::string table = "-1.5 -0.8 0 0.4 1.1 1.7 2.2 3\r\n2.1 0.3 -0.4 0.2 1.6 1.1 2.9 4.5";
  for (int p : {2, 3, 5}) {
    SCOPED_TRACE(p);
    auto run = RunInsertValue("CMinRideCurve", table, {std::to_string(p), "yes"});
    const std::vector<long double> coef = IndependentFit(x, y, p);
    ASSERT_EQ(run.plot.kind, 1);
    const Formula fitted(run.plot.formula);
    for (double at : {-1.5, -0.3, 0.9, 2.5, 3.0}) {
      long double expected = 0;
      for (int e = p; e >= 0; --e) expected = expected * at + coef[e];
      EXPECT_NEAR(fitted.Evaluate(at), static_cast<double>(expected), 1e-9) << "at " << at;
    }
    // The printed curve is the one plotted.
    const size_t start = run.report.find(" y=") + 3;
    EXPECT_EQ(NormalizeFormula(run.report.substr(start)), run.plot.formula);
  }
}

}  // namespace
}  // namespace tessaly
