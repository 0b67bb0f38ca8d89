#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/work_guard.h"
#include "common/method_registry.h"
#include "expr/formula.h"
#include "linear/elimination.h"
#include "linear/elimination_test_support.h"
#include "linear/factorisation.h"

namespace tessaly {
namespace {

using testing::RunMethod;

TEST(VectorModel, ReadsOnlyTheFirstLine) {
  auto run = RunMethod(VectorModel, "  1 -2   3 \r\n4 5", {}, 6, "old");
  EXPECT_EQ(run.report,
            "    1    -2    3\r\n"
            "以上是所要求解的向量，接下来输出向量的范数\r\n"
            "\r\n向量的1范数为： 6"
            "\r\n向量的2范数为： 3.741657"
            "\r\n向量的无穷范数为： 3\r\n");
  EXPECT_TRUE(run.dialogs.Shown().empty());

  // The infinity norm by modulus; the 2-norm with the window's digits.
  run = RunMethod(VectorModel, "-5 1 2", {}, 3);
  EXPECT_NE(run.report.find("1范数为： 8\r\n"), std::string::npos);
  EXPECT_NE(run.report.find("2范数为： 5.477\r\n"), std::string::npos);
  EXPECT_NE(run.report.find("无穷范数为： 5\r\n"), std::string::npos);
}

TEST(VectorModel, EntriesAreSeparatedByBlanksOnly) {
  std::string oneEntry = "1,2";
  const double value = EvaluateConstantText(oneEntry);
  Vector v = ReadVectorText("1,2");
  ASSERT_EQ(v.Size(), 1);
  EXPECT_EQ(v(1), value);

  v = ReadVectorText("\r\n\r\n\t1/2 \tsqr(4)#7\r\n9");  // leading line breaks are skipped
  ASSERT_EQ(v.Size(), 2);
  EXPECT_EQ(v(1), 0.5);
  EXPECT_EQ(v(2), 2);

  // No entry on the first line: the pane is cleared and nothing is written.
  auto run = RunMethod(VectorModel, "   ", {}, 6, "old");
  EXPECT_EQ(run.report, "");
}

TEST(MatrixModel, ReportsTheFourNorms) {
  auto run = RunMethod(MatrixModel, "1 0\r\n0 1", {"2"}, 6, "old");
  EXPECT_EQ(run.report,
            "    1    0\r\n    0    1\r\n"
            "\r\n以上是所要求解的矩阵，接下来输出矩阵的范数\r\n\r\n"
            "矩阵的1范数为： 1\r\n\r\n"
            "矩阵的2范数为(参考值)： 1\r\n\r\n"
            "矩阵的F范数为： 1.414214\r\n\r\n"
            "矩阵的无穷范数为： 1\r\n\r\n");
  ASSERT_EQ(run.dialogs.Shown().size(), 1u);
  EXPECT_EQ(run.dialogs.Shown()[0].text, "输入数组的阶数 n：");
  EXPECT_EQ(run.dialogs.Shown()[0].title, "输入数据");

  // The rank-one matrix u·vᵀ with |u| = |v| = 3 has the 2-norm 9; its column sums are
  // 10, 5, 10 and its row sums 5, 10, 10. A right-hand column is read and ignored.
  run = RunMethod(MatrixModel, "2 1 2 99\r\n4 2 4 99\r\n4 2 4 99", {"3"});
  EXPECT_EQ(run.report,
            "    2    1    2\r\n    4    2    4\r\n    4    2    4\r\n"
            "\r\n以上是所要求解的矩阵，接下来输出矩阵的范数\r\n\r\n"
            "矩阵的1范数为： 10\r\n\r\n"
            "矩阵的2范数为(参考值)： 9\r\n\r\n"
            "矩阵的F范数为： 9\r\n\r\n"
            "矩阵的无穷范数为： 10\r\n\r\n");

  // [[3, 0], [4, 5]]: AᵀA has the eigenvalues 45 and 5.
  run = RunMethod(MatrixModel, "3 0\r\n4 5", {"2"}, 4);
  EXPECT_NE(run.report.find("矩阵的2范数为(参考值)： 6.7082\r\n"), std::string::npos);
  EXPECT_NE(run.report.find("矩阵的F范数为： 7.0711\r\n"), std::string::npos);

  run = RunMethod(MatrixModel, "1 0", {""}, 6, "old");
  EXPECT_EQ(run.report, "old");
}

TEST(MatrixModel, DominantComponentIsKeptInSinglePrecision) {
  Vector y(4);
  y(1) = 1.21, y(2) = -3.3, y(3) = 3.3, y(4) = 2;
  // The first of two equal moduli wins, with its sign, rounded to single precision.
  EXPECT_EQ(MaxModulusComponent(y, 4), static_cast<double>(static_cast<float>(-3.3)));
  EXPECT_NE(MaxModulusComponent(y, 4), -3.3);
  EXPECT_EQ(MaxModulusComponent(y, 1), static_cast<double>(1.21f));
  // Beyond the single-precision range the value is kept rather than lost.
  y(2) = -1e300;
  EXPECT_EQ(MaxModulusComponent(y, 4), -1e300);
}

TEST(CMatrixJudge, StopsAtTheFirstMinorThatIsNotPositive) {
  auto run = RunMethod(CMatrixJudge, "1 2 0\r\n2 4 1\r\n0 1 5", {"3"}, 6, "old");
  EXPECT_EQ(run.report,
            "  1  2  0\r\n  2  4  1\r\n  0  1  5\r\n"
            "\r\n以上是该矩阵的各元素\r\n下面输出各阶顺序主子式的值：\r\n"
            "  1 阶顺序主子式的值为： 1\r\n"
            "  2 阶顺序主子式的值为： 0\r\n"
            "\r\n第 2 阶顺序主子式的值不大于 0 ，该矩阵非正定。\r\n");
  ASSERT_EQ(run.dialogs.Shown().size(), 1u);
  EXPECT_EQ(run.dialogs.Shown()[0].text, "输入矩阵的阶数 n：");
  EXPECT_EQ(run.dialogs.Shown()[0].title, "Tessaly v1.0");

  run = RunMethod(CMatrixJudge, "2 1\r\n1 2", {"2"});
  EXPECT_EQ(run.report,
            "  2  1\r\n  1  2\r\n"
            "\r\n以上是该矩阵的各元素\r\n下面输出各阶顺序主子式的值：\r\n"
            "  1 阶顺序主子式的值为： 2\r\n"
            "  2 阶顺序主子式的值为： 3\r\n"
            "\r\n该矩阵各阶顺序主子式的值全大于 0 ，是正定矩阵。\r\n");

  run = RunMethod(CMatrixJudge, "-1", {"1"});
  EXPECT_NE(run.report.find("第 1 阶顺序主子式的值不大于 0 ，该矩阵非正定。"), std::string::npos);
}

TEST(CMatrixJudge, EachWindowRoundsWithItsOwnDigits) {
  const MethodEntry* eigen = AllMethods().Find("MatrixCValueCVector.CMatrixJudge");
  ASSERT_NE(eigen, nullptr);
  auto run = RunMethod(eigen->run, "1/3", {"1"}, 2);
  EXPECT_EQ(run.report,
            "  0.333333333333333\r\n"
            "\r\n以上是该矩阵的各元素\r\n下面输出各阶顺序主子式的值：\r\n"
            "  1 阶顺序主子式的值为： 0.33\r\n"
            "\r\n该矩阵各阶顺序主子式的值全大于 0 ，是正定矩阵。\r\n");
  run = RunMethod(CMatrixJudge, "1/3", {"1"}, 4);
  EXPECT_NE(run.report.find("的值为： 0.3333\r\n"), std::string::npos);
}

TEST(StrictMatrixJudge, EqualityDoesNotPass) {
  auto run = RunMethod(StrictMatrixJudge, "4 1 1\r\n1 -2 1\r\n1 1 4", {"3"}, 6, "old");
  EXPECT_EQ(run.report,
            "  4  1  1\r\n  1  -2  1\r\n  1  1  4\r\n"
            "\r\n以上是该矩阵的元素\r\n下面输出各行的判断结果：\r\n"
            "第 2 行对角元素的绝对值不严格大于同行的其他元素的绝对值之和\r\n"
            "\r\n因此该矩阵不是严格对角占优矩阵。\r\n");

  run = RunMethod(StrictMatrixJudge, "4 -1 1\r\n1 -3 1\r\n1 1 4", {"3"});
  EXPECT_EQ(run.report,
            "  4  -1  1\r\n  1  -3  1\r\n  1  1  4\r\n"
            "\r\n以上是该矩阵的元素\r\n下面输出各行的判断结果：\r\n"
            "该矩阵每一行对角元素的绝对值都严格大于同行的其他元素的绝对值之和\r\n"
            "\r\n因此该矩阵是严格对角占优矩阵。\r\n"
            "\r\n同时该矩阵也为非奇异矩阵。");

  // Moduli whose sum overflows are not dominated by any diagonal entry.
  run = RunMethod(StrictMatrixJudge,
                  "1.7E+308 1E+308 1E+308 0\r\n1E+308 1E+308 1.7E+308 0\r\n0 0 1 0", {"3"});
  EXPECT_NE(run.report.find("第 1 行对角元素"), std::string::npos);

  run = RunMethod(StrictMatrixJudge, "1", {"0"}, 6, "old");
  EXPECT_EQ(run.report, "old");
}

TEST(MatrixTests, OrdersTooLargeForMemoryOrTimeChangeNothing) {
  for (auto method : {MatrixModel, CMatrixJudge, StrictMatrixJudge}) {
    auto run = RunMethod(method, "1 2", {"20000"}, 6, "old");
    EXPECT_EQ(run.report, "old");
    EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{std::string(kOrderTooLargeMessage)});
  }
  // 1000 fits in memory, but 30·n power steps of n² each, or n⁴/12 steps for the minors,
  // would hold the window for minutes.
  for (auto method : {MatrixModel, CMatrixJudge}) {
    auto run = RunMethod(method, "1 2", {"1000"}, 6, "old");
    EXPECT_EQ(run.report, "old");
    EXPECT_EQ(run.dialogs.Messages(),
              std::vector<std::string>{std::string(kOrderTooSlowMessage)});
  }
}

}  // namespace
}  // namespace tessaly
