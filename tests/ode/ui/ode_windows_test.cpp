// The ODE menu window and its three solver windows, opened from the main window.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>

#include "common/file_text.h"

#include "ode/ui/ode_windows.h"
#include "shell/ui/tessaly_window.h"
#include "shell/ui/topic_windows.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

// Records the names of the windows it watches as they close.
class CloseLog : public QObject {
 public:
  QStringList closed;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close) closed << watched->objectName();
    return false;
  }
};

class OdeWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    RegisterTopicWindows(windows, state, {&dialogs, &choosers, nullptr});
  }
  void TearDown() override {
    windows.CloseInOrder({"UsDi_Adams", "UsDi_Euler", "UsDi_RungeKutta"});
    windows.CloseInOrder(AppWindows::UnloadOrder());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  FormWindow* Solver(const char* name) { return qobject_cast<FormWindow*>(windows.Show(name)); }

  AppState state;
  AppWindows windows;
  ScriptedDialogs dialogs;
  testing::ScriptedChoosers choosers;
};

TEST_F(OdeWindows, MainWindowOpensTheMenuWhichOpensEachSolverOnceAndClosesThemInOrder) {
  Tessaly main(windows, nullptr);
  auto* command6 = main.findChild<QPushButton*>("Command6");
  ASSERT_TRUE(command6->isEnabled());
  QTest::mouseClick(command6, Qt::LeftButton);
  auto* menu = qobject_cast<MenuWindow*>(windows.Find("UsualDiffEquation"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->windowTitle(), "常微分方程的数值解法");
  EXPECT_EQ(menu->OuterWidthTwips(), 6945);
  EXPECT_EQ(menu->OuterHeightTwips(), 5190);
  const char* buttons[][3] = {{"Command1", "欧拉(Euler)方法", "UsDi_Euler"},
                              {"Command2", "龙格库塔(Runge-Kutta)方法", "UsDi_RungeKutta"},
                              {"Command3", "线性多步方法", "UsDi_Adams"}};
  CloseLog log;
  for (auto& [button, caption, window] : buttons) {
    ASSERT_NE(menu->Button(button), nullptr) << button;
    EXPECT_EQ(menu->Button(button)->text(), caption);
    QTest::mouseClick(menu->Button(button), Qt::LeftButton);
    QWidget* opened = windows.Find(window);
    ASSERT_NE(opened, nullptr) << window;
    opened->showMinimized();
    QTest::mouseClick(menu->Button(button), Qt::LeftButton);  // the same window, raised
    EXPECT_EQ(windows.Find(window), opened);
    EXPECT_FALSE(opened->isMinimized());
    opened->installEventFilter(&log);
  }
  EXPECT_EQ(menu->Button("cmdHelp")->text(), "帮助");
  QTest::mouseClick(menu->Button("cmdHelp"), Qt::LeftButton);  // no help file here: silent
  EXPECT_TRUE(dialogs.Messages().empty());

  main.close();  // unloads the menu window, which unloads its solvers
  EXPECT_EQ(log.closed, (QStringList{"UsDi_Adams", "UsDi_Euler", "UsDi_RungeKutta"}));
  for (auto& b : buttons) EXPECT_EQ(windows.Find(b[2]), nullptr);
  EXPECT_EQ(windows.Find("UsualDiffEquation"), nullptr);
}

TEST_F(OdeWindows, EachSolverWindowRunsItsButton) {
  struct Case {
    const char* name;
    const char* caption;
    double width, height;
    const char* button;
    std::vector<std::string> answers;
    const char* table;
  };
  // clang-format off
  const Case cases[] = {
      {"UsDi_Euler", "常微分方程的数值解法—Euler方法", 11730, 8715, "欧拉(Euler)计算", {"1"},
       "                    X(n)                欧拉公式Y(n)        Euler预估-校正公式Y(n)\r\n"
       "                       0                       1                       1\r\n"
       "                       1                       2                     2.5\r\n"},
      {"UsDi_RungeKutta", "常微分方程的数值解法—RungeKutta", 11715, 8580, "龙格库塔(Runge-Kutta)方法计算", {"1"},
       "                    X(n)           三阶龙格-库塔公式Y(n)           四阶龙格-库塔公式Y(n)\r\n"
       "                       0                       1                       1\r\n"
       "                       1        2.66666666666667        2.70833333333333\r\n"},
      {"UsDi_Adams", "常微分方程的数值解法—Adams方法", 11805, 8595, "线性多步方法(Adams)计算", {"1", "2"},
       "                    X(n)            阿达姆斯外插公式Y(n)            阿达姆斯内插公式Y(n)\r\n"
       "                       0                       1                       1\r\n"
       "                       1                       2                       2\r\n"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FormWindow* w = Solver(c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), c.caption);
    EXPECT_EQ(w->OuterWidthTwips(), c.width);
    EXPECT_EQ(w->OuterHeightTwips(), c.height);
    const char* labels[][2] = {
        {"Label1", "函数F(x)导数"}, {"Label2", "x下界"}, {"Label3", "x上界"}, {"Label4", "等分"}};
    for (auto& [label, text] : labels) EXPECT_EQ(w->Label(label)->text(), text);
    EXPECT_EQ(w->Button()->objectName(), "Command1");
    EXPECT_EQ(w->Button()->text(), c.button);
    EXPECT_TRUE(w->Button()->isEnabled());
    ASSERT_NE(w->ResultBox(), nullptr);
    EXPECT_EQ(w->ResultBox()->objectName(), "Text5");

    // The subdivision box starts at 2 and is held within 1..32767; its spinner steps by one.
    QLineEdit* parts = w->TextBox("Text4");
    EXPECT_EQ(parts->text(), "2");
    parts->setText("0");
    EXPECT_EQ(parts->text(), "1");
    QTest::mouseClick(w->findChild<QToolButton*>("Up"), Qt::LeftButton);
    EXPECT_EQ(parts->text(), "2");
    QTest::mouseClick(w->findChild<QToolButton*>("Down"), Qt::LeftButton);
    EXPECT_EQ(parts->text(), "1");

    // No formula: the message, the focus in Text1, the result box untouched.
    w->ResultBox()->setPlainText("earlier");
    dialogs = ScriptedDialogs(c.answers);
    QTest::mouseClick(w->Button(), Qt::LeftButton);
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"没有输入函数F(x)导数。"});
    EXPECT_EQ(w->focusWidget(), w->TextBox("Text1"));
    EXPECT_EQ(w->ResultText(), "earlier");

    w->TextBox("Text1")->setText("y");
    w->TextBox("Text2")->setText("0");
    w->TextBox("Text3")->setText("1");
    QTest::mouseClick(w->Button(), Qt::LeftButton);
    EXPECT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.AnswersLeft(), 0u);
    EXPECT_EQ(w->ResultText(), c.table);

    // y/x divides by 0 at x = 0: a warning follows the table.
    w->TextBox("Text1")->setText("y/x");
    w->TextBox("Text4")->setText("4");
    dialogs = ScriptedDialogs({"1", "1", "1", "1"});
    QTest::mouseClick(w->Button(), Qt::LeftButton);
    EXPECT_EQ(dialogs.Messages().at(0), std::string("从 x = ") + (c.name[5] == 'A' ? "1" : "0.25") +
                                            " 起计算溢出，此后的函数值不可信！");
  }
}

