#include "linear/elimination.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "common/work_guard.h"
#include "common/method_registry.h"
#include "common/number_text.h"
#include "linear/elimination_test_support.h"

namespace tessaly {
namespace {

using testing::RunMethod;

const std::string kSystemPrompt = "输入方程组系数矩阵的阶数 n：";
const std::string kZeroPivot = "消元过程中出现零主元，以上求得的解不可信！";

// The last box shown is the zero-pivot warning: OK button, warning icon, the application's
// title.
void ExpectZeroPivotWarningLast(const ScriptedDialogs& dialogs) {
  ASSERT_FALSE(dialogs.Shown().empty());
  const ShownBox& box = dialogs.Shown().back();
  EXPECT_EQ(box.kind, ShownBox::Kind::Message);
  EXPECT_EQ(box.text, kZeroPivot);
  EXPECT_EQ(box.buttons, MsgButtons::Ok);
  EXPECT_EQ(box.icon, MsgIcon::Exclamation);
  EXPECT_EQ(box.title, "Tessaly v1.0");
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{kZeroPivot});
}

TEST(Gauss_1, ReportsEchoEliminatedMatrixAndSolution) {
  auto run = RunMethod(Gauss_1, "2 1 3\r\n4 3 7", {"2"});
  EXPECT_EQ(run.report,
            "  2  1  3\r\n  4  3  7\r\n"
            "\r\n输出方程组增广矩阵消元后的结果\r\n"
            "  2  1  3\r\n  0  1  1\r\n"
            "\r\n输出求解结果\r\n"
            "x(1)=1\r\nx(2)=1\r\n"
            "\r\nGauss消去法解线性方程组");
  ASSERT_EQ(run.dialogs.Shown().size(), 1u);
  const ShownBox& box = run.dialogs.Shown()[0];
  EXPECT_EQ(box.text, "输入矩阵的阶数 n：");
  EXPECT_EQ(box.title, "输入数据");
  EXPECT_EQ(box.defaultText, "3");
}

TEST(Gauss_1, StoresEntriesWithOneMoreDecimalThanItPrints) {
  // With d = 2 the entries are kept to 3 decimals: -0.333 and 3.667 give x(2) = -11.012
  // and x(1) = 8.008, not the exact 8 and -11.
  auto run = RunMethod(Gauss_1, "9 6 6\r\n8 5 9", {"2"}, 2);
  EXPECT_EQ(run.report,
            "  9  6  6\r\n  8  5  9\r\n"
            "\r\n输出方程组增广矩阵消元后的结果\r\n"
            "  9  6  6\r\n  0  -0.33  3.67\r\n"
            "\r\n输出求解结果\r\n"
            "x(1)=8.01\r\nx(2)=-11.01\r\n"
            "\r\nGauss消去法解线性方程组");
}

TEST(Gauss_1, ZeroPivotsKeepTheReportAndWarnAfterIt) {
  // The first pivot is 0: the multiplier stays 0, the rows stay, x(1) keeps 0. The report
  // is written as always; the warning follows it.
  auto run = RunMethod(Gauss_1, "0 1 1\r\n1 1 2", {"2"});
  EXPECT_EQ(run.report,
            "  0  1  1\r\n  1  1  2\r\n"
            "\r\n输出方程组增广矩阵消元后的结果\r\n"
            "  0  1  1\r\n  1  1  2\r\n"
            "\r\n输出求解结果\r\n"
            "x(1)=0\r\nx(2)=2\r\n"
            "\r\nGauss消去法解线性方程组");
  ExpectZeroPivotWarningLast(run.dialogs);

  // The second pivot is 0: the failed division keeps the multiplier 1 of the row before,
  // so the third row still changes to 0 1 -1 0; x(2) keeps 0.
  run = RunMethod(Gauss_1, "1 1 1 3\r\n2 2 3 7\r\n1 2 1 4", {"3"});
  EXPECT_EQ(run.report,
            "  1  1  1  3\r\n  2  2  3  7\r\n  1  2  1  4\r\n"
            "\r\n输出方程组增广矩阵消元后的结果\r\n"
            "  1  1  1  3\r\n  0  0  1  1\r\n  0  1  -1  0\r\n"
            "\r\n输出求解结果\r\n"
            "x(1)=3\r\nx(2)=0\r\nx(3)=0\r\n"
            "\r\nGauss消去法解线性方程组");
  ExpectZeroPivotWarningLast(run.dialogs);
}

TEST(Gauss_1, OrderAnswers) {
  const std::string before = "old report";
  // Cancel, an empty answer, 0 and a negative order end silently without touching the
  // result pane (an order beyond 16 bits is refused as too large: see the bad-input table).
  for (const char* answer : {"", "0", "-3", "abc", "-40000", "0.4"}) {
    auto run = RunMethod(Gauss_1, "1 2", {answer}, 6, before);
    EXPECT_EQ(run.report, before) << answer;
    EXPECT_TRUE(run.dialogs.Messages().empty()) << answer;
  }
  // The leading number is read and rounded with halves to even: 2.5 is 2, " 1abc" is 1.
  EXPECT_EQ(RunMethod(Gauss_1, "2 1 3\r\n4 3 7", {"2.5"}).report,
            RunMethod(Gauss_1, "2 1 3\r\n4 3 7", {"2"}).report);
  EXPECT_EQ(RunMethod(Gauss_1, "4 2", {" 1abc"}).report,
            "  4  2\r\n\r\n输出方程组增广矩阵消元后的结果\r\n  4  2\r\n"
            "\r\n输出求解结果\r\nx(1)=0.5\r\n\r\nGauss消去法解线性方程组");
}

TEST(GaussTier, PivotsOnTheLargestEntryOfTheColumn) {
  auto run = RunMethod(GaussTier, "0 1 1\r\n1 1 2", {"2"});
  EXPECT_EQ(run.report,
            "  0  1  1\r\n  1  1  2\r\n"
            "\r\n输出方程组增广矩阵选主元、消元后的结果\r\n"
            "  1  1  2\r\n  0  1  1\r\n"
            "\r\n输出求解结果\r\n"
            "x(1)=1\r\nx(2)=1\r\n"
            "\r\nGauss列主元消去法解线性方程组");
  ASSERT_EQ(run.dialogs.Shown().size(), 1u);
  EXPECT_EQ(run.dialogs.Shown()[0].text, kSystemPrompt);
  EXPECT_EQ(run.dialogs.Shown()[0].title, "Tessaly v1.0");
  EXPECT_EQ(run.dialogs.Shown()[0].defaultText, "");

  // |2| = |-2|: the first row stays the pivot row.
  run = RunMethod(GaussTier, "2 1 3\r\n-2 1 -1", {"2"});
  EXPECT_EQ(run.report,
            "  2  1  3\r\n  -2  1  -1\r\n"
            "\r\n输出方程组增广矩阵选主元、消元后的结果\r\n"
            "  2  1  3\r\n  0  2  2\r\n"
            "\r\n输出求解结果\r\n"
            "x(1)=1\r\nx(2)=1\r\n"
            "\r\nGauss列主元消去法解线性方程组");

  // A later step pivots too: in step 2, 4.5 beats 0.5.
  run = RunMethod(GaussTier, "4 1 1 6\r\n2 1 3 6\r\n2 5 1 8", {"3"});
  EXPECT_EQ(run.report,
            "  4  1  1  6\r\n  2  1  3  6\r\n  2  5  1  8\r\n"
            "\r\n输出方程组增广矩阵选主元、消元后的结果\r\n"
            "  4  1  1  6\r\n  0  4.5  0.5  5\r\n  0  0  2.444444  2.444444\r\n"
            "\r\n输出求解结果\r\n"
            "x(1)=1\r\nx(2)=1\r\nx(3)=1\r\n"
            "\r\nGauss列主元消去法解线性方程组");
}

TEST(GaussTier, SingularSystemWarnsAfterTheReport) {
  // After the pivot 2 the second row is all zeros: x(2) = 0 / 0 fails in the back
  // substitution and keeps 0.
  auto run = RunMethod(GaussTier, "1 2 3\r\n2 4 6", {"2"});
  EXPECT_EQ(run.report,
            "  1  2  3\r\n  2  4  6\r\n"
            "\r\n输出方程组增广矩阵选主元、消元后的结果\r\n"
            "  2  4  6\r\n  0  0  0\r\n"
            "\r\n输出求解结果\r\n"
            "x(1)=3\r\nx(2)=0\r\n"
            "\r\nGauss列主元消去法解线性方程组");
  ExpectZeroPivotWarningLast(run.dialogs);
}

TEST(GaussTier, ClearsTheResultPaneBeforeAsking) {
  auto run = RunMethod(GaussTier, "1 2", {}, 6, "old report");
  EXPECT_EQ(run.report, "");
  EXPECT_EQ(run.dialogs.Shown().size(), 1u);
}

TEST(GaussFull, PivotsOnTheLargestEntryAndListsUnknownsInPivotOrder) {
  // The largest entry 4 stands at (2, 2): rows and columns 1 and 2 are exchanged and the
  // solution lines read x(2)= before x(1)=.
  auto run = RunMethod(GaussFull, "1 2 5\r\n3 4 11", {"2"});
  EXPECT_EQ(run.report,
            "  1  2  5\r\n  3  4  11\r\n"
            "\r\n输出方程组增广矩阵选主元、消元后的结果\r\n"
            "  4  3  11\r\n  0  -0.5  -0.5\r\n"
            "\r\n输出求解结果：\r\n"
            "x(2)=2\r\nx(1)=1\r\n"
            "\r\nGauss全主元消去法解线性方程组\r\n");

  run = RunMethod(GaussFull, "0 1 1\r\n1 1 2", {"2"});
  EXPECT_EQ(run.report,
            "  0  1  1\r\n  1  1  2\r\n"
            "\r\n输出方程组增广矩阵选主元、消元后的结果\r\n"
            "  1  0  1\r\n  0  1  1\r\n"
            "\r\n输出求解结果：\r\n"
            "x(2)=1\r\nx(1)=1\r\n"
            "\r\nGauss全主元消去法解线性方程组\r\n");

  // In step 2 the largest entry of the trailing block, 2.5, stands in its second column:
  // the columns 2 and 3 of B are exchanged over all rows, the finished first row included,
  // and the unknowns come out in the order 1, 3, 2.
  run = RunMethod(GaussFull, "4 1 2 12\r\n1 1 3 12\r\n1 2 1 8", {"3"});
  EXPECT_EQ(run.report,
            "  4  1  2  12\r\n  1  1  3  12\r\n  1  2  1  8\r\n"
            "\r\n输出方程组增广矩阵选主元、消元后的结果\r\n"
            "  4  2  1  12\r\n  0  2.5  0.75  9\r\n  0  0  1.6  3.2\r\n"
            "\r\n输出求解结果：\r\n"
            "x(1)=1\r\nx(3)=3\r\nx(2)=2\r\n"
            "\r\nGauss全主元消去法解线性方程组\r\n");

  // n = 1: no elimination step.
  run = RunMethod(GaussFull, "4 2", {"1"});
  EXPECT_EQ(run.report,
            "  4  2\r\n"
            "\r\n输出方程组增广矩阵选主元、消元后的结果\r\n"
            "  4  2\r\n"
            "\r\n输出求解结果：\r\n"
            "x(1)=0.5\r\n"
            "\r\nGauss全主元消去法解线性方程组\r\n");
}

TEST(GaussFull, SingularSystemWarnsAfterTheReport) {
  // A block of rank 1: after the first step the trailing block is all zeros, so the
  // second step divides by a zero pivot, and so does the back substitution.
  auto run = RunMethod(GaussFull, "1 2 3 4\r\n2 4 6 8\r\n3 6 9 12", {"3"});
  EXPECT_EQ(run.report,
            "  1  2  3  4\r\n  2  4  6  8\r\n  3  6  9  12\r\n"
            "\r\n输出方程组增广矩阵选主元、消元后的结果\r\n"
            "  9  6  3  12\r\n  0  0  0  0\r\n  0  0  0  0\r\n"
            "\r\n输出求解结果：\r\n"
            "x(3)=1.333333\r\nx(2)=0\r\nx(1)=0\r\n"
            "\r\nGauss全主元消去法解线性方程组\r\n");
  ExpectZeroPivotWarningLast(run.dialogs);
}

TEST(GaussFull, CancelLeavesTheResultPane) {
  auto run = RunMethod(GaussFull, "1 2", {}, 6, "old report");
  EXPECT_EQ(run.report, "old report");
  ASSERT_EQ(run.dialogs.Shown().size(), 1u);
  EXPECT_EQ(run.dialogs.Shown()[0].text, kSystemPrompt);
  EXPECT_EQ(run.dialogs.Shown()[0].title, "Tessaly v1.0");
}

// Reads the "x(i)=value" lines of a report into the unknowns they name.
std::vector<double> SolutionOf(const std::string& report, int n) {
  std::vector<double> x(n + 1, std::nan(""));
  size_t pos = 0;
  while ((pos = report.find("x(", pos)) != std::string::npos) {
    size_t close = report.find(")=", pos);
    int i = std::stoi(report.substr(pos + 2, close - pos - 2));
    x.at(i) = std::stod(report.substr(close + 2));
    pos = close;
  }
  return x;
}

TEST(EliminationMethods, SolveSystemsWithSmallResiduals) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> entry(-10, 10);
  for (int n : {1, 3, 8, 15}) {
    // A random dense system and a diagonally dominant one (safe without pivoting).
    for (bool dominant : {false, true}) {
      std::vector<std::vector<double>> a(n, std::vector<double>(n + 1));
      std::string text;
      for (int i = 0; i < n; ++i) {
        for (int j = 0; j <= n; ++j) {
          a[i][j] = std::round(entry(rng) * 100) / 100;
          if (dominant && i == j) a[i][j] += 20 * n * (a[i][j] < 0 ? -1 : 1);
          text += PlainNumberText(a[i][j]) + (j < n ? " " : "\r\n");
        }
      }
      for (auto method : {Gauss_1, GaussTier, GaussFull}) {
        if (method == Gauss_1 && !dominant) continue;
        auto run = RunMethod(method, text, {std::to_string(n)}, 12);
        std::vector<double> x = SolutionOf(run.report, n);
        double worst = 0;
        for (int i = 0; i < n; ++i) {
          double r = -a[i][n];
          for (int j = 0; j < n; ++j) r += a[i][j] * x[j + 1];
          worst = std::max(worst, std::fabs(r));
        }
        EXPECT_LT(worst, 1e-6) << "n=" << n << " dominant=" << dominant;
      }
    }
  }
}

