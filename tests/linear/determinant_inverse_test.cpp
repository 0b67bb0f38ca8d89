#include <gtest/gtest.h>

#include <string>

#include "common/method_registry.h"
#include "linear/elimination.h"
#include "linear/elimination_test_support.h"
#include "linear/pivot_determinant.h"

namespace tessaly {
namespace {

using testing::RunMethod;

TEST(PivotDeterminant, RoundsToSevenDecimalsAndCountsExchanges) {
  Matrix d(2, 2);
  d(1, 1) = 1, d(1, 2) = 2, d(2, 1) = 3, d(2, 2) = 4;
  int swaps = -1;
  EXPECT_DOUBLE_EQ(PivotDeterminant(d, swaps), -2.0000001);
  EXPECT_EQ(swaps, 1);
  EXPECT_EQ(d(1, 1), 3);
  EXPECT_EQ(d(1, 2), 4);
  EXPECT_EQ(d(2, 1), 0);
  EXPECT_EQ(d(2, 2), 0.6666667);

  // A singular matrix: in step 2 the pivot is 0 and the failed division keeps the
  // multiplier 1/3 of step 1, which still changes the last entry to 0.3333333.
  Matrix s(3, 3);
  const double values[3][3] = {{1, 2, 3}, {2, 4, 5}, {3, 6, 9}};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) s(i, j) = values[i - 1][j - 1];
  EXPECT_EQ(PivotDeterminant(s, swaps), 0);
  EXPECT_EQ(swaps, 1);
  EXPECT_EQ(s(2, 3), -1);
  EXPECT_EQ(s(3, 2), 0);
  EXPECT_EQ(s(3, 3), 0.3333333);

