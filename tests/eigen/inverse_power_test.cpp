// Whole reports of the inverse power method. The expected texts were derived apart from this
// code, with a separate model of the method, and the first steps by hand (for 2 1 / 1 3:
// L = 1 0 / 0.5 1, U = 2 1 / 0 2.5, and from 1 -1 the first solve gives 0.8 -0.6).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "eigen/eigen_test_support.h"

namespace tessaly {
namespace {

using testing::RunEigen;
using testing::TitledMessages;

// Vector fields on one line.
std::string Fields(std::initializer_list<const char*> values) {
  std::string out;
  for (std::string v : values) out += std::string(24 - v.size(), ' ') + v;
  return out;
}

// Report lines are kept whole, one source line each.
// clang-format off

TEST(MatrixFanMi, DiagonalTwoFourGivesTwo) {
  auto run = RunEigen("MatrixFanMi", "2 0\r\n0 4", {"2", "0.0001"}, 6, "old");
  EXPECT_EQ(run.report,
            "    2    0\r\n"
            "    0    4\r\n"
            "\r\n"
            "以上是原始矩阵，接下来输出三角分解后的下三角矩阵L(n)\r\n"
            "    1    0\r\n"
            "    0    1\r\n"
            "\r\n"
            "输出矩阵三角分解后的上三角矩阵U(n)\r\n"
            "     2     0\r\n"
            "\r\n"
            "     0     4\r\n"
            "\r\n"
            "\r\n"
            "初始向量是：                       1                       1\r\n"
            "\r\n"
            "第 1 次归一化向量是：                       1                     0.5\r\n"
            "    近似特征值：2\r\n"
            "    本次未归一化向量是：\r\n"
            "                     0.5                    0.25\r\n"
            "\r\n"
            "第 2 次归一化向量是：                       1                    0.25\r\n"
            "    近似特征值：2\r\n"
            "    本次未归一化向量是：\r\n"
            "                     0.5                   0.125\r\n"
            "\r\n"
            "\r\n"
            "反幂法求矩阵 按模最小的特征值是： 2\r\n"
            "\r\n"
            "      对应的特征向量是： \r\n"
            "                       1\r\n"
            "                    0.25\r\n");
  const auto& shown = run.dialogs.Shown();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[1].text + "|" + shown[1].defaultText, "输入矩阵特征值的精度值 eps：|0.0001");
  EXPECT_EQ(shown[2].text, "输入矩阵非零初始向量值：\r\n   默认为 1");
}

TEST(MatrixFanMi, ShowsLWithItsUnitDiagonalAndUWithAnEmptyLineAfterEachRow) {
  auto run = RunEigen("MatrixFanMi", "2 1\r\n1 3", {"2", "0.001", "1", "-1"}, 4);
  EXPECT_EQ(run.report,
            "    2    1\r\n"
            "    1    3\r\n"
            "\r\n"
            "以上是原始矩阵，接下来输出三角分解后的下三角矩阵L(n)\r\n"
            "    1    0\r\n"
            "    0.5    1\r\n"
            "\r\n"
            "输出矩阵三角分解后的上三角矩阵U(n)\r\n"
            "     2     1\r\n"
            "\r\n"
            "     0     2.5\r\n"
            "\r\n"
            "\r\n"
            "初始向量是：                       1                      -1\r\n"
            "\r\n"
            "第 1 次归一化向量是：                       1                   -0.75\r\n"
            "    近似特征值：1.25\r\n"
            "    本次未归一化向量是：\r\n"
            "                     0.8                    -0.6\r\n"
            "\r\n"
            "第 2 次归一化向量是：                       1                 -0.6667\r\n"
            "    近似特征值：1.33333333333333\r\n"
            "    本次未归一化向量是：\r\n"
            "                    0.75                    -0.5\r\n"
            "\r\n"
            "第 3 次归一化向量是：                       1                 -0.6364\r\n"
            "    近似特征值：1.363698349925\r\n"
            "    本次未归一化向量是：\r\n"
            "                  0.7333                 -0.4667\r\n"
            "\r\n"
            "第 4 次归一化向量是：                       1                 -0.6251\r\n"
            "    近似特征值：1.37494843943352\r\n"
            "    本次未归一化向量是：\r\n"
            "                  0.7273                 -0.4546\r\n"
            "\r\n"
            "第 5 次归一化向量是：                       1                 -0.6207\r\n"
            "    近似特征值：1.37931034482759\r\n"
            "    本次未归一化向量是：\r\n"
            "                   0.725                   -0.45\r\n"
            "\r\n"
            "第 6 次归一化向量是：                       1                  -0.619\r\n"
            "    近似特征值：1.38083402375035\r\n"
            "    本次未归一化向量是：\r\n"
            "                  0.7242                 -0.4483\r\n"
            "\r\n"
            "\r\n"
            "反幂法求矩阵 按模最小的特征值是： 1.38083402375035\r\n"
            "\r\n"
            "      对应的特征向量是： \r\n"
            "                       1\r\n"
            "                  -0.619\r\n");
}

TEST(MatrixFanMi, ThreeByThreeFactorsSubtractTheSumsOfTheEarlierColumns) {
  // A = L·U with L = 1 0 0 / 2 1 0 / 1 3 1 and U = 2 1 1 / 0 1 2 / 0 0 3: L(3, 2) is
  // (4 - 1·1) / 1, the first factor whose sum is not empty.
  auto run = RunEigen("MatrixFanMi", "2 1 1\r\n4 3 4\r\n2 4 10", {"3", "0.0001", "1", "1", "1"});
  EXPECT_NE(run.report.find("下三角矩阵L(n)\r\n"
                            "    1    0    0\r\n    2    1    0\r\n    1    3    1\r\n\r\n"
                            "输出矩阵三角分解后的上三角矩阵U(n)\r\n"
                            "     2     1     1\r\n\r\n     0     1     2\r\n\r\n"
                            "     0     0     3\r\n\r\n"),
            std::string::npos);
}

TEST(MatrixFanMi, ZeroLastPivotStopsAtTheFirstSolveKeepingTheReport) {
  // Every solve would stop on the same pivot: one message, and the command ends.
  auto run = RunEigen("MatrixFanMi", "1 2\r\n2 4", {"2", "0.0001"});
  EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{"此方法不合适！"});
  EXPECT_EQ(run.report,
            "    1    2\r\n"
            "    2    4\r\n"
            "\r\n"
            "以上是原始矩阵，接下来输出三角分解后的下三角矩阵L(n)\r\n"
            "    1    0\r\n"
            "    2    1\r\n"
            "\r\n"
            "输出矩阵三角分解后的上三角矩阵U(n)\r\n"
            "     1     2\r\n"
            "\r\n"
            "     0     0\r\n"
            "\r\n"
            "\r\n"
            "初始向量是：                       1                       1\r\n");
}

