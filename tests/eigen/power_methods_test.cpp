// Whole reports of the power method and the origin shift. The expected texts were derived
// apart from this code, with a separate model of the methods (and the first steps by hand:
// for 2 1 / 1 3 the iterates are 3 4, 10 15, 35 55, …, and the ratio 34375/9500 rounds to
// 3.618421).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/work_guard.h"
#include "eigen/eigen_test_support.h"

namespace tessaly {
namespace {

using testing::RunEigen;
using testing::TitledMessages;

const std::string kOverflowQuestion =
    "警告|迭代向量溢出，计算被迫终止，请重新选取参数或改用其他方法。\r\n结果是否还要查看？";

// A vector field holding a one-digit whole number.
std::string Field(char digit) { return std::string(23, ' ') + digit + "\r\n"; }

// Iterates 1 … last of 0 1 / 1 0 from the initial vector 1 2: they alternate between 2 1 and
// 1 2, so no ratio ever settles.
std::string SwappingIterates(int last) {
  std::string out = "\r\n\r\n接下来输出各迭代向量：\r\n";
  for (int k = 1; k <= last; ++k) {
    out += "    第 " + std::to_string(k) + " 个分量是：\r\n";
    out += k % 2 == 1 ? Field('2') + Field('1') : Field('1') + Field('2');
    out += "\r\n";
  }
  return out;
}

// Report lines are kept whole, one source line each.
// clang-format off

TEST(MatrixMi, AsksOrderPrecisionAndInitialVectorThenPrintsEveryIterate) {
  auto run = RunEigen("MatrixMi", "2 1\r\n1 3", {"2", "0.001"}, 6, "old");
  EXPECT_EQ(run.report,
            "    2    1\r\n"
            "    1    3\r\n"
            "\r\n"
            "以上是所要求解的矩阵，接下来输出矩阵的初始向量值：\r\n"
            "                       1\r\n"
            "                       1\r\n"
            "\r\n"
            "\r\n"
            "接下来输出各迭代向量：\r\n"
            "    第 1 个分量是：\r\n"
            "                       3\r\n"
            "                       4\r\n"
            "\r\n"
            "    第 2 个分量是：\r\n"
            "                      10\r\n"
            "                      15\r\n"
            "\r\n"
            "    第 3 个分量是：\r\n"
            "                      35\r\n"
            "                      55\r\n"
            "\r\n"
            "    第 4 个分量是：\r\n"
            "                     125\r\n"
            "                     200\r\n"
            "\r\n"
            "    第 5 个分量是：\r\n"
            "                     450\r\n"
            "                     725\r\n"
            "\r\n"
            "    第 6 个分量是：\r\n"
            "                    1625\r\n"
            "                    2625\r\n"
            "\r\n"
            "    第 7 个分量是：\r\n"
            "                    5875\r\n"
            "                    9500\r\n"
            "\r\n"
            "    第 8 个分量是：\r\n"
            "                   21250\r\n"
            "                   34375\r\n"
            "\r\n"
            "\r\n"
            "\r\n"
            "幂法求矩阵的主特征值是： 3.618421\r\n"
            "\r\n"
            "      特征向量是： \r\n"
            "                   21250\r\n"
            "                   34375\r\n");
  const auto& shown = run.dialogs.Shown();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].title + "|" + shown[0].text + "|" + shown[0].defaultText,
            "输入数据|输入矩阵的阶数 n：|3");
  EXPECT_EQ(shown[1].title + "|" + shown[1].text + "|" + shown[1].defaultText,
            "输入数据|输入矩阵特征值的精度值 eps：|0.0001");
  EXPECT_EQ(shown[2].title + "|" + shown[2].text + "|" + shown[2].defaultText,
            "输入数据|输入矩阵非零初始向量值：\r\n   默认为 1|1");
}

TEST(MatrixMi, OrderOneDecidesAsSoonAsTheRatioRepeats) {
  auto run = RunEigen("MatrixMi", "-2", {"1", "0.0001"});
  EXPECT_EQ(run.report,
            "    -2\r\n"
            "\r\n"
            "以上是所要求解的矩阵，接下来输出矩阵的初始向量值：\r\n"
            "                       1\r\n"
            "\r\n"
            "\r\n"
            "接下来输出各迭代向量：\r\n"
            "    第 1 个分量是：\r\n"
            "                      -2\r\n"
            "\r\n"
            "    第 2 个分量是：\r\n"
            "                       4\r\n"
            "\r\n"
            "    第 3 个分量是：\r\n"
            "                      -8\r\n"
            "\r\n"
            "\r\n"
            "\r\n"
            "幂法求矩阵的主特征值是： -2\r\n"
            "\r\n"
            "      特征向量是： \r\n"
            "                      -8\r\n");
}

