#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "common/work_guard.h"
#include "common/scripted_dialogs.h"
#include "linear/elimination_test_support.h"
#include "linear/factorisation.h"
#include "linear/solution_check.h"

namespace tessaly {
namespace {

using testing::DominantSystem;
using testing::PrintedSolution;
using testing::ReferenceSolve;
using testing::Rows;
using testing::RunMethod;
using testing::SystemText;

const std::string kPrecisionWarning = "精度设置不好，确实要这样设置，将会导致结果运算误差太大。";

// A lower triangular system with the solution (1, 1): Jacobi needs three sweeps from 0,
// Gauss-Seidel two (its second sweep changes nothing).
const std::string kLower = "1 0 1\r\n1 1 2";

TEST(Iterations, ReportSweepsAndSolutionAfterTheTypedSystem) {
  auto run = RunMethod(JacobiDie, kLower, {"1E-05", "2", "0", "0"}, 6, "old");
  EXPECT_EQ(run.report,
            "  1  0  1\r\n  1  1  2\r\n"
            "\r\n迭代3次 ， 求得方程组的解为：\r\n"
            "x(1)=1\r\nx(2)=1\r\n"
            "\r\nJacobi迭代法解线性方程组");

  run = RunMethod(Gauss_SeidelDie, kLower, {"1E-05", "2", "0", "0"});
  EXPECT_EQ(run.report,
            "  1  0  1\r\n  1  1  2\r\n"
            "\r\n迭代2次 ， 求得方程组的解为：\r\n"
            "x(1)=1\r\nx(2)=1\r\n"
            "\r\nGauss-Seidel迭代法解线性方程组");

  // w = -1 and an empty reply both run as Gauss-Seidel and print w=1.
  for (const char* w : {"-1", ""}) {
    run = RunMethod(SorDie, kLower, {"1E-05", "2", "0", "0", w});
    EXPECT_EQ(run.report,
              "  1  0  1\r\n  1  1  2\r\n"
              "\r\n松弛因子 w=1"
              "\r\n迭代2次 ， 求得方程组的解为：\r\n"
              "x(1)=1\r\nx(2)=1\r\n"
              "\r\n逐次超松弛(SOR)迭代法解线性方程组")
        << "w reply '" << w << "'";
  }

  // The solution is rounded to the window's digits.
  run = RunMethod(JacobiDie, "3 0 1\r\n0 3 2", {"1E-05", "2", "0", "0"}, 4);
  EXPECT_NE(run.report.find("x(1)=0.3333\r\nx(2)=0.6667\r\n"), std::string::npos) << run.report;
}

TEST(Iterations, AskPrecisionOrderStartValuesAndWInThisOrder) {
  auto run = RunMethod(SorDie, kLower, {"1E-05", "2", "0", "0", "1.5"});
  const auto& shown = run.dialogs.Shown();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].text, "输入迭代精度 e：");
  EXPECT_EQ(shown[0].title, "确定迭代精度");
  EXPECT_EQ(shown[0].defaultText, "1E-05");
  EXPECT_EQ(shown[1].text, "输入数组的阶数 n：");
  EXPECT_EQ(shown[1].title, "输入数据");
  EXPECT_EQ(shown[1].defaultText, "0");
  EXPECT_EQ(shown[2].text, "请给出解x0(1)的初始值:");
  EXPECT_EQ(shown[3].text, "请给出解x0(2)的初始值:");
  EXPECT_EQ(shown[3].title, "输入初始值");
  EXPECT_EQ(shown[3].defaultText, "0");
  EXPECT_EQ(shown[4].text,
            "当0<w<1 时，称为低松弛迭代法(SUR法)\r\n当w>1 时，称为高松弛迭代法(SOR法)\r\n"
            "当w=1 时，即为高斯—塞德耳迭代法");
  EXPECT_EQ(shown[4].title, "输入松弛因子 w ,默认w=1。");
  EXPECT_EQ(shown[4].defaultText, "1");
  EXPECT_NE(run.report.find("\r\n松弛因子 w=1.5\r\n迭代"), std::string::npos);

  // A reply too large for a double fails to read: the start value keeps 0, w keeps 1.
  EXPECT_EQ(RunMethod(SorDie, kLower, {"1E-05", "2", "1e400", "0", "-1e400"}).report,
            RunMethod(SorDie, kLower, {"1E-05", "2", "0", "0", "1"}).report);

  // An order below 1 ends after the two questions, with the pane cleared.
  run = RunMethod(JacobiDie, kLower, {"1E-05", "0"}, 6, "old");
  EXPECT_EQ(run.report, "");
  EXPECT_EQ(run.dialogs.Shown().size(), 2u);
}

