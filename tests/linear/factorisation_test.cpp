#include "linear/factorisation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "common/work_guard.h"
#include "common/method_registry.h"
#include "linear/elimination_test_support.h"
#include "linear/solution_check.h"

namespace tessaly {
namespace {

using testing::DominantSystem;
using testing::PrintedSolution;
using testing::ReferenceSolve;
using testing::Rows;
using testing::RunMethod;
using testing::SystemText;

void MatrixBreakLinear(MethodContext& ctx) { MatrixBreak(ctx); }

TEST(MatrixBreak, ShowsLAndUWithDigitsAndSpacedRows) {
  auto run = RunMethod(MatrixBreakLinear, "3 1\r\n1 1", {"2"}, 3, "old");
  EXPECT_EQ(run.report,
            "    3    1\r\n    1    1\r\n"
            "\r\n以上是所要分解的矩阵，接下来输出三角分解后的下三角矩阵L(n)\r\n"
            "    1    0\r\n    0.333    1\r\n"
            "\r\n输出矩阵三角分解后的上三角矩阵U(n)\r\n"
            "     3     1\r\n\r\n     0     0.667\r\n\r\n");
  ASSERT_EQ(run.dialogs.Shown().size(), 1u);
  EXPECT_EQ(run.dialogs.Shown()[0].text, "输入矩阵的阶数 n：");
  EXPECT_EQ(run.dialogs.Shown()[0].title, "输入数据");
  EXPECT_EQ(run.dialogs.Shown()[0].defaultText, "3");

  // The pane is cleared before the order question, so Cancel leaves it empty.
  run = RunMethod(MatrixBreakLinear, "2 1\r\n4 3", {}, 6, "old");
  EXPECT_EQ(run.report, "");
}

TEST(MatrixBreak, ZeroPivotShowsEachWindowsMessageAndNoReport) {
  auto run = RunMethod(MatrixBreakLinear, "0 1\r\n1 1", {"2"}, 6, "old");
  EXPECT_EQ(run.report, "");
  EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{"此方法不合适#"});

  const MethodEntry* eigen = AllMethods().Find("MatrixCValueCVector.MatrixBreak");
  ASSERT_NE(eigen, nullptr);
  run = RunMethod(eigen->run, "0 1\r\n1 1", {"2"});
  EXPECT_EQ(run.report, "");
  EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{"此方法不合适!"});

  // U(n, n) = 0 is not the factorisation's business: the report is written.
  run = RunMethod(MatrixBreakLinear, "1 2\r\n2 4", {"2"});
  EXPECT_TRUE(run.dialogs.Messages().empty());
  EXPECT_NE(run.report.find("     0     0\r\n\r\n"), std::string::npos);
}

TEST(LU_break, PrintsFactorsAndYWithOneMoreDecimalThanX) {
  auto run = RunMethod(LU_break, "4 2 1 7\r\n2 5 3 10\r\n1 3 6 11", {"3"}, 2, "old");
  EXPECT_EQ(run.report,
            "    4    2    1    7\r\n    2    5    3    10\r\n    1    3    6    11\r\n"
            "\r\n以上是方程组的增广矩阵，接下来输出方程组的系数矩阵A、方程组的常数项向量b：\r\n"
            "    4    2    1\r\n    2    5    3\r\n    1    3    6\r\n"
            "\r\n"
            "    7    10    11"
            "\r\n输出方程组的系数矩阵LU分解后的下三角矩阵L(n)\r\n"
            "    1    0    0\r\n    0.5    1    0\r\n    0.25    0.625    1\r\n"
            "\r\n输出方程组的系数矩阵LU分解后的上三角矩阵U(n)\r\n"
            "     4     2     1\r\n\r\n     0     4     2.5\r\n\r\n     0     0     4.188\r\n\r\n"
            "\r\n输出求解LY=b后的 Y(n)\r\n"
            "y(1)=7\r\ny(2)=6.5\r\ny(3)=5.188\r\n"
            "\r\n输出求解UX=Y后的 X(n)，亦既方程组的解：\r\n"
            "x(1)=1.01\r\nx(2)=0.85\r\nx(3)=1.24\r\n"
            "\r\nLU分解法解线性方程组");
  ASSERT_EQ(run.dialogs.Shown().size(), 1u);
  EXPECT_EQ(run.dialogs.Shown()[0].text, "输入方程组系数矩阵的阶数 n：");
  EXPECT_EQ(run.dialogs.Shown()[0].title, "Tessaly v1.0");
  EXPECT_EQ(run.dialogs.Shown()[0].defaultText, "");

  run = RunMethod(LU_break, "4 2 1 7", {""}, 6, "old");  // cleared before the question
  EXPECT_EQ(run.report, "");
}

