// The Ultra methods' menu entries, the order and texts of their input boxes, and how they
// end on Cancel, on a refused factor and on a malformed formula.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "roots/roots_test_support.h"

namespace tessaly {
namespace {

using testing::RunUltra;

struct Box {
  std::string prompt, title, defaultText;
};

struct MethodScript {
  std::string item;
  std::string input;                 // the input pane
  std::vector<std::string> answers;  // a full set of answers that completes a run
  std::vector<Box> boxes;            // the input boxes, in the order asked
  bool clearsBeforeAsking;           // the result pane is empty when a box is cancelled
};

std::vector<MethodScript> Scripts() {
  return {
      {"CalculateDichotomy",
       "x^2-2",
       {"1", "2", "0.0001"},
       {{"输入函数方程式迭代的初值下界：", "输入初值", "0"},
        {"输入函数方程式迭代的初值上界：", "输入初值", "1"},
        {"输入函数方程式迭代的精度：", "输入精度", "0.0001"}},
       false},
      {"CalculateIterative",
       "x-cos(x)",
       {"cos(x)", "0", "0.0001"},
       {{"输入函数方程式等价的迭代方程式(即x=)：", "输入迭代方程", "x"},
        {"输入函数方程式迭代的初值：", "输入初值", "0"},
        {"输入函数方程式迭代的精度：", "输入精度", "0.0001"}},
       false},
      {"IterativeSpeedUp",
       "x-cos(x)",
       {"cos(x)", "0", "0.45", "0.0001"},
       {{"输入函数方程式迭代的方程式：", "输入迭代的方程式", "x"},
        {"输入函数方程式迭代的初值：", "输入初值", "0"},
        {"输入函数方程式迭代的因子0<q<1：", "输入迭代的因子值", "0.45"},
        {"输入函数方程式迭代的精度：", "输入精度", "0.0001"}},
       false},
      {"CalculateAitken",
       "x-cos(x)",
       {"cos(x)", "0", "0.0001"},
       {{"输入函数方程式迭代的方程式：", "输入迭代的方程式", "x"},
        {"输入函数方程式迭代的初值：", "输入初值", "0"},
        {"输入函数方程式迭代的精度：", "输入精度", "0.0001"}},
       false},
      {"CalculateNewton",
       "x^2-2",
       {"2*x", "1", "0.0001"},
       {{"输入此方程式的导数方程式", "输入导数方程", "x"},
        {"输入计算初值x0", "输入初值", "0"},
        {"输入计算精度", "输入精度", "0.0001"}},
       true},
      {"CalculateXianJie",
       "x^2-2",
       {"1", "2", "0.0001", "0.0001"},
       {{"区间下界", "输入数值", "0"},
        {"区间上界", "输入数值", "1"},
        {"函数值精度", "输入精度", "0.0001"},
        {"函数根迭代精度", "输入精度", "0.0001"}},
       true},
  };
}

TEST(UltraMethods, RegisteredInMenuOrderWithCaptions) {
  std::vector<std::string> items, captions;
  for (const MethodEntry& e : AllMethods().Entries()) {
    if (e.window != "Ultra") continue;
    items.push_back(e.item);
    captions.push_back(e.caption);
  }
  EXPECT_EQ(items, (std::vector<std::string>{"CalculateDichotomy", "CalculateIterative",
                                             "IterativeSpeedUp", "CalculateAitken",
                                             "CalculateNewton", "CalculateXianJie"}));
  EXPECT_EQ(captions, (std::vector<std::string>{"二分法", "迭代法", "迭代-加速法", "埃特金加速法",
                                                "牛顿切线法", "弦截法"}));
}

TEST(UltraMethods, AskTheirValuesInOrderWithPromptsTitlesAndDefaults) {
  for (const MethodScript& s : Scripts()) {
    SCOPED_TRACE(s.item);
    auto run = RunUltra(s.item, s.input, s.answers);
    EXPECT_TRUE(run.messages.empty());
    ASSERT_EQ(run.shown.size(), s.boxes.size());
    for (size_t k = 0; k < s.boxes.size(); ++k) {
      EXPECT_EQ(run.shown[k].kind, ShownBox::Kind::Input);
      EXPECT_EQ(run.shown[k].text, s.boxes[k].prompt);
      EXPECT_EQ(run.shown[k].title, s.boxes[k].title);
      EXPECT_EQ(run.shown[k].defaultText, s.boxes[k].defaultText);
    }
    EXPECT_FALSE(run.report.empty());
  }
}

TEST(UltraMethods, CancelOrBlankReplyEndsSilentlyAtEachBox) {
  const std::string earlier = "earlier report\r\n";
  for (const MethodScript& s : Scripts()) {
    for (size_t k = 0; k < s.boxes.size(); ++k) {
      for (const std::string& reply : {std::string(), std::string("   ")}) {
        SCOPED_TRACE(s.item + " box " + std::to_string(k + 1) + " reply '" + reply + "'");
        std::vector<std::string> answers(s.answers.begin(), s.answers.begin() + k);
        answers.push_back(reply);
        auto run = RunUltra(s.item, s.input, answers, earlier);
        EXPECT_EQ(run.shown.size(), k + 1);  // nothing asked after the empty reply
        EXPECT_TRUE(run.messages.empty());
        EXPECT_EQ(run.report, s.clearsBeforeAsking ? "" : earlier);
      }
    }
  }
}

TEST(UltraMethods, MalformedFormulaEndsWithMessageAndNoFurtherText) {
  const std::string malformed = "函数表达式输入有误！";
  // f in the input pane is malformed.
  auto bisection = RunUltra("CalculateDichotomy", "sqrt(x)", {"1", "2", "0.0001"});
  EXPECT_EQ(bisection.report, " 初始隔根区间： [1  ,  2]       精度为：0.0001\r\n\r\n");
  EXPECT_EQ(bisection.messages, std::vector<std::string>{malformed});

  auto secant = RunUltra("CalculateXianJie", "x^2-y", {"1", "2", "0.0001", "0.0001"});
  EXPECT_EQ(secant.report, " 区间:[1  ,  2]        函数值精度 0.0001   根迭代精度 0.0001\r\n\r\n");
  EXPECT_EQ(secant.messages, std::vector<std::string>{malformed});

  // A malformed iteration function: no summary, although the input pane's f is sound.
  auto iterative = RunUltra("CalculateIterative", "x-cos(x)", {"cos(x", "0", "0.0001"});
  EXPECT_EQ(iterative.report, "函数方程式等价的迭代方程式为:cos(x    精度=0.0001\r\n\r\n x0=0\r\n");
  EXPECT_EQ(iterative.messages, std::vector<std::string>{malformed});

  auto aitken = RunUltra("CalculateAitken", "x-cos(x)", {"cos(x))", "0", "0.0001"});
  EXPECT_EQ(aitken.report, "函数方程式迭代的方程式: cos(x))    初值x0=0    精度e=0.0001\r\n\r\n");
  EXPECT_EQ(aitken.messages, std::vector<std::string>{malformed});

  // A malformed derivative is found at its first evaluation, before any step line.
  auto newton = RunUltra("CalculateNewton", "x^2-2", {"2*sqrt(x)", "1", "0.0001"});
  EXPECT_EQ(newton.report,
            "方程的导数方程式: 2*sqrt(x)      初值x0 = 1      计算精度 0.0001\r\n\r\n");
  EXPECT_EQ(newton.messages, std::vector<std::string>{malformed});
}

TEST(UltraMethods, FixedPointSummaryDoesNotCheckTheInputFormula) {
  // The iteration itself is sound; the input pane's f is not, yet the summary is written
  // without a message.
  // A change equal to the precision does not stop the iteration.
  auto run = RunUltra("CalculateIterative", "y", {"0.5*x", "1", "0.25"});
  EXPECT_TRUE(run.messages.empty());
  ASSERT_EQ(run.lines.size(), 8u);
  EXPECT_EQ(run.lines[4], " x2 = 0.25  |x2-x1| = 0.25");
  EXPECT_EQ(run.lines[5], " x3 = 0.125  |x3-x2| = 0.125");
  EXPECT_EQ(run.lines[7].rfind("迭代 3 次;   结果x= 0.125    f(x)=", 0), 0u) << run.lines[7];
}

TEST(IterativeSpeedUp, RefusesFactorOutsideZeroToOne) {
  const std::string earlier = "earlier report";
  for (const char* q : {"0", "1", "-0.5", "1.5", "q=0.5"}) {
    SCOPED_TRACE(q);
    auto run = RunUltra("IterativeSpeedUp", "x-cos(x)", {"cos(x)", "0", q, "0.0001"}, earlier);
    EXPECT_EQ(run.messages, std::vector<std::string>{"迭代的因子值有误！迭代的因子q范围0<q<1"});
    ASSERT_EQ(run.shown.size(), 4u);  // three input boxes, then the message; no precision box
    EXPECT_EQ(run.shown[3].kind, ShownBox::Kind::Message);
    EXPECT_EQ(run.shown[3].title, "Tessaly v1.0");
    EXPECT_EQ(run.report, earlier);
  }
}

}  // namespace
}  // namespace tessaly