TEST(Iterations, CoarsePrecisionIsQuestionedUntilYes) {
  auto run = RunMethod(JacobiDie, kLower, {"0.2", "no", "no", "yes", "2", "0", "0"});
  std::vector<std::string> questions;
  for (const auto& box : run.dialogs.Shown()) {
    if (box.kind != ShownBox::Kind::Message) continue;
    EXPECT_EQ(box.text, kPrecisionWarning);
    EXPECT_EQ(box.title, "精度设置提示");
    EXPECT_EQ(box.buttons, MsgButtons::YesNo);
    EXPECT_EQ(box.icon, MsgIcon::Question);
    questions.push_back(box.reply);
  }
  EXPECT_EQ(questions, (std::vector<std::string>{"No", "No", "Yes"}));
  EXPECT_NE(run.report.find("求得方程组的解为："), std::string::npos);

  run = RunMethod(JacobiDie, kLower, {"0.1", "2", "0", "0"});
  EXPECT_TRUE(run.dialogs.Messages().empty());  // 0.1 itself is fine

  // A script that runs out of answers inside the loop stops instead of spinning.
  EXPECT_THROW(RunMethod(Gauss_SeidelDie, kLower, {"0.5"}), ScriptError);
}

TEST(Iterations, ConvergenceComparesTheChangeByModulus) {
  // From far above the solution the first change is -9: not converged yet.
  auto run =
      RunMethod(JacobiDie, "2 0 0 2\r\n0 4 0 4\r\n0 0 5 5", {"1E-05", "3", "10", "10", "10"});
  EXPECT_NE(run.report.find("\r\n迭代2次 ， "), std::string::npos) << run.report;

  // Cancel at the precision prompt gives e = 0: only an unchanged sweep converges, which
  // takes more sweeps than the default precision.
  auto sweeps = [](const std::string& report) {
    size_t at = report.find("迭代");
    return at == std::string::npos ? -1 : std::atoi(report.c_str() + at + 6);
  };
  const std::string system = "4 1 5\r\n1 4 5";
  auto coarse = RunMethod(JacobiDie, system, {"1E-05", "2", "0", "0"});
  auto exact = RunMethod(JacobiDie, system, {"", "2", "0", "0"});
  EXPECT_GT(sweeps(coarse.report), 1);
  EXPECT_GT(sweeps(exact.report), sweeps(coarse.report));
  EXPECT_NE(exact.report.find("x(1)=1\r\nx(2)=1\r\n"), std::string::npos);
}

TEST(Iterations, ZeroDiagonalAndDivergenceShowTheirMessagesAndNoReport) {
  struct Case {
    void (*method)(MethodContext&);
    const char* zeroDiagonal;
    const char* sweepLimit;
  };
  const Case cases[] = {
      {JacobiDie, "此方法不合适,请选择其他方法!",
       "本方法不适合解此线形方程组，请用其他方法再试一下!"},
      {Gauss_SeidelDie, "此方法不合适,请选择其他方！",
       "本方法不适合解此线形方程组，请用其他方法再试一下！"},
      {SorDie, "此方法不合适,请选择其他方法！",
       "本方法不适合解此线形方程组，请用其他方法再试一下！"},
  };
  for (const Case& c : cases) {
    auto run = RunMethod(c.method, "0 1 1\r\n1 1 2", {"1E-05", "2", "0", "0", "1"}, 6, "old");
    EXPECT_EQ(run.report, "");
    EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{c.zeroDiagonal});

    // Growing by 2 (Jacobi) or 4 (the others) per sweep: the limit comes first for
    // Jacobi, overflow first for the others; both end with the sweep-limit message.
    run = RunMethod(c.method, "1 2 3\r\n2 1 3", {"1E-05", "2", "0", "0", "1"});
    EXPECT_EQ(run.report, "");
    EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{c.sweepLimit});

    // Overflowing iterates are not taken for a settled solution.
    run = RunMethod(c.method, "1 1000 3\r\n1000 1 3", {"1E-05", "2", "0", "0", "1"});
    EXPECT_EQ(run.report, "");
    EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{c.sweepLimit});
  }
}

TEST(Iterations, AgreeWithAnIndependentSolve) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 5; ++trial) {
    const int n = 6;
    Rows system = DominantSystem(n, rng);
    const std::vector<double> ref = ReferenceSolve(system);
    std::vector<std::string> answers = {"1E-13", "6"};
    for (int i = 0; i < n; ++i) answers.push_back("0");
    for (auto method : {JacobiDie, Gauss_SeidelDie, SorDie}) {
      std::vector<std::string> a = answers;
      a.push_back("1.1");
      std::vector<double> x = PrintedSolution(RunMethod(method, SystemText(system), a, 10).report);
      ASSERT_EQ(x.size(), ref.size());
      for (int i = 0; i < n; ++i) EXPECT_NEAR(x[i], ref[i], 1e-9 * (1 + std::fabs(ref[i])));
    }
  }
}

TEST(Iterations, OrdersTooLargeForMemoryShowTheMessage) {
  auto run = RunMethod(JacobiDie, kLower, {"1E-05", "30000"});
  EXPECT_EQ(run.dialogs.Messages(), std::vector<std::string>{std::string(kOrderTooLargeMessage)});
  EXPECT_EQ(run.dialogs.Shown().size(), 3u);  // no start values are asked
}

}  // namespace
}  // namespace tessaly