TEST(MatrixMi, ComponentOneDecidesOnlyWhenComponentTwosRatioAgrees) {
  // Component 1's ratio is 1 from the start; the scan goes on with component 2 until its
  // ratio settles near 4.
  auto run = RunEigen("MatrixMi", "1 0\r\n1 4", {"2", "0.01"});
  EXPECT_EQ(run.report,
            "    1    0\r\n"
            "    1    4\r\n"
            "\r\n"
            "以上是所要求解的矩阵，接下来输出矩阵的初始向量值：\r\n"
            "                       1\r\n"
            "                       1\r\n"
            "\r\n"
            "\r\n"
            "接下来输出各迭代向量：\r\n"
            "    第 1 个分量是：\r\n"
            "                       1\r\n"
            "                       5\r\n"
            "\r\n"
            "    第 2 个分量是：\r\n"
            "                       1\r\n"
            "                      21\r\n"
            "\r\n"
            "    第 3 个分量是：\r\n"
            "                       1\r\n"
            "                      85\r\n"
            "\r\n"
            "    第 4 个分量是：\r\n"
            "                       1\r\n"
            "                     341\r\n"
            "\r\n"
            "    第 5 个分量是：\r\n"
            "                       1\r\n"
            "                    1365\r\n"
            "\r\n"
            "\r\n"
            "\r\n"
            "幂法求矩阵的主特征值是： 4.002933\r\n"
            "\r\n"
            "      特征向量是： \r\n"
            "                       1\r\n"
            "                    1365\r\n");
}

TEST(MatrixMi, InitialValueTooLargeForADoubleKeepsOne) {
  const std::string a = "4 1 2\r\n1 3 0\r\n2 0 5";
  EXPECT_EQ(RunEigen("MatrixMi", a, {"3", "0.01", "1e400", "2", "1"}).report,
            RunEigen("MatrixMi", a, {"3", "0.01", "1", "2", "1"}).report);
}

TEST(MatrixMi, ZeroInitialValueIsRefusedAndEndsTheAsking) {
  auto run = RunEigen("MatrixMi", "4 1 2\r\n1 3 0\r\n2 0 5", {"3", "0.01", "2", "0", "7"});
  EXPECT_EQ(TitledMessages(run.dialogs),
            std::vector<std::string>{"输入值错误|矩阵初始向量值不能是零,系统建议你采用默认值。"});
  EXPECT_EQ(run.dialogs.AnswersLeft(), 1u);  // no third question
  EXPECT_EQ(run.report,
            "    4    1    2\r\n"
            "    1    3    0\r\n"
            "    2    0    5\r\n"
            "\r\n"
            "以上是所要求解的矩阵，接下来输出矩阵的初始向量值：\r\n"
            "                       2\r\n"
            "                       1\r\n"
            "                       1\r\n"
            "\r\n"
            "\r\n"
            "接下来输出各迭代向量：\r\n"
            "    第 1 个分量是：\r\n"
            "                      11\r\n"
            "                       5\r\n"
            "                       9\r\n"
            "\r\n"
            "    第 2 个分量是：\r\n"
            "                      67\r\n"
            "                      26\r\n"
            "                      67\r\n"
            "\r\n"
            "    第 3 个分量是：\r\n"
            "                     428\r\n"
            "                     145\r\n"
            "                     469\r\n"
            "\r\n"
            "    第 4 个分量是：\r\n"
            "                    2795\r\n"
            "                     863\r\n"
            "                    3201\r\n"
            "\r\n"
            "    第 5 个分量是：\r\n"
            "                   18445\r\n"
            "                    5384\r\n"
            "                   21595\r\n"
            "\r\n"
            "    第 6 个分量是：\r\n"
            "                  122354\r\n"
            "                   34597\r\n"
            "                  144865\r\n"
            "\r\n"
            "    第 7 个分量是：\r\n"
            "                  813743\r\n"
            "                  226145\r\n"
            "                  969033\r\n"
            "\r\n"
            "    第 8 个分量是：\r\n"
            "                 5419183\r\n"
            "                 1492178\r\n"
            "                 6472651\r\n"
            "\r\n"
            "\r\n"
            "\r\n"
            "幂法求矩阵的主特征值是： 6.679495\r\n"
            "\r\n"
            "      特征向量是： \r\n"
            "                 5419183\r\n"
            "                 1492178\r\n"
            "                 6472651\r\n");
}