TEST(EliminationMethods, OrdersTooLargeEndWithAMessage) {
  // 32767 needs gigabytes; 5000 fits in memory but would eliminate for minutes.
  const std::vector<std::pair<std::string, std::string_view>> cases = {
      {"32767", kOrderTooLargeMessage}, {"5000", kOrderTooSlowMessage}};
  for (const auto& [order, message] : cases) {
    for (auto method : {Gauss_1, GaussTier, GaussFull, A_range, A_matrix}) {
      auto run = RunMethod(method, "1 2\r\n3 4", {order}, 6, "old report");
      EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{std::string(message)}) << order;
      // GaussTier clears the pane before its question; the others leave it untouched.
      EXPECT_EQ(run.report, method == GaussTier ? "" : "old report");
    }
  }
}

TEST(EliminationMethods, AreRegisteredInMenuOrder) {
  const MethodRegistry& registry = AllMethods();
  std::vector<std::string> linear, eigen;
  for (const MethodEntry& e : registry.Entries()) {
    if (e.window == "LinearFrm") linear.push_back(e.item + " " + e.caption);
    if (e.window == "MatrixCValueCVector") eigen.push_back(e.item + " " + e.caption);
  }
  const std::vector<std::string> expected = {"Gauss_1 Gauss消去法", "GaussTier Gauss列主元消去法",
                                             "GaussFull Gauss全主元消去法",
                                             "A_matrix 列主元求逆矩阵", "A_range 列主元求行列式"};
  ASSERT_GE(linear.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(linear.begin(), linear.begin() + 5), expected);
  EXPECT_NE(std::find(eigen.begin(), eigen.end(), "A_matrix 列主元求逆矩阵"), eigen.end());
  EXPECT_NE(std::find(eigen.begin(), eigen.end(), "A_range 列主元求行列式"), eigen.end());

  // The registered entry runs the method with the window's digits.
  const MethodEntry* entry = registry.Find("MatrixCValueCVector.A_range");
  ASSERT_NE(entry, nullptr);
  ScriptedDialogs dialogs({"2"});
  ResultPane pane;
  MethodContext ctx{"1 2\r\n3 4", pane, dialogs, 3};
  entry->run(ctx);
  EXPECT_NE(pane.Text().find("  0  0.6667\r\n"), std::string::npos) << pane.Text();
}

}  // namespace
}  // namespace tessaly