TEST(LU_break, ZeroLastPivotIsFoundInTheBackSubstitution) {
  auto run = RunMethod(LU_break, "1 2 3\r\n2 4 6", {"2"}, 6, "old");
  EXPECT_EQ(run.report, "");
  EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{"此方法不合适！"});

  run = RunMethod(LU_break, "0 1 1\r\n1 1 2", {"2"});
  EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{"此方法不合适！"});
}

TEST(TierLU, ExchangesRowsAndEchoesTheSystemAsTyped) {
  auto run = RunMethod(TierLU, "0 1 1\r\n1 1 2", {"2"});
  EXPECT_EQ(run.report,
            "    0    1    1\r\n    1    1    2\r\n"
            "\r\n以上是方程组的增广矩阵\r\n"
            "接下来输出方程组的计算后的系数矩阵A、方程组的常数项向量b：\r\n"
            "    1    1\r\n    0    1\r\n"
            "\r\n"
            "    2    1"
            "\r\n输出方程组的系数矩阵列主元三角分解后的下三角矩阵L(n)\r\n"
            "    1    0\r\n    0    1\r\n"
            "\r\n输出方程组的系数矩阵列主元三角分解后的上三角矩阵U(n)\r\n"
            "     1     1\r\n\r\n     0     1\r\n\r\n"
            "\r\n输出求解LY=b后的 Y(n)\r\n"
            "y(1)=2\r\ny(2)=1\r\n"
            "\r\n输出求解UX=Y后的 X(n)，亦既方程组的解：\r\n"
            "x(1)=1\r\nx(2)=1\r\n"
            "\r\n列主元三角分解法解线性方程组");
}

TEST(TierLU, PivotIsTheLargestCandidateBySignAndEveryBlockHasDDigits) {
  // Candidates 3 and -5: 3 stays the pivot, so no exchange happens.
  auto run = RunMethod(TierLU, "3 1 4\r\n-5 2 -3", {"2"});
  EXPECT_EQ(run.report,
            "    3    1    4\r\n    -5    2    -3\r\n"
            "\r\n以上是方程组的增广矩阵\r\n"
            "接下来输出方程组的计算后的系数矩阵A、方程组的常数项向量b：\r\n"
            "    3    1\r\n    -5    2\r\n"
            "\r\n"
            "    4    -3"
            "\r\n输出方程组的系数矩阵列主元三角分解后的下三角矩阵L(n)\r\n"
            "    1    0\r\n    -1.666667    1\r\n"
            "\r\n输出方程组的系数矩阵列主元三角分解后的上三角矩阵U(n)\r\n"
            "     3     1\r\n\r\n     0     3.666667\r\n\r\n"
            "\r\n输出求解LY=b后的 Y(n)\r\n"
            "y(1)=4\r\ny(2)=3.666667\r\n"
            "\r\n输出求解UX=Y后的 X(n)，亦既方程组的解：\r\n"
            "x(1)=1\r\nx(2)=1\r\n"
            "\r\n列主元三角分解法解线性方程组");

  EXPECT_EQ(ArgMaxIndex(Vector(0), 1, 0), 1);
  Vector s(4);
  s(1) = -7, s(2) = 3, s(3) = -9, s(4) = 3;
  EXPECT_EQ(ArgMaxIndex(s, 1, 4), 2);  // signed, and the first maximum wins
  EXPECT_EQ(ArgMaxIndex(s, 3, 4), 4);
}

TEST(TierLU, ClearsOnlyAfterAValidOrderAndTestsOnlyTheBackSubstitution) {
  auto run = RunMethod(TierLU, "1 2 3\r\n2 4 6", {}, 6, "old");
  EXPECT_EQ(run.report, "old");

  run = RunMethod(TierLU, "1 2 3\r\n2 4 6", {"2"}, 6, "old");
  EXPECT_EQ(run.report, "");
  EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{"此方法不合适!"});
}

TEST(SqrtRoot, OrderOneShowsTheRootsWithOneMoreDecimal) {
  auto run = RunMethod(SqrtRoot, "2 1", {"1"});
  EXPECT_EQ(run.report,
            "    2    1\r\n"
            "\r\n以上是方程组的增广矩阵，接下来输出方程组的系数矩阵A、方程组的常数项向量b\r\n"
            "     2\r\n"
            "\r\n"
            "     1"
            "\r\n输出方程组的系数矩阵LU分解后的下三角矩阵L(n)\r\n"
            "     1.4142136\r\n"
            "\r\n输出求解LY=b后的 Y(n)\r\n"
            "\r\ny(1)=0.7071068"
            "\r\n输出求解UX=Y后的 X，亦既方程组的解：\r\n"
            "x(1)=0.5\r\n"
            "\r\n平方根法解线性方程组。\r\n"
            "注意：本方法仅对未知数x的系数矩阵是对称正定矩阵时有效。");
  EXPECT_EQ(run.dialogs.Shown()[0].text,
            "确定方程组的系数矩阵A是对称正定的后，输入方程组系数矩阵的阶数 n：");
}