  Matrix empty(0, 0);
  EXPECT_EQ(PivotDeterminant(empty, swaps), 1);
  EXPECT_EQ(swaps, 0);
}

TEST(A_range, ReportsTheReducedMatrixExchangesAndValue) {
  const std::string expected =
      "  1  2\r\n  3  4\r\n"
      "\r\n输出行列式选主元、消元后的结果\r\n"
      "  3  4\r\n  0  0.6666667\r\n"
      "\r\n行、列共交换 1 次\r\n"
      "\r\n行列式的值为：\r\n   -2"
      "\r\n\r\n选主元消去法的应用——求行列式的值。";
  auto run = RunMethod(A_range, "1 2\r\n3 4", {"2"});
  EXPECT_EQ(run.report, expected);
  ASSERT_EQ(run.dialogs.Shown().size(), 1u);
  EXPECT_EQ(run.dialogs.Shown()[0].text, "输入矩阵的阶数 n：");
  EXPECT_EQ(run.dialogs.Shown()[0].title, "Tessaly v1.0");
  EXPECT_EQ(run.dialogs.Shown()[0].defaultText, "");
  // A right-hand-side column is read and ignored.
  EXPECT_EQ(RunMethod(A_range, "1 2 9\r\n3 4 9", {"2"}).report, expected);

  // With 7 digits the determinant shows its rounding inside.
  EXPECT_NE(RunMethod(A_range, "1 2\r\n3 4", {"2"}, 7).report.find("   -2.0000001\r\n"),
            std::string::npos);

  EXPECT_EQ(RunMethod(A_range, "-2.5", {"1"}).report,
            "  -2.5\r\n"
            "\r\n输出行列式选主元、消元后的结果\r\n"
            "  -2.5\r\n"
            "\r\n行、列共交换 0 次\r\n"
            "\r\n行列式的值为：\r\n   -2.5"
            "\r\n\r\n选主元消去法的应用——求行列式的值。");

  // Cancel ends before the result pane is cleared.
  EXPECT_EQ(RunMethod(A_range, "1 2\r\n3 4", {}, 6, "old").report, "old");

  // 0 is the right determinant of a singular matrix: no message.
  auto singular = RunMethod(A_range, "1 2\r\n2 4", {"2"});
  EXPECT_NE(singular.report.find("\r\n行列式的值为：\r\n   0\r\n"), std::string::npos);
  EXPECT_TRUE(singular.dialogs.Messages().empty());
}

TEST(A_matrix, ReportsTheEliminatedMatrixAndTheInverse) {
  auto run = RunMethod(A_matrix, "2 1\r\n1 1", {"2"});
  EXPECT_EQ(run.report,
            "  2  1\r\n  1  1\r\n"
            "\r\n输出矩阵选主元、消元后的结果\r\n"
            "  1  0  1  -1\r\n  0  1  -1  2\r\n"
            "\r\n矩阵的逆为：\r\n"
            "  1  -1\r\n  -1  2\r\n"
            "\r\n\r\n选主元消去法的应用——求矩阵的逆。");
  EXPECT_EQ(run.dialogs.Shown().at(0).text, "输入矩阵的阶数 n：");
  EXPECT_TRUE(run.dialogs.Messages().empty());

  EXPECT_EQ(RunMethod(A_matrix, "4", {"1"}).report,
            "  4\r\n"
            "\r\n输出矩阵选主元、消元后的结果\r\n"
            "  1  0.25\r\n"
            "\r\n矩阵的逆为：\r\n"
            "  0.25\r\n"
            "\r\n\r\n选主元消去法的应用——求矩阵的逆。");

  EXPECT_EQ(RunMethod(A_matrix, "1 0 0\r\n0 1 0\r\n0 0 1", {"3"}).report,
            "  1  0  0\r\n  0  1  0\r\n  0  0  1\r\n"
            "\r\n输出矩阵选主元、消元后的结果\r\n"
            "  1  0  0  1  0  0\r\n  0  1  0  0  1  0\r\n  0  0  1  0  0  1\r\n"
            "\r\n矩阵的逆为：\r\n"
            "  1  0  0\r\n  0  1  0\r\n  0  0  1\r\n"
            "\r\n\r\n选主元消去法的应用——求矩阵的逆。");

  // 1/3 is kept to d + 1 decimals in W and printed with d in the inverse.
  EXPECT_EQ(RunMethod(A_matrix, "3", {"1"}, 2).report,
            "  3\r\n"
            "\r\n输出矩阵选主元、消元后的结果\r\n"
            "  1  0.333\r\n"
            "\r\n矩阵的逆为：\r\n"
            "  0.33\r\n"
            "\r\n\r\n选主元消去法的应用——求矩阵的逆。");
}

TEST(A_matrix, SingularMatrixKeepsWhatStandsInWAndWarns) {
  // Step 2 meets the pivot 0: the row update keeps the multiplier 0.5 of step 1, and the
  // division of the pivot row fails entry by entry, leaving the row as it was. The report
  // is written as always; a warning follows it, in both windows that have the command.
  const std::string expected =
      "  1  2\r\n  2  4\r\n"
      "\r\n输出矩阵选主元、消元后的结果\r\n"
      "  1  2  -0.5  0.75\r\n  0  0  1  -0.5\r\n"
      "\r\n矩阵的逆为：\r\n"
      "  -0.5  0.75\r\n  1  -0.5\r\n"
      "\r\n\r\n选主元消去法的应用——求矩阵的逆。";
  for (const char* window : {"LinearFrm", "MatrixCValueCVector"}) {
    const MethodEntry* entry = AllMethods().Find(window, "A_matrix");
    ASSERT_NE(entry, nullptr) << window;
    auto run = RunMethod(entry->run, "1 2\r\n2 4", {"2"});
    EXPECT_EQ(run.report, expected) << window;
    ASSERT_EQ(run.dialogs.Shown().size(), 2u) << window;
    const ShownBox& box = run.dialogs.Shown()[1];
    EXPECT_EQ(box.text, "矩阵是奇异矩阵，以上求得的逆矩阵不可信！");
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.title, "Tessaly v1.0");
  }
}

}  // namespace
}  // namespace tessaly