TEST(MatrixMi, RatiosAreComparedAfterRoundingToTheDigits) {
  // With 2 digits and eps = 1E-09 the test passes only once two rounded ratios are equal.
  auto run = RunEigen("MatrixMi", "2 1\r\n1 3", {"2", "1E-09"}, 2);
  EXPECT_EQ(run.report,
            "    2    1\r\n"
            "    1    3\r\n"
            "\r\n"
            "以上是所要求解的矩阵，接下来输出矩阵的初始向量值：\r\n"
            "                       1\r\n"
            "                       1\r\n"
            "\r\n"
            "\r\n"
            "接下来输出各迭代向量：\r\n"
            "    第 1 个分量是：\r\n"
            "                       3\r\n"
            "                       4\r\n"
            "\r\n"
            "    第 2 个分量是：\r\n"
            "                      10\r\n"
            "                      15\r\n"
            "\r\n"
            "    第 3 个分量是：\r\n"
            "                      35\r\n"
            "                      55\r\n"
            "\r\n"
            "    第 4 个分量是：\r\n"
            "                     125\r\n"
            "                     200\r\n"
            "\r\n"
            "    第 5 个分量是：\r\n"
            "                     450\r\n"
            "                     725\r\n"
            "\r\n"
            "    第 6 个分量是：\r\n"
            "                    1625\r\n"
            "                    2625\r\n"
            "\r\n"
            "\r\n"
            "\r\n"
            "幂法求矩阵的主特征值是： 3.62\r\n"
            "\r\n"
            "      特征向量是： \r\n"
            "                    1625\r\n"
            "                    2625\r\n");
}

// clang-format on

TEST(MatrixMi, EndsSilentlyOnEmptyAnswersAndRefusesOrdersTooLargeToIterate) {
  for (auto answers : std::vector<std::vector<std::string>>{{""}, {"0"}, {"-2"}, {"2", " "}}) {
    auto run = RunEigen("MatrixMi", "2 1\r\n1 3", answers, 6, "old");
    EXPECT_EQ(run.report, "old");
    EXPECT_TRUE(run.dialogs.Messages().empty());
  }
  // 1000 iterates of order 127 are too much work; the refusal comes before the precision.
  auto run = RunEigen("MatrixMi", "1", {"127", "0.1"}, 6, "old");
  EXPECT_EQ(run.report, "old");
  EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{std::string(kOrderTooSlowMessage)});
  EXPECT_EQ(run.dialogs.AnswersLeft(), 1u);
  run = RunEigen("MatrixCircleMove", "1", {"127", ""}, 6, "old");
  EXPECT_TRUE(run.dialogs.Messages().empty());  // 201 iterates of order 127 are not
}

TEST(MatrixMi, StopsAfterIterate1000WithAWarningThatCanKeepTheReport) {
  const std::string head =
      "    0    1\r\n    1    0\r\n"
      "\r\n以上是所要求解的矩阵，接下来输出矩阵的初始向量值：\r\n" +
      Field('1') + Field('2');
  auto run = RunEigen("MatrixMi", "0 1\r\n1 0", {"2", "0.0001", "1", "2", "yes"});
  EXPECT_EQ(run.report, head + SwappingIterates(1000));
  EXPECT_EQ(TitledMessages(run.dialogs),
            std::vector<std::string>{"警告|迭代1000次仍未达到精度要求，计算被迫终止，"
                                     "请重新选取精度或改用其他方法。\r\n结果是否还要查看？"});
  EXPECT_EQ(run.dialogs.Shown().back().icon, MsgIcon::Exclamation);

  // Yes is the default: without an answer the report stays; No clears the pane.
  run = RunEigen("MatrixMi", "0 1\r\n1 0", {"2", "0.0001", "1", "2"}, 6, "old");
  EXPECT_EQ(run.report, head + SwappingIterates(1000));
  EXPECT_EQ(run.dialogs.Shown().back().reply, "Yes");
  run = RunEigen("MatrixMi", "0 1\r\n1 0", {"2", "0.0001", "1", "2", "no"}, 6, "old");
  EXPECT_EQ(run.report, "");
}

// clang-format off

