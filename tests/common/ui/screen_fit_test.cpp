// Top-level windows open inside the screen's available area; positions that fit are kept.
#include "common/ui/screen_fit.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>

#include "common/ui/app_windows.h"
#include "shell/ui/topic_windows.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

TEST(ScreenFit, FitInsideMovesAndShrinksOnlyWhatReachesOut) {
  const QRect area(0, 0, 1280, 1024);
  // Inside, edges included: unchanged.
  EXPECT_EQ(FitInside(QRect(558, 479, 722, 545), area), QRect(558, 479, 722, 545));
  // Below the bottom edge: moved up, the left edge kept.
  EXPECT_EQ(FitInside(QRect(300, 600, 722, 545), area), QRect(300, 479, 722, 545));
  // Past the right and the top edge.
  EXPECT_EQ(FitInside(QRect(900, -30, 722, 545), area), QRect(558, 0, 722, 545));
  // Larger than the area: shrunk to it.
  EXPECT_EQ(FitInside(QRect(100, 100, 1500, 1100), area), QRect(0, 0, 1280, 1024));
  // An area that does not start at 0 (a panel on the left and one on top).
  const QRect panels(48, 30, 976, 738);
  EXPECT_EQ(FitInside(QRect(0, 0, 700, 500), panels), QRect(48, 30, 700, 500));
  EXPECT_EQ(FitInside(QRect(500, 400, 700, 500), panels), QRect(324, 268, 700, 500));
}

class ScreenFitWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    area = QGuiApplication::primaryScreen()->availableGeometry();
  }
  // Shows the window and lets the checks after showing run.
  static void ShowAndSettle(QWidget& w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(100);
  }
  QRect area;
};

TEST_F(ScreenFitWindows, ProgramPositionsAreKeptWhereTheyFit) {
  QWidget inside;
  inside.resize(300, 200);
  inside.move(area.left() + 40, area.top() + 30);
  KeepOnScreen(&inside);
  ShowAndSettle(inside);
  EXPECT_EQ(inside.frameGeometry().topLeft(), QPoint(area.left() + 40, area.top() + 30));

  // Partly past the bottom right corner: moved in, its size kept.
  QWidget outside;
  outside.resize(300, 200);
  outside.move(area.right() - 100, area.bottom() - 50);
  KeepOnScreen(&outside);
  ShowAndSettle(outside);
  EXPECT_TRUE(area.contains(outside.frameGeometry())) << outside.frameGeometry().x();
  EXPECT_EQ(outside.size(), QSize(300, 200));

  // Larger than the screen: shrunk to the area.
  QWidget large;
  large.resize(area.width() + 300, area.height() + 200);
  KeepOnScreen(&large);
  ShowAndSettle(large);
  EXPECT_TRUE(area.contains(large.frameGeometry()));
}

TEST_F(ScreenFitWindows, EveryWindowOfTheProgramOpensInside) {
  AppState state;
  AppWindows windows;
  ScriptedDialogs dialogs;
  testing::ScriptedChoosers choosers;
  RegisterTopicWindows(windows, state, {&dialogs, &choosers, nullptr});
  for (const char* name :
       {"LinearFrm", "Ultra", "InsertValue", "MatrixCValueCVector", "FrmAbout", "FrmFunPicture",
        "ValueCalculus", "NewtonCotes", "CompFormual", "GauseIntegral", "FrmGeneralFunPaint",
        "UsualDiffEquation", "UsDi_Euler", "UsDi_RungeKutta", "UsDi_Adams"}) {
    QWidget* w = windows.Show(name);
    ASSERT_NE(w, nullptr) << name;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    QTest::qWait(100);
    // A window of a fixed size larger than the area (the test screen is small) keeps its
    // upper-left corner inside; every other window lies wholly inside.
    auto inside = [&] {
      const QRect frame = w->frameGeometry();
      const bool fits = frame.width() <= area.width() && frame.height() <= area.height();
      return fits ? area.contains(frame) : area.contains(frame.topLeft());
    };
    EXPECT_TRUE(inside()) << name;
    // Moved partly off the screen and opened again: it comes back inside.
    w->hide();
    w->move(area.right() - 50, area.bottom() - 50);
    windows.Show(name);
    QTest::qWait(100);
    EXPECT_TRUE(inside()) << name;
  }
  windows.CloseInOrder(AppWindows::UnloadOrder());
}

}  // namespace
}  // namespace tessaly
