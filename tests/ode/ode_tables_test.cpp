// Whole tables and messages of the three ODE windows' buttons. The expected tables were
// computed apart from this code, by a separate model in IEEE doubles that rounds x and y to
// 15 significant digits as they enter f and applies the continue-on-error rule by hand
// (the y' = y, n = 1 and Adams n = 4 lines also by hand: 1 + 1 + 1/2 = 2.5,
// 1 + 5/3 = 2.66666666666667, 1 + 41/24 = 2.70833333333333, 1.75 + 45·0.25/24 = 2.21875).
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/form_command.h"
#include "common/scripted_dialogs.h"
#include "ode/ode.h"

namespace tessaly {
namespace {

struct OdeRun {
  std::optional<std::string> table;  // the result box's new text; none: unchanged
  std::optional<std::string> csv;    // the table as comma-separated values, if any
  std::string focus;
  std::vector<std::string> messages;
  std::vector<std::string> prompts;  // the input boxes' prompts, in order
};

// Presses the window's button with Text1..Text4 set (Text4 left at its initial 2 when not
// given) and the input boxes answered from `answers`.
OdeRun RunOde(const std::string& window, std::string f, std::string a, std::string b,
              std::optional<std::string> n, std::vector<std::string> answers) {
  const FormCommand* command = AllFormCommands().Find(window + ".Command1");
  EXPECT_NE(command, nullptr) << window;
  OdeRun run;
  if (!command) return run;
  FormFields fields(command->controls);
  fields.Set("Text1", std::move(f));
  fields.Set("Text2", std::move(a));
  fields.Set("Text3", std::move(b));
  if (n) fields.Set("Text4", *n);
  ScriptedDialogs dialogs(std::move(answers));
  AppState app;
  FormContext ctx{fields, dialogs, app};
  FormOutcome outcome = command->run(ctx);
  run.table = outcome.result;
  if (outcome.csv) run.csv = outcome.csv();
  run.focus = outcome.focus;
  run.messages = dialogs.Messages();
  for (const ShownBox& box : dialogs.Shown()) {
    if (box.kind != ShownBox::Kind::Input) continue;
    EXPECT_EQ(box.title, "输入初始数值");
    EXPECT_EQ(box.defaultText, "1");
    run.prompts.push_back(box.text);
  }
  return run;
}

// clang-format off

TEST(UsDiEuler, TablesForOneAndTwoPartsAndAfterAnOverflow) {
  // y' = y on [0, 1], y(0) = 1: one part gives 2 and 2.5.
  OdeRun one = RunOde("UsDi_Euler", " y ", "0", "1", "1", {"1"});
  EXPECT_EQ(one.prompts, std::vector<std::string>{"请输入原函数F(0)的值"});
  EXPECT_TRUE(one.messages.empty());
  EXPECT_EQ(one.table,
            "                    X(n)                欧拉公式Y(n)        Euler预估-校正公式Y(n)\r\n"
            "                       0                       1                       1\r\n"
            "                       1                       2                     2.5\r\n");
  // Two parts (the box's initial 2): three data lines at a, (a + b)/2 and b.
  EXPECT_EQ(RunOde("UsDi_Euler", "y", "0", "1", std::nullopt, {"1"}).table,
            "                    X(n)                欧拉公式Y(n)        Euler预估-校正公式Y(n)\r\n"
            "                       0                       1                       1\r\n"
            "                     0.5                     1.5                   1.625\r\n"
            "                       1                    2.25                2.640625\r\n");
  // A slope that depends on x: the corrector takes it at X(i), the others at X(i - 1).
  OdeRun sloped = RunOde("UsDi_Euler", "x*x*y", "-1", "1", "4", {"1"});
  EXPECT_EQ(sloped.prompts, std::vector<std::string>{"请输入原函数F(-1)的值"});
  EXPECT_EQ(sloped.table,
            "                    X(n)                欧拉公式Y(n)        Euler预估-校正公式Y(n)\r\n"
            "                      -1                       1                       1\r\n"
            "                    -0.5                     1.5                 1.34375\r\n"
            "                       0                  1.6875             1.427734375\r\n"
            "                     0.5                  1.6875         1.5169677734375\r\n"
            "                       1               1.8984375        2.03842544555664\r\n");
  EXPECT_EQ(sloped.csv,
            "X(n),欧拉公式Y(n),Euler预估-校正公式Y(n)\r\n"
            "-1,1,1\r\n-0.5,1.5,1.34375\r\n0,1.6875,1.427734375\r\n"
            "0.5,1.6875,1.5169677734375\r\n1,1.8984375,2.03842544555664\r\n");
  // y' = y·y from 1E+200: a step that overflows is skipped, its value stays 0, and the
  // predictor keeps its last value; the table is written all the same.
  EXPECT_EQ(RunOde("UsDi_Euler", "y*y", "0", "3", "3", {"1e200"}).table,
            "                    X(n)                欧拉公式Y(n)        Euler预估-校正公式Y(n)\r\n"
            "                       0                  1E+200                  1E+200\r\n"
            "                       1                       0                  5E+199\r\n"
            "                       2                       0                2.5E+199\r\n"
            "                       3                       0               1.25E+199\r\n");
}

TEST(UsDiRungeKutta, TablesForOneAndTwoPartsZeroPartsAndAnInfiniteSlope) {
  OdeRun one = RunOde("UsDi_RungeKutta", "y", "0", "1", "1", {"1"});
  EXPECT_EQ(one.table,
            "                    X(n)           三阶龙格-库塔公式Y(n)           四阶龙格-库塔公式Y(n)\r\n"
            "                       0                       1                       1\r\n"
            "                       1        2.66666666666667        2.70833333333333\r\n");
  // 0 in the subdivision box is held at 1.
  EXPECT_EQ(RunOde("UsDi_RungeKutta", "y", "0", "1", "0", {"1"}).table, one.table);
  EXPECT_EQ(RunOde("UsDi_RungeKutta", "x*y-x", "1", "2", "2", {"0.5"}).table,
            "                    X(n)           三阶龙格-库塔公式Y(n)           四阶龙格-库塔公式Y(n)\r\n"
            "                       1                     0.5                     0.5\r\n"
            "                     1.5      0.0690104166666667      0.0664469401041667\r\n"
            "                       2       -1.20625135633681       -1.23435835705863\r\n");
  // y' = y/x from x = 0: the first slope is infinite, so the first step's statements that
  // use it are skipped and its values stay 0.
  EXPECT_EQ(RunOde("UsDi_RungeKutta", "y/x", "0", "1", "2", {"1"}).table,
            "                    X(n)           三阶龙格-库塔公式Y(n)           四阶龙格-库塔公式Y(n)\r\n"
            "                       0                       1                       1\r\n"
            "                     0.5                       0                       0\r\n"
            "                       1                       0                       0\r\n");
}

TEST(UsDiAdams, FourStartsThenSteps) {
  // n = 4: four starting values at X(0..3), one new line for each formula.
  OdeRun four = RunOde("UsDi_Adams", "y", "0", "1", "4", {"1", "1.25", "1.5", "1.75", "unused"});
  EXPECT_EQ(four.prompts, (std::vector<std::string>{"请输入原函数F(0)的值", "请输入原函数F(0.25)的值",
                                                    "请输入原函数F(0.5)的值", "请输入原函数F(0.75)的值"}));
  EXPECT_EQ(four.table,
            "                    X(n)            阿达姆斯外插公式Y(n)            阿达姆斯内插公式Y(n)\r\n"
            "                       0                       1                       1\r\n"
            "                    0.25                    1.25                    1.25\r\n"
            "                     0.5                     1.5                     1.5\r\n"
            "                    0.75                    1.75                    1.75\r\n"
            "                       1                 2.21875            2.2392578125\r\n");
  EXPECT_EQ(RunOde("UsDi_Adams", "x+y", "0", "0.6", "6", {"1", "1.1", "1.2", "1.3"}).table,
            "                    X(n)            阿达姆斯外插公式Y(n)            阿达姆斯内插公式Y(n)\r\n"
            "                       0                       1                       1\r\n"
            "                     0.1                     1.1                     1.1\r\n"
            "                     0.2                     1.2                     1.2\r\n"
            "                     0.3                     1.3                     1.3\r\n"
            "                     0.4                    1.47                1.472625\r\n"
            "                     0.5        1.67604166666667        1.67509703776042\r\n"
            "                     0.6        1.90917621527778         1.9089722331153\r\n");
}

TEST(UsDiAdams, FewerThanFourGridPointsAskOnlyForThoseOnTheGrid) {
  OdeRun two = RunOde("UsDi_Adams", "y", "0", "1", "2", {"1", "1.25", "1.5", "1.75"});
  EXPECT_EQ(two.prompts, (std::vector<std::string>{"请输入原函数F(0)的值", "请输入原函数F(0.5)的值",
                                                   "请输入原函数F(1)的值"}));
  EXPECT_EQ(two.table,
            "                    X(n)            阿达姆斯外插公式Y(n)            阿达姆斯内插公式Y(n)\r\n"
            "                       0                       1                       1\r\n"
            "                     0.5                    1.25                    1.25\r\n"
            "                       1                     1.5                     1.5\r\n");
  EXPECT_EQ(RunOde("UsDi_Adams", "y", "-1", "-1", "1", {"3", "4"}).table,
            "                    X(n)            阿达姆斯外插公式Y(n)            阿达姆斯内插公式Y(n)\r\n"
            "                      -1                       3                       3\r\n"
            "                      -1                       4                       4\r\n");
}

// clang-format on

TEST(OdeWindows, MessagesInOrderLeaveTheResultBoxAlone) {
  for (const char* window : {"UsDi_Euler", "UsDi_RungeKutta", "UsDi_Adams"}) {
    SCOPED_TRACE(window);
    OdeRun noF = RunOde(window, "  ", "", "", "2", {"1"});
    EXPECT_EQ(noF.messages, std::vector<std::string>{"没有输入函数F(x)导数。"});
    EXPECT_EQ(noF.focus, "Text1");
    EXPECT_FALSE(noF.table);
    OdeRun noA = RunOde(window, "y", " ", "", "2", {"1"});
    EXPECT_EQ(noA.messages, std::vector<std::string>{"没有输入下界值。"});
    EXPECT_EQ(noA.focus, "");
    EXPECT_EQ(RunOde(window, "y", "0", "", "2", {"1"}).messages,
              std::vector<std::string>{"没有输入上界值。"});
    OdeRun reversed = RunOde(window, "y", "1", "0.5", "2", {"1"});
    EXPECT_EQ(reversed.messages, std::vector<std::string>{"上下界值输入有误！"});
    EXPECT_TRUE(reversed.prompts.empty());
    EXPECT_FALSE(reversed.table);
  }
  OdeRun cancelled = RunOde("UsDi_Euler", "y", "2", "3", "2", {""});
  EXPECT_EQ(cancelled.prompts, std::vector<std::string>{"请输入原函数F(2)的值"});
  EXPECT_EQ(cancelled.messages, std::vector<std::string>{"没有输入初始函数值。"});
  EXPECT_FALSE(cancelled.table);
  EXPECT_EQ(RunOde("UsDi_RungeKutta", "y", "2", "3", "2", {}).messages,
            std::vector<std::string>{"没有输入初始函数值。"});
  OdeRun third = RunOde("UsDi_Adams", "y", "0", "3", "6", {"1", "2", ""});
  EXPECT_EQ(third.prompts.size(), 3u);
  EXPECT_EQ(third.messages, std::vector<std::string>{"没有输入第2个的初始函数值。"});
  EXPECT_FALSE(third.table);
}

TEST(OdeWindows, LargestGridAndAnyFieldTextGiveAWholeTable) {
  // y' = 1 from 0 on [0, 32767]: every value is the whole number of its line; a subdivision
  // count above the limit is held at 32767.
  OdeRun largest = RunOde("UsDi_RungeKutta", "1", "0", "32767", "99999", {"0"});
  ASSERT_TRUE(largest.table);
  EXPECT_EQ(largest.table->size() - largest.table->find("\r\n"), 2 + 32768u * 74);
  EXPECT_EQ(largest.table->substr(largest.table->size() - 74),
            "                   32767                   32767                   32767\r\n");

  // Texts no window check refuses: malformed and overflowing formulas, bounds beyond the
  // doubles, subdivision texts outside the box's range. Each run ends in a table of n + 1
  // data lines of three fields.
  const char* formulas[] = {"y+", "((((y", "0/0", "1/(x-y)", "exp(exp(exp(y)))", "y^y^y^y",
                            "sqr(-y)", "y\\0", "z"};
  const char* bounds[][2] = {{"-1e308", "1e308"}, {"1e999", "1e999"}, {"-5", "-5"}, {"0", "1e-320"}};
  const char* parts[][2] = {{"-7", "1"}, {"0.4", "1"}, {"abc", "1"}, {"3.5", "4"}, {"7", "7"}};
  for (const char* window : {"UsDi_Euler", "UsDi_RungeKutta", "UsDi_Adams"})
    for (const char* f : formulas)
      for (auto& [a, b] : bounds)
        for (auto& [typed, n] : parts) {
          OdeRun run = RunOde(window, f, a, b, typed, {"1e300", "-1e300", "1e999", "nan"});
          ASSERT_TRUE(run.table) << window << " " << f << " " << a << " " << typed;
          size_t lines = 0;
          for (size_t at = 0; (at = run.table->find("\r\n", at)) != std::string::npos; at += 2)
            ++lines;
          EXPECT_EQ(lines, std::stoul(n) + 2) << window << " " << f << " " << a << " " << typed;
          EXPECT_EQ(run.table->find("Infinity"), std::string::npos);
          EXPECT_EQ(run.table->find("NaN"), std::string::npos);
        }
}

TEST(OdeTable, ALongerFieldIsWrittenWholeAndShiftsItsLine) {
  ode::Grid grid = ode::MakeGrid(0, 1, 1);
  ode::Columns columns{{1, 2}, {1, -1.23456789012345e-300}};
  EXPECT_EQ(ode::OdeTable("一个比二十四个字符还要长得多的标题：欧拉公式Y(n)", "Y", grid, columns),
            "                    X(n)一个比二十四个字符还要长得多的标题：欧拉公式Y(n)"
            "                       Y\r\n"
            "                       0                       1                       1\r\n"
            "                       1                       2  -1.23456789012345E-300\r\n");
}

}  // namespace
}  // namespace tessaly