TEST(SqrtRoot, NotPositiveDefiniteEndsWithAMessageAndAnEmptyPane) {
  for (const char* text : {"1 2 3\r\n2 1 3", "0 1 1\r\n1 2 3", "1 1 1\r\n1 1 2"}) {
    auto run = RunMethod(SqrtRoot, text, {"2"}, 6, "old");
    EXPECT_EQ(run.report, "") << text;
    EXPECT_EQ(run.dialogs.Messages(),
              std::vector<std::string>{std::string(kSqrtRootNotPositiveMessage)})
        << text;
  }
  auto run = RunMethod(SqrtRoot, "4 2", {}, 6, "old");  // cleared before the question
  EXPECT_EQ(run.report, "");
}

TEST(MendSqrt, ShowsUnitLAndDiagonalOfD) {
  auto run = RunMethod(MendSqrt, "4 2 6\r\n2 5 7", {"2"});
  EXPECT_EQ(run.report,
            "    4    2    6\r\n    2    5    7\r\n"
            "\r\n以上是方程组的增广矩阵，接下来输出方程组的系数矩阵A、方程组的常数项向量b\r\n"
            "     4     2\r\n     2     5\r\n"
            "\r\n"
            "     6     7"
            "\r\n输出方程组的系数矩阵LU分解后的下三角矩阵L(n)\r\n"
            "     1     0\r\n     0.5     1\r\n"
            "接下来输出分解式A=L*D*L' 中D的主对角线元素：\r\n"
            "     4     4"
            "\r\n输出求解LY=b后的 Y(n)\r\n"
            "\r\ny(1)=6\r\ny(2)=4"
            "\r\n输出求解UX=Y后的 X，亦既方程组的解：\r\n"
            "x(1)=1\r\nx(2)=1\r\n"
            "\r\n改进的平方根法解线性方程组\r\n"
            "注意：本方法仅对未知数x的系数矩阵是对称矩阵时有效。");

  // L and D with d + 1 decimals, y with d.
  run = RunMethod(MendSqrt, "3 1 1\r\n1 3 1", {"2"}, 2);
  EXPECT_NE(run.report.find("     1     0\r\n     0.333     1\r\n"), std::string::npos);
  EXPECT_NE(run.report.find("     3     2.667\r\n"), std::string::npos);
  EXPECT_NE(run.report.find("\r\ny(2)=0.67\r\n"), std::string::npos);
}

TEST(MendSqrt, ZeroInDShowsTheMessageAndNoReport) {
  auto run = RunMethod(MendSqrt, "0 1 1\r\n1 0 1", {"2"}, 6, "old");
  EXPECT_EQ(run.report, "");
  EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{"此方法不合适#"});
  run = RunMethod(MendSqrt, "0 1", {"1"});  // found in the back substitution
  EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{"此方法不合适#"});
  run = RunMethod(MendSqrt, "0 1", {""}, 6, "old");  // not cleared before a valid order
  EXPECT_EQ(run.report, "old");
}

TEST(Purase, UsesOnlyTheThreeDiagonalsAndShowsTheOthersAsZero) {
  auto run = RunMethod(Purase, "2 1 9 3\r\n1 2 1 4\r\n9 1 2 3", {"3"});
  EXPECT_EQ(run.report,
            "    2    1    0    3\r\n    1    2    1    4\r\n    0    1    2    3\r\n"
            "\r\n以上是三对角线形方程组的增广矩阵\r\n"
            "接下来输出方程组的系数矩阵A、方程组的常数项向量D(n)\r\n"
            "     2     1     0\r\n     1     2     1\r\n     0     1     2\r\n"
            "\r\n"
            "     3     4     3"
            "\r\n输出求解LY=D后的 Y(n)"
            "\r\ny(1)=3\r\ny(2)=2.5\r\ny(3)=1.3333333"
            "\r\n\r\n输出求解UX=Y后的 X，亦既方程组的解：\r\n"
            "x(1)=1\r\nx(2)=1\r\nx(3)=1\r\n"
            "\r\n追赶法解三对角线性方程组。\r\n"
            "注意：本方法仅适合于三对角线性方程组。");

  run = RunMethod(Purase, "4 2", {"1"});
  EXPECT_NE(run.report.find("x(1)=0.5\r\n"), std::string::npos);
}