TEST(MatrixFanMi, ZeroNormalisingFactorStopsWithAWarning) {
  // The solve gives -1 and 1E-07, which rounds to 0: the largest component is 0.
  auto run = RunEigen("MatrixFanMi", "-1 0\r\n0 1E+07", {"2", "0.0001", "", "yes"});
  EXPECT_EQ(TitledMessages(run.dialogs),
            std::vector<std::string>{"警告|归一化因子为零，近似特征值无法计算，计算被迫终止，"
                                     "请重新选取初始向量。\r\n结果是否还要查看？"});
  EXPECT_EQ(run.report,
            "    -1    0\r\n"
            "    0    10000000\r\n"
            "\r\n"
            "以上是原始矩阵，接下来输出三角分解后的下三角矩阵L(n)\r\n"
            "    1    0\r\n"
            "    0    1\r\n"
            "\r\n"
            "输出矩阵三角分解后的上三角矩阵U(n)\r\n"
            "     -1     0\r\n"
            "\r\n"
            "     0     10000000\r\n"
            "\r\n"
            "\r\n"
            "初始向量是：                       1                       1\r\n");
}

// clang-format on

TEST(MatrixFanMi, ZeroPivotInTheFactorisationEndsBeforeTheInitialVector) {
  auto run = RunEigen("MatrixFanMi", "0 1\r\n1 0", {"2", "0.0001", "5"}, 6, "old");
  EXPECT_EQ(run.report, "old");
  EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{"此方法不合适!"});
  EXPECT_EQ(run.dialogs.AnswersLeft(), 1u);
}

TEST(MatrixFanMi, StopsAfterStep1000WhenTheFactorNeverSettles) {
  // Eigenvalues 1 and -1 share the smallest modulus: from 1 2 the factor runs 1, 2, 0.5, 2,
  // 0.5, … for ever.
  auto run = RunEigen("MatrixFanMi", "1 0\r\n0 -1", {"2", "0.0001", "1", "2", "yes"});
  std::string expected =
      "    1    0\r\n    0    -1\r\n"
      "\r\n以上是原始矩阵，接下来输出三角分解后的下三角矩阵L(n)\r\n"
      "    1    0\r\n    0    1\r\n"
      "\r\n输出矩阵三角分解后的上三角矩阵U(n)\r\n"
      "     1     0\r\n\r\n     0     -1\r\n\r\n"
      "\r\n初始向量是：" +
      Fields({"1", "2"}) + "\r\n";
  auto step = [&](int k, std::string u, const char* eigenvalue, std::string x) {
    expected += "\r\n第 " + std::to_string(k) + " 次归一化向量是：" + u + "\r\n    近似特征值：" +
                eigenvalue + "\r\n    本次未归一化向量是：\r\n" + x + "\r\n";
  };
  step(1, Fields({"1", "-2"}), "1", Fields({"1", "-2"}));
  for (int k = 2; k <= 1000; ++k) {
    if (k % 2 == 0)
      step(k, Fields({"0.5", "1"}), "0.5", Fields({"1", "2"}));
    else
      step(k, Fields({"1", "-2"}), "2", Fields({"0.5", "-1"}));
  }
  EXPECT_EQ(run.report, expected);
  EXPECT_EQ(TitledMessages(run.dialogs),
            std::vector<std::string>{"警告|迭代1000次仍未达到精度要求，计算被迫终止，"
                                     "请重新选取精度或改用其他方法。\r\n结果是否还要查看？"});

  // A precision of 0 is never met either; No clears the pane.
  run = RunEigen("MatrixFanMi", "2 0\r\n0 4", {"2", "0", "", "no"}, 6, "old");
  EXPECT_EQ(run.report, "");
  EXPECT_EQ(run.dialogs.Messages().size(), 1u);
}

}  // namespace
}  // namespace tessaly
