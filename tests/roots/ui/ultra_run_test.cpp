// A root-finding method run from the Ultra window's menu gives the report the method gives
// on its own (as tessaly-cli runs it), and the result pane is current behind every box.
#include <gtest/gtest.h>

#include "roots/ui/ultra_window.h"
#include "common/file_text.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

// Records the result pane's text each time a box appears.
class WatchingDialogs : public ScriptedDialogs {
 public:
  using ScriptedDialogs::ScriptedDialogs;
  Worksheet* window = nullptr;
  std::vector<QString> paneAtBox;
  std::string InputBox(std::string_view p, std::string_view t, std::string_view d) override {
    paneAtBox.push_back(window->Text2()->toPlainText());
    return ScriptedDialogs::InputBox(p, t, d);
  }
  MsgResult MsgBox(std::string_view text, MsgButtons b, MsgIcon i, std::string_view t,
                   MsgDefault d) override {
    paneAtBox.push_back(window->Text2()->toPlainText());
    return ScriptedDialogs::MsgBox(text, b, i, t, d);
  }
};

// The method run on its own, recording its result pane each time a box appears.
class PaneRecordingDialogs : public ScriptedDialogs {
 public:
  using ScriptedDialogs::ScriptedDialogs;
  ResultPane* pane = nullptr;
  std::vector<std::string> paneAtBox;
  std::string InputBox(std::string_view p, std::string_view t, std::string_view d) override {
    paneAtBox.push_back(pane->Text());
    return ScriptedDialogs::InputBox(p, t, d);
  }
  MsgResult MsgBox(std::string_view text, MsgButtons b, MsgIcon i, std::string_view t,
                   MsgDefault d) override {
    paneAtBox.push_back(pane->Text());
    return ScriptedDialogs::MsgBox(text, b, i, t, d);
  }
};

constexpr const char* kEarlier = "an earlier report\r\n";

std::string RunAlone(const char* item, const std::string& input, PaneRecordingDialogs& dialogs) {
  ResultPane pane;
  pane.SetText(kEarlier);
  dialogs.pane = &pane;
  MethodContext context{input, pane, dialogs, 6};
  AllMethods().Find("Ultra", item)->run(context);
  return pane.Text();
}

TEST(UltraRun, MethodsFromTheMenuMatchTheEngine) {
  testing::EnsureApp();
  struct Case {
    const char* item;
    const char* formula;
    std::vector<std::string> answers;
  };
  const Case cases[] = {
      {"CalculateDichotomy", "x^2-2", {"1", "2", "0.0001"}},
      {"CalculateIterative", "x^3-x-1", {"(x+1)^(1/3)", "1.5", "0.00001"}},
      {"IterativeSpeedUp", "x^3-x-1", {"(x+1)^(1/3)", "1.5", "0.45", "0.0001"}},
      {"CalculateAitken", "x-cos(x)", {"cos(x)", "0.5", "0.0001"}},
      {"CalculateNewton", "x^2-2", {"2*x", "1", "0.000001"}},
      {"CalculateXianJie", "x^2-2", {"1", "2", "0.0001", "0.0001"}},
  };
  for (const Case& c : cases) {
    PaneRecordingDialogs alone(c.answers);
    const std::string expected = RunAlone(c.item, c.formula, alone);
    ASSERT_FALSE(expected.empty()) << c.item;

    WatchingDialogs dialogs(c.answers);
    testing::ScriptedChoosers choosers;
    std::unique_ptr<Worksheet> w(CreateUltra({&dialogs, &choosers, nullptr}));
    dialogs.window = w.get();
    w->SetInputText(c.formula);
    w->SetReport(kEarlier);
    QMenu* menu = w->Menu("mnuCalculate");
    testing::OpenMenu(menu);
    ASSERT_TRUE(w->Action(c.item)->isEnabled());
    w->Action(c.item)->trigger();

    EXPECT_EQ(w->ReportText(), expected) << c.item;
    EXPECT_EQ(w->Text2()->toPlainText().toStdString(), PaneTextFromReport(expected));
    ASSERT_EQ(dialogs.Shown().size(), alone.Shown().size());
    for (size_t i = 0; i < dialogs.Shown().size(); ++i)
      EXPECT_EQ(dialogs.Shown()[i].LogLine(), alone.Shown()[i].LogLine());
    // Behind every box the pane shows the report as it stood at that moment.
    ASSERT_EQ(dialogs.paneAtBox.size(), alone.paneAtBox.size());
    for (size_t i = 0; i < alone.paneAtBox.size(); ++i)
      EXPECT_EQ(dialogs.paneAtBox[i].toStdString(), PaneTextFromReport(alone.paneAtBox[i]));
  }
}

TEST(UltraRun, PaneIsCurrentBehindAMessageAndAfterAnEarlyEnd) {
  testing::EnsureApp();
  // A malformed iteration formula: the method writes its first lines, then complains.
  WatchingDialogs dialogs({"(x+1", "1", "0.0001"});
  testing::ScriptedChoosers choosers;
  std::unique_ptr<Worksheet> w(CreateUltra({&dialogs, &choosers, nullptr}));
  dialogs.window = w.get();
  w->SetInputText("x^3-x-1");
  w->Action("CalculateIterative")->trigger();
  ASSERT_FALSE(dialogs.Messages().empty());
  EXPECT_EQ(dialogs.Messages().back(), "函数表达式输入有误！");
  const std::string final = w->ReportText();
  EXPECT_EQ(dialogs.paneAtBox.back().toStdString(), PaneTextFromReport(final));

  // Cancel at the first question leaves the pane as it was.
  w->SetReport("kept\r\n");
  dialogs = WatchingDialogs();
  dialogs.window = w.get();
  w->Action("CalculateDichotomy")->trigger();
  EXPECT_EQ(w->ReportText(), "kept\r\n");
}

}  // namespace
}  // namespace tessaly
