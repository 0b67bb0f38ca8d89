// The main window, the about window and the exit splash.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "shell/ui/frm_exit.h"
#include "common/help_pages.h"
#include "common/ui/help_window.h"
#include "common/ui/menu_window.h"
#include "common/ui/services.h"
#include "shell/ui/tessaly_window.h"
#include "shell/ui/topic_windows.h"
#include "common/ui/twips.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

class Shell : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    RegisterTopicWindows(windows, state, {&dialogs, &choosers, nullptr});
  }
  int CountTopLevel(const QString& name) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == name && w->isVisible()) ++n;
    return n;
  }

  AppState state;
  AppWindows windows;
  ScriptedDialogs dialogs;
  testing::ScriptedChoosers choosers;
};

TEST_F(Shell, MainWindowButtons) {
  Tessaly main(windows, nullptr);
  EXPECT_EQ(main.windowTitle(), "Tessaly");
  const char* captions[][2] = {{"Command1", "线性方程组的数值解法"},
                               {"Command2", "非线性方程的数值解法"},
                               {"Command3", "插值法与最小二乘法曲线拟合"},
                               {"Command4", "矩阵的特征值及特征向量的计算"},
                               {"Command5", "数值微积分"},
                               {"Command6", "常微分方程的数值解法"},
                               {"cmdHelp", "帮助"},
                               {"cmdAbout", "关于"}};
  for (auto& [name, caption] : captions) {
    auto* b = main.findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    EXPECT_EQ(b->text(), caption);
  }
  EXPECT_EQ(main.findChild<QLabel*>("Label1")->text(), "Tessaly");
  EXPECT_FALSE(main.findChild<QLabel*>("Label3")->text().isEmpty());
  // Windows that do not exist yet cannot be opened.
  EXPECT_TRUE(main.findChild<QPushButton*>("Command4")->isEnabled());
  EXPECT_EQ(main.findChild<QPushButton*>("Command5")->isEnabled(), windows.CanOpen("ValueCalculus"));
  EXPECT_EQ(main.findChild<QPushButton*>("Command6")->isEnabled(),
            windows.CanOpen("UsualDiffEquation"));
}

TEST_F(Shell, TopicButtonPressedTwiceShowsTheSameWindow) {
  Tessaly main(windows, nullptr);
  main.show();
  auto* linear = main.findChild<QPushButton*>("Command1");
  QTest::mouseClick(linear, Qt::LeftButton);
  QWidget* first = windows.Find("LinearFrm");
  ASSERT_NE(first, nullptr);
  first->showMinimized();
  QTest::mouseClick(linear, Qt::LeftButton);
  EXPECT_EQ(windows.Find("LinearFrm"), first);
  EXPECT_EQ(CountTopLevel("LinearFrm"), 1);
  EXPECT_FALSE(first->isMinimized());
  // Several topic windows may be open together; the about window exists once too.
  QTest::mouseClick(main.findChild<QPushButton*>("Command2"), Qt::LeftButton);
  QTest::mouseClick(main.findChild<QPushButton*>("cmdAbout"), Qt::LeftButton);
  QTest::mouseClick(main.findChild<QPushButton*>("cmdAbout"), Qt::LeftButton);
  EXPECT_EQ(CountTopLevel("Ultra"), 1);
  EXPECT_EQ(CountTopLevel("FrmAbout"), 1);
  EXPECT_EQ(windows.Find("FrmAbout")->windowTitle(), "关于Tessaly");
  EXPECT_EQ(windows.Find("FrmAbout")->findChild<QLabel*>("lblVersion")->text(), "1.2");

  // A closed window is created afresh, with its settings back at their start values.
  first->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(windows.Find("LinearFrm"), nullptr);
  QTest::mouseClick(linear, Qt::LeftButton);
  EXPECT_NE(windows.Find("LinearFrm"), nullptr);
  main.close();
}

TEST_F(Shell, ClosingTheMainWindowUnloadsEveryTopicWindow) {
  int splashes = 0;
  auto* main = new Tessaly(windows, [&] {
    ++splashes;
    // The splash comes first, while the topic windows are still there.
    EXPECT_NE(windows.Find("Ultra"), nullptr);
  });
  main->show();
  for (const char* name : {"LinearFrm", "Ultra", "InsertValue", "MatrixCValueCVector", "FrmAbout"})
    windows.Show(name);
  main->close();
  EXPECT_EQ(splashes, 1);
  for (const QString& name : AppWindows::UnloadOrder()) EXPECT_EQ(windows.Find(name), nullptr);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->isVisible() && w != main) << w->objectName().toStdString();
  delete main;
}

TEST_F(Shell, MainWindowKeepsItsOuterSize) {
  Tessaly main(windows, nullptr);
  main.show();
  main.resize(300, 200);
  QApplication::processEvents();
  EXPECT_EQ(main.frameGeometry().width(), TwipsToPx(Tessaly::kOuterWidth, &main));
  EXPECT_EQ(main.frameGeometry().height(), TwipsToPx(Tessaly::kOuterHeight, &main));
  main.showMaximized();
  QApplication::processEvents();
  EXPECT_EQ(main.frameGeometry().width(), TwipsToPx(Tessaly::kOuterWidth, &main));
  main.close();
}

TEST_F(Shell, TuneStaysSilentWithoutItsFile) {
  EXPECT_FALSE(PlayTune("/no/such/folder/END.MID", kTuneAlias));
  StopTune(kTuneAlias);
  StopTune("never-opened");
}