TEST_F(OdeWindows, LargestTableIsShownAtOnceAndTakenInWhileTheWindowAnswers) {
  FormWindow* w = Solver("UsDi_RungeKutta");
  ASSERT_NE(w, nullptr);
  QApplication::processEvents();
  w->TextBox("Text1")->setText("-2*x*y+sin(x)");
  w->TextBox("Text2")->setText("0");
  w->TextBox("Text3")->setText("10");
  w->TextBox("Text4")->setText("32767");
  dialogs = ScriptedDialogs({"1"});
  QElapsedTimer clock;
  clock.start();
  const std::clock_t cpu = std::clock();
  QTest::mouseClick(w->Button(), Qt::LeftButton);
  QApplication::processEvents();  // the first part painted
  const qint64 shown = clock.elapsed();
  EXPECT_TRUE(w->ResultLoading());
  EXPECT_TRUE(w->ResultBox()->isReadOnly());
  EXPECT_GT(w->ResultBox()->blockCount(), 1000);
  // The whole table is in the ResultText at once; the box takes in the rest between events.
  const std::string table = w->ResultText();
  EXPECT_EQ(table.substr(table.size() - 74),
            "                      10     -0.0251447609978062      -0.025144760997046\r\n");
  qint64 longestWait = 0;
  while (w->ResultLoading() && clock.elapsed() < 10000) {
    const qint64 before = clock.elapsed();
    QApplication::processEvents();
    longestWait = std::max(longestWait, clock.elapsed() - before);
  }
  const qint64 complete = clock.elapsed();
  QScrollBar* bar = w->ResultBox()->verticalScrollBar();
  bar->setValue(bar->maximum());
  QApplication::processEvents();
  const qint64 scrolled = clock.elapsed();
  const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
  std::printf("32 768-line table: first part shown after %lld ms, whole table in after %lld ms "
              "(longest step %lld ms), scrolled to its end after %lld ms; %.0f ms of processor "
              "time\n",
              static_cast<long long>(shown), static_cast<long long>(complete),
              static_cast<long long>(longestWait), static_cast<long long>(scrolled), cpuMs);
  EXPECT_FALSE(w->ResultLoading());
  EXPECT_FALSE(w->ResultBox()->isReadOnly());
  EXPECT_EQ(w->ResultBox()->blockCount(), 32770);  // header, 32 768 lines, the empty last
  EXPECT_EQ(w->ResultText(), table);  // the box holds the whole table, CR LF given back
  // Generous bounds for a loaded machine; the measured times are in README.md.
  EXPECT_LT(shown, 1000);
  EXPECT_LT(longestWait, 1000);

  // A newer table replaces one still being taken in.
  dialogs = ScriptedDialogs({"1"});
  QTest::mouseClick(w->Button(), Qt::LeftButton);
  EXPECT_TRUE(w->ResultLoading());
  w->TextBox("Text4")->setText("1");
  dialogs = ScriptedDialogs({"1"});
  QTest::mouseClick(w->Button(), Qt::LeftButton);
  EXPECT_FALSE(w->ResultLoading());
  for (int i = 0; i < 50; ++i) QApplication::processEvents();
  EXPECT_EQ(w->ResultBox()->blockCount(), 4);
}