TEST(Purase, ZeroPivotEndsWithAMessageAndAnEmptyPane) {
  for (const char* text : {"0 1 1\r\n1 1 2", "1 1 1\r\n1 1 2\r\n0 1 1"}) {
    auto run = RunMethod(Purase, text, {"3"}, 6, "old");
    EXPECT_EQ(run.report, "") << text;
    EXPECT_EQ(run.dialogs.Messages(),
              std::vector<std::string>{std::string(kPuraseZeroPivotMessage)})
        << text;
  }
}

// The direct solvers against an independent solve, on random systems of order 6.
TEST(DirectSolvers, AgreeWithAnIndependentSolve) {
  std::mt19937 rng(20240611);
  auto expectClose = [](const std::string& report, const std::vector<double>& ref,
                        const char* what) {
    std::vector<double> x = PrintedSolution(report);
    ASSERT_EQ(x.size(), ref.size()) << what << "\n" << report;
    for (size_t i = 0; i < x.size(); ++i)
      EXPECT_NEAR(x[i], ref[i], 1e-9 * (1 + std::fabs(ref[i]))) << what << " x(" << i + 1 << ")";
  };
  for (int trial = 0; trial < 6; ++trial) {
    const int n = 6;
    Rows dominant = DominantSystem(n, rng);
    std::vector<double> ref = ReferenceSolve(dominant);
    expectClose(RunMethod(LU_break, SystemText(dominant), {"6"}, 12).report, ref, "LU_break");

    // Rows in another order force TierLU to exchange them back.
    Rows shuffled = dominant;
    std::shuffle(shuffled.begin(), shuffled.end(), rng);
    expectClose(RunMethod(TierLU, SystemText(shuffled), {"6"}, 12).report, ref, "TierLU");

    // A symmetric positive definite system: A = MᵀM + I.
    Rows spd(n, std::vector<double>(n + 1));
    std::uniform_int_distribution<int> entry(-5, 5);
    std::vector<std::vector<int>> m(n, std::vector<int>(n));
    for (auto& row : m)
      for (int& v : row) v = entry(rng);
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        for (int k = 0; k < n; ++k) spd[i][j] += m[k][i] * m[k][j];
        if (i == j) spd[i][j] += 1;
      }
      spd[i][n] = entry(rng);
    }
    ref = ReferenceSolve(spd);
    expectClose(RunMethod(SqrtRoot, SystemText(spd), {"6"}, 12).report, ref, "SqrtRoot");
    expectClose(RunMethod(MendSqrt, SystemText(spd), {"6"}, 12).report, ref, "MendSqrt");

    // A tridiagonal system typed with noise outside the band, which the chase ignores.
    Rows band = dominant;
    Rows typed = dominant;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        if (j < i - 1 || j > i + 1) band[i][j] = 0;
    ref = ReferenceSolve(band);
    expectClose(RunMethod(Purase, SystemText(typed), {"6"}, 12).report, ref, "Purase");
  }
}

TEST(FactorisationMethods, OrdersTooLargeForMemoryChangeNothing) {
  for (auto method : {TierLU, MendSqrt, Purase}) {
    auto run = RunMethod(method, "1 2 3", {"30000"}, 6, "old");
    EXPECT_EQ(run.report, "old");
    EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{std::string(kOrderTooLargeMessage)});
  }
}

TEST(FactorisationMethods, RegisteredInMenuOrderInBothWindows) {
  const std::string ours =
      " MatrixBreak LU_break SqrtRoot MendSqrt Purase TierLU JacobiDie Gauss_SeidelDie SorDie "
      "CMatrixJudge VectorModel MatrixModel StrictMatrixJudge ";
  auto listed = [&](const std::string& window) {
    std::string items;
    for (const auto& e : AllMethods().Entries())
      if (e.window == window && ours.find(" " + e.item + " ") != std::string::npos)
        items += e.item + " " + e.caption + "; ";
    return items;
  };
  EXPECT_EQ(listed("LinearFrm"),
            "MatrixBreak 矩阵的三角分解; LU_break LU分解法; SqrtRoot 平方根法; "
            "MendSqrt 改进的平方根法; Purase 追赶法(解三对角); TierLU 列主元三角分解法; "
            "JacobiDie 雅可比迭代法; Gauss_SeidelDie 高斯-塞德尔迭代法; "
            "SorDie 逐次超松驰迭代法; CMatrixJudge 正定矩阵判断; VectorModel 向量范数; "
            "MatrixModel 矩阵范数; StrictMatrixJudge 严格对角占优矩阵判断; ");
  EXPECT_EQ(listed("MatrixCValueCVector"),
            "MatrixBreak 矩阵的三角分解; CMatrixJudge 正定矩阵判断; VectorModel 向量范数; "
            "MatrixModel 矩阵范数; StrictMatrixJudge 严格对角占优矩阵判断; ");
}

}  // namespace
}  // namespace tessaly
