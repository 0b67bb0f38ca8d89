// The step picture of the Ultra window: enabled by a run that recorded steps, linked with
// the result pane both ways, zoomed with a fresh sampling of f.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTextBlock>

#include "common/ui/plot_view.h"
#include "roots/ui/ultra_window.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

TEST(IterationPicture, StepsLinkWithTheReportBothWaysAndZoomResamples) {
  testing::EnsureApp();
  ScriptedDialogs dialogs({"1", "2", "0.01"});
  testing::ScriptedChoosers choosers;
  std::unique_ptr<Worksheet> w(CreateUltra({&dialogs, &choosers, nullptr}));
  auto* ultra = dynamic_cast<UltraWindow*>(w.get());
  ASSERT_NE(ultra, nullptr);
  EXPECT_FALSE(ultra->PictureAction()->isEnabled());
  w->SetInputText("x^2-2");
  w->Action("CalculateDichotomy")->trigger();
  ASSERT_TRUE(ultra->PictureAction()->isEnabled());
  ultra->PictureAction()->trigger();
  IterationPictureWindow* p = ultra->PictureWindow();
  ASSERT_NE(p, nullptr);
  const int n = p->StepCount();
  ASSERT_EQ(n, 7);
  EXPECT_EQ(p->StepLabel()->text(), "第 7 步 / 共 7 步");

  // Step 3 selects its line; the caret on step 5's line moves the picture there.
  p->Slider()->setValue(3);
  EXPECT_EQ(p->StepLabel()->text(), "第 3 步 / 共 7 步");
  EXPECT_TRUE(w->Text2()->textCursor().selectedText().startsWith(" x3 = 1.375"));
  QTextCursor caret(w->Text2()->document()->findBlockByNumber(2 + 4));
  w->Text2()->setTextCursor(caret);
  EXPECT_EQ(p->Step(), 5);
  EXPECT_EQ(p->Slider()->value(), 5);
  caret.movePosition(QTextCursor::Start);  // the heading is no step: the picture stays
  w->Text2()->setTextCursor(caret);
  EXPECT_EQ(p->Step(), 5);

  // Zoomed in four times around the middle: the curve is sampled across the new view only.
  p->Picture()->resize(640, 480);
  const ViewBox before = p->Picture()->Drawing().View();
  p->Picture()->ZoomAt(QPointF(320, 240), 0.25);
  const DisplayList& zoomed = p->Picture()->Drawing();
  EXPECT_NEAR(zoomed.right - zoomed.left, (before.right - before.left) / 4, 1e-12);
  int curve = 0;
  for (const PlotLine& l : zoomed.lines)
    if (l.colour == 0x1f5fbfu) {
      ++curve;
      EXPECT_GE(l.x1, zoomed.left - 1e-12);
      EXPECT_LE(l.x2, zoomed.right + 1e-12);
    }
  EXPECT_EQ(curve, 2 * 640);
  EXPECT_TRUE(p->Picture()->CoordinatesText(QPointF(320, 240)).startsWith("x = "));
  p->Picture()->FitView();
  EXPECT_FALSE(p->Picture()->Zoomed());

  // A run that records no steps (Cancel at the first box) closes the picture.
  dialogs = ScriptedDialogs({""});
  w->Action("CalculateDichotomy")->trigger();
  EXPECT_FALSE(ultra->PictureAction()->isEnabled());
}

}  // namespace
}  // namespace tessaly