TEST_F(Shell, ShippedFilesAreFoundBesideTheProgramThenUnderShareTessaly) {
  QTemporaryDir prefix;
  const QString bin = prefix.path() + "/bin", share = prefix.path() + "/share/tessaly";
  ASSERT_TRUE(QDir().mkpath(bin + "/music") && QDir().mkpath(share + "/music") &&
              QDir().mkpath(share + "/examples"));
  for (const QString& file : {bin + "/music/END.MID", share + "/music/END.MID"}) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  EXPECT_EQ(ShippedFileFrom(bin, "music/END.MID"), bin + "/music/END.MID");
  EXPECT_EQ(ShippedFileFrom(bin, "examples"), share + "/examples");
  EXPECT_EQ(ShippedFileFrom(bin, "Help/TessalyHelp.CHM"), QString());
}

TEST_F(Shell, HelpOpensTheGuideAtTheAskingWindowsPage) {
  // There is no help file beside the test program: every help opens the built-in guide, in
  // one window, at the page of the window that asked.
  Tessaly main(windows, nullptr);
  main.findChild<QPushButton*>("cmdHelp")->click();
  HelpWindow* help = HelpWindow::Current();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->Page(), "index.html");
  EXPECT_TRUE(help->Browser()->toPlainText().contains("六个主题"));
  // The pages share one stylesheet: the heading takes its colour.
  const QTextBlock heading = help->Browser()->document()->firstBlock();
  EXPECT_EQ(heading.charFormat().foreground().color(), QColor("#1f3f7f"));
  EXPECT_EQ(help->Contents()->count(), static_cast<int>(HelpPages().size()));

  auto* linear = static_cast<Worksheet*>(windows.Show("LinearFrm"));
  testing::Trigger(*linear, "mnuHelpFile");
  EXPECT_EQ(HelpWindow::Current(), help);
  EXPECT_EQ(help->Page(), "linear.html");
  for (auto [window, page] : {std::pair{"ValueCalculus", "calculus.html"},
                              std::pair{"UsualDiffEquation", "ode.html"},
                              std::pair{"MatrixCValueCVector", "eigen.html"},
                              std::pair{"InsertValue", "interpolation.html"}}) {
    QWidget* w = windows.Show(window);
    if (auto* menu = qobject_cast<MenuWindow*>(w)) menu->Button("cmdHelp")->click();
    else testing::Trigger(*static_cast<Worksheet*>(w), "mnuHelpFile");
    EXPECT_EQ(help->Page(), page) << window;
    EXPECT_EQ(help->Contents()->currentItem()->data(Qt::UserRole).toString(), page) << window;
    EXPECT_FALSE(help->Browser()->toPlainText().isEmpty()) << window;
  }
  testing::Trigger(*static_cast<Worksheet*>(windows.Show("Ultra")), "mnuHelpFile");
  EXPECT_EQ(help->Page(), "nonlinear.html");

  // Back and forward walk the pages seen; the contents list follows.
  help->findChild<QToolButton*>("Back")->click();
  EXPECT_EQ(help->Page(), "interpolation.html");
  EXPECT_EQ(help->Contents()->currentItem()->text(), "插值法与最小二乘法曲线拟合");
  help->findChild<QToolButton*>("Forward")->click();
  EXPECT_EQ(help->Page(), "nonlinear.html");
  help->Contents()->itemClicked(help->Contents()->item(0));
  EXPECT_EQ(help->Page(), "index.html");
  EXPECT_EQ(help->Contents()->currentRow(), 0);

  // Find moves through the page and wraps; a missing text is said in the find bar.
  help->FindBox()->setText("tessaly-cli");
  EXPECT_TRUE(help->FindNext());
  EXPECT_EQ(help->Browser()->textCursor().selectedText(), "tessaly-cli");
  EXPECT_TRUE(help->FindNext(true));
  help->FindBox()->setText("没有这段文字");
  EXPECT_FALSE(help->FindNext());
  EXPECT_EQ(help->Browser()->textCursor().selectedText(), "tessaly-cli");  // the place is kept
  help->close();
  ShowHelpFile(nullptr, "NoSuchHelp.CHM");
  ASSERT_NE(HelpWindow::Current(), nullptr);
  EXPECT_EQ(HelpWindow::Current()->Page(), "index.html");
  HelpWindow::Current()->close();
}

TEST_F(Shell, ExitSplashScrollsAndReenters) {
  int ended = 0;
  auto* splash = new FrmExit([&] { ++ended; });
  const double inner = splash->InnerHeightTwips();
  EXPECT_EQ(splash->StepTwips(), std::nearbyint(inner / 250));
  EXPECT_EQ(splash->LabelTopTwips(), inner);
  EXPECT_TRUE(splash->Label1()->text().contains(">Tessaly</p>"));

  splash->Timer1_Timer();
  EXPECT_EQ(splash->LabelTopTwips(), inner - splash->StepTwips());
  // Once the whole label has left at the top it starts again at the bottom.
  bool reentered = false;
  double previous = splash->LabelTopTwips();
  for (int i = 0; i < 5000 && !reentered; ++i) {
    splash->Timer1_Timer();
    if (splash->LabelTopTwips() > previous) {
      reentered = true;
      EXPECT_LT(previous - splash->StepTwips(), -splash->LabelHeightTwips());
      EXPECT_EQ(splash->LabelTopTwips(), inner);
    }
    previous = splash->LabelTopTwips();
  }
  EXPECT_TRUE(reentered);
  EXPECT_EQ(splash->Label1()->y(), TwipsToPx(inner, splash));

  // A click on the text ends the program at once.
  splash->show();
  QTest::mouseClick(splash->Label1(), Qt::LeftButton);
  EXPECT_EQ(ended, 1);
  splash->close();
}

}  // namespace
}  // namespace tessaly