TEST_F(OdeWindows, ResultBoxCopiesSavesAndExportsItsTableAndTheFormulaGetsAHint) {
  FormWindow* w = Solver("UsDi_Euler");
  ASSERT_NE(w, nullptr);
  const char* commands[] = {"CopyWholeResult", "SaveResultAs", "ExportResultCsv"};
  std::unique_ptr<QMenu> before(w->BuildResultMenu());
  for (const char* name : commands) EXPECT_FALSE(before->findChild<QAction*>(name)->isEnabled());

  // "2x" reads as 2: the table of y' = 2, and a hint at the formula box.
  w->TextBox("Text1")->setText("2x");
  w->TextBox("Text2")->setText("0");
  w->TextBox("Text3")->setText("1");
  w->TextBox("Text4")->setText("1");
  dialogs = ScriptedDialogs({"1"});
  QTest::mouseClick(w->Button(), Qt::LeftButton);
  EXPECT_EQ(QToolTip::text(), "提示：请写成 2*x");
  std::unique_ptr<QMenu> after(w->BuildResultMenu());
  for (const char* name : commands) EXPECT_TRUE(after->findChild<QAction*>(name)->isEnabled());

  w->CopyWholeResult();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), PaneTextFromReport(w->ResultText()));
  QTemporaryDir dir;
  choosers.files = {dir.filePath("t.txt"), dir.filePath("t.csv"), "", dir.filePath("no/t.txt")};
  w->SaveResultAs();
  w->ExportResultCsv();
  EXPECT_EQ(testing::ReadBytes(dir.filePath("t.txt")).toStdString(), w->ResultText());
  EXPECT_EQ(testing::ReadBytes(dir.filePath("t.csv")),
            "X(n),欧拉公式Y(n),Euler预估-校正公式Y(n)\r\n0,1,1\r\n1,3,3\r\n");
  w->SaveResultAs();  // Cancel: nothing said
  EXPECT_TRUE(dialogs.Messages().empty());
  w->SaveResultAs();  // a folder that is not there
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"结果没有保存：文件无法写入！"});
}

}  // namespace
}  // namespace tessaly