TEST(MatrixMi, StopsWhenAnIterateOverflows) {
  // Iterates 1E+150 and 1E+300 are printed; the third power overflows.
  auto run = RunEigen("MatrixMi", "1E+150", {"1", "0.0001", "", "yes"});
  EXPECT_EQ(TitledMessages(run.dialogs), std::vector<std::string>{kOverflowQuestion});
  EXPECT_EQ(run.report,
            "    1E+150\r\n"
            "\r\n"
            "以上是所要求解的矩阵，接下来输出矩阵的初始向量值：\r\n"
            "                       1\r\n"
            "\r\n"
            "\r\n"
            "接下来输出各迭代向量：\r\n"
            "    第 1 个分量是：\r\n"
            "                  1E+150\r\n"
            "\r\n"
            "    第 2 个分量是：\r\n"
            "                  1E+300\r\n"
            "\r\n");
  // A precision of 0 is never met: 10^k grows until it overflows after iterate 308.
  run = RunEigen("MatrixMi", "10", {"1", "0", "", "yes"});
  EXPECT_EQ(TitledMessages(run.dialogs), std::vector<std::string>{kOverflowQuestion});
  EXPECT_NE(run.report.find("    第 308 个分量是：\r\n                  1E+308\r\n\r\n"),
            std::string::npos);
  EXPECT_EQ(run.report.find("第 309 个"), std::string::npos);
}

TEST(MatrixCircleMove, PrintsTheShiftedMatrixAndTheEigenvectorAfterBothEigenvalues) {
  auto run = RunEigen("MatrixCircleMove", "2 1\r\n1 3", {"2", "0.0001", "1"});
  EXPECT_EQ(run.report,
            "    2    1\r\n"
            "    1    3\r\n"
            "\r\n"
            "以上是所要求解的矩阵，接下来输出原矩阵平移1后的新矩阵值：\r\n"
            "    1    1\r\n"
            "    1    2\r\n"
            "\r\n"
            "接下来输出矩阵的初始向量值：\r\n"
            "                       1\r\n"
            "                       1\r\n"
            "\r\n"
            "\r\n"
            "接下来输出各迭代向量：\r\n"
            "    第 1 个分量是：\r\n"
            "                       2\r\n"
            "                       3\r\n"
            "\r\n"
            "    第 2 个分量是：\r\n"
            "                       5\r\n"
            "                       8\r\n"
            "\r\n"
            "    第 3 个分量是：\r\n"
            "                      13\r\n"
            "                      21\r\n"
            "\r\n"
            "    第 4 个分量是：\r\n"
            "                      34\r\n"
            "                      55\r\n"
            "\r\n"
            "    第 5 个分量是：\r\n"
            "                      89\r\n"
            "                     144\r\n"
            "\r\n"
            "    第 6 个分量是：\r\n"
            "                     233\r\n"
            "                     377\r\n"
            "\r\n"
            "    第 7 个分量是：\r\n"
            "                     610\r\n"
            "                     987\r\n"
            "\r\n"
            "\r\n"
            "\r\n"
            "新矩阵的特征值是： 2.618026\r\n"
            "\r\n"
            "      特征向量是： \r\n"
            "                     610\r\n"
            "                     987\r\n"
            "\r\n"
            "\r\n"
            "原点平移求原始矩阵的特征值是： 3.618026\r\n"
            "\r\n"
            "      特征向量是： \r\n"
            "                     610\r\n"
            "                     987\r\n");
  const ShownBox& shift = run.dialogs.Shown()[2];
  EXPECT_EQ(shift.title + "|" + shift.text + "|" + shift.defaultText,
            "输入参数|适当选取参数 P 可加快迭代收敛速度。\r\n输入 P 的值：|");
}

// clang-format on

TEST(MatrixCircleMove, AsksAfterIterate201AndClearsThePaneOnNo) {
  const std::string head =
      "    0    1\r\n    1    0\r\n"
      "\r\n以上是所要求解的矩阵，接下来输出原矩阵平移0后的新矩阵值：\r\n"
      "    0    1\r\n    1    0\r\n"
      "\r\n接下来输出矩阵的初始向量值：\r\n" +
      Field('1') + Field('2');
  auto run = RunEigen("MatrixCircleMove", "0 1\r\n1 0", {"2", "0.0001", "0", "1", "2", "yes"});
  EXPECT_EQ(run.report, head + SwappingIterates(201));
  EXPECT_EQ(TitledMessages(run.dialogs),
            std::vector<std::string>{"警告|参数选取不当，计算被迫终止，请重新选取。\r\n"
                                     "结果是否还要查看？"});
  EXPECT_EQ(run.dialogs.Shown().back().buttons, MsgButtons::YesNo);

  run = RunEigen("MatrixCircleMove", "0 1\r\n1 0", {"2", "0.0001", "0", "1", "2", "no"}, 6, "old");
  EXPECT_EQ(run.report, "");

  // An empty shift ends the command before anything is written.
  run = RunEigen("MatrixCircleMove", "0 1\r\n1 0", {"2", "0.0001", ""}, 6, "old");
  EXPECT_EQ(run.report, "old");
}

}  // namespace
}  // namespace tessaly
