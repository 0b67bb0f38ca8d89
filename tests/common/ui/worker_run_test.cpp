// Methods and form commands run on a worker thread: their boxes are shown by the window's
// thread in the same order, the report is the one a direct run gives, and 取消 stops the
// run at its next progress point with the report so far and one line saying so.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QThread>
#include <functional>
#include <thread>

#include "common/ui/form_window.h"
#include "linear/ui/linear_frm.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

// Answers from a script; notes whether each box was asked on the window's thread and runs
// `atBox` (the user pressing 取消 while the box is up) before answering.
class WatchingDialogs : public ScriptedDialogs {
 public:
  using ScriptedDialogs::ScriptedDialogs;
  std::function<void()> atBox;
  std::vector<bool> onWindowThread;

  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view defaultText) override {
    Note();
    return ScriptedDialogs::InputBox(prompt, title, defaultText);
  }
  MsgResult MsgBox(std::string_view text, MsgButtons buttons, MsgIcon icon,
                   std::string_view title, MsgDefault defaultButton) override {
    Note();
    return ScriptedDialogs::MsgBox(text, buttons, icon, title, defaultButton);
  }

 private:
  void Note() {
    onWindowThread.push_back(QThread::currentThread() == qApp->thread());
    if (atBox) atBox();
  }
};

TEST(WorkerRun, WorksheetMethodKeepsItsBoxesAndReportOrStopsOnCancel) {
  testing::EnsureApp();
  const MethodEntry* gauss = AllMethods().Find("LinearFrm", "Gauss_1");
  if (!gauss) GTEST_SKIP() << "Gauss_1 is not built";
  const std::string matrix = "10 -1 2 6\r\n-1 11 -1 25\r\n2 -1 10 -11";
  ResultPane direct;
  ScriptedDialogs alone({"3"});
  MethodContext context{matrix, direct, alone, 6};
  gauss->run(context);

  for (const bool cancel : {false, true}) {
    SCOPED_TRACE(cancel ? "cancelled" : "completed");
    WatchingDialogs dialogs({"3"});
    testing::ScriptedChoosers choosers;
    std::unique_ptr<Worksheet> w(CreateLinearFrm({&dialogs, &choosers, nullptr}));
    // While the method runs, its menus are held but Help; 取消 by Esc in the result pane.
    bool menusHeld = false;
    dialogs.atBox = [&] {
      menusHeld = !w->Menu("Uncoil")->menuAction()->isEnabled() &&
                  !w->Menu("FileMenu")->menuAction()->isEnabled() &&
                  w->Menu("mnuHelp")->menuAction()->isEnabled();
      if (cancel) QTest::keyClick(w->Text2(), Qt::Key_Escape);
    };
    w->SetInputText(QString::fromStdString(matrix).replace("\r\n", "\n"));
    testing::OpenMenu(w->Menu("Uncoil"));
    testing::Trigger(*w, "Gauss_1");
    EXPECT_FALSE(w->MethodRunning());
    EXPECT_TRUE(menusHeld);
    EXPECT_TRUE(w->Menu("Uncoil")->menuAction()->isEnabled());
    EXPECT_EQ(w->ReportText(), cancel ? std::string(kCancelledLine) : direct.Text());
    EXPECT_EQ(dialogs.Shown().size(), cancel ? 1u : alone.Shown().size());
    EXPECT_EQ(dialogs.onWindowThread, std::vector<bool>(dialogs.Shown().size(), true));
  }
}

TEST(WorkerRun, FormCommandRunsOffTheWindowThreadAndStopsOnCancel) {
  testing::EnsureApp();
  FormCommand command;
  command.window = "Test";
  command.control = "Command1";
  command.controls = {{"Text1", "7"}};
  bool offThread = false;
  command.run = [&](FormContext& ctx) {
    offThread = QThread::currentThread() != qApp->thread();
    const std::string answer = ctx.dialogs.InputBox("y=");
    for (int i = 0; i < 3; ++i) ReportProgress(ctx.progress, i, 3);
    FormOutcome outcome;
    outcome.result = ctx.fields.Text("Text1") + "," + answer + "\r\n";
    return outcome;
  };
  FormWindowDescription description;
  description.name = description.caption = "Test";
  description.outerWidthTwips = 6000;
  description.outerHeightTwips = 4000;
  description.resultBox = "Text5";
  for (const bool cancel : {false, true}) {
    SCOPED_TRACE(cancel ? "cancelled" : "completed");
    WatchingDialogs dialogs({"2"});
    FormWindow w(description, {&dialogs}, &command);
    if (cancel) dialogs.atBox = [&] { w.CancelCommand(); };
    w.Press();
    EXPECT_TRUE(offThread);
    EXPECT_EQ(dialogs.onWindowThread, std::vector<bool>{true});
    EXPECT_EQ(w.ResultText(), cancel ? "计算已被用户取消。\r\n" : "7,2\r\n");
    EXPECT_TRUE(w.Button()->isEnabled());
  }
}

}  // namespace
}  // namespace tessaly
