// Layout of the worksheet windows and the splitter drag, in twips.
//
// The arithmetic works in the central area below the toolbar and above the status bar.
// "Outer width" in the pane formulas is the client width plus the window border the
// formulas allow for (140 twips), so the result pane ends exactly at the right edge.
#include <QResizeEvent>
#include <QStatusBar>
#include <QToolBar>

#include "common/ui/twips.h"
#include "worksheet/ui/splitter_bar.h"
#include "worksheet/ui/worksheet_window.h"
#include "worksheet/worksheet_rules.h"

namespace tessaly {
namespace {

constexpr double kBorderTwips = 140;
constexpr double kSingleLineTwips = 360;  // the formula box's design height

}  // namespace

double Worksheet::OuterWidthTwips() const { return Twips(width()) + kBorderTwips; }

void Worksheet::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Form_Resize();
}

void Worksheet::Form_Resize() {
  if (isMinimized()) return;
  // Snap a window that has become too small back to the minimum outer size.
  const QSize frame = frameGeometry().size() - geometry().size();
  const double outerW = Twips(width() + frame.width());
  const double outerH = Twips(height() + frame.height());
  const double w = SnapOuterSize(outerW, description_.minOuterTwips);
  const double h = SnapOuterSize(outerH, description_.minOuterTwips);
  if (w != outerW || h != outerH) {
    resize(Px(w) - frame.width(), Px(h) - frame.height());
    return;  // the resize comes back here with the new size
  }
  if (description_.topBottom) {
    LayoutTopBottom();
    return;
  }
  SizeControls(split_);
  const double H = Twips(central_->height());
  if (H <= 0) return;
  Text1()->setGeometry(Px(description_.inputLeftTwips), 0, Px(split_), Px(H));
  imgSplitter_->setGeometry(Px(description_.inputLeftTwips + split_), 0, Px(description_.splitterTwips), Px(H));
  const double resultLeft = description_.inputLeftTwips + split_ + description_.splitterTwips;
  const double resultWidth = OuterWidthTwips() - split_ - description_.splitterTwips - kBorderTwips;
  text2_->setGeometry(Px(resultLeft), 0, std::max(0, Px(resultWidth)), Px(H));
  imgSplitter_->raise();
}

void Worksheet::SizeControls(double x) {
  x = ClampSplitPosition(x, OuterWidthTwips());
  split_ = x;
  const int top = Text1()->y();
  const int height = Text1()->height();
  Text1()->setGeometry(Text1()->x(), top, Px(x), height);
  imgSplitter_->setGeometry(Px(x), top, Px(description_.splitterTwips), height);
  const double resultWidth = OuterWidthTwips() - (x + kBorderTwips) - description_.splitterTwips;
  text2_->setGeometry(Px(x + description_.splitterTwips), top, std::max(0, Px(resultWidth)), height);
  if (progress_ && progress_->isVisible())
    progress_->setGeometry(Text1()->x(), progress_->y(), Text1()->width(), progress_->height());
}

void Worksheet::LayoutTopBottom() {
  const double H = Twips(central_->height());
  if (H <= description_.splitterTwips) return;
  const double top = 50;
  const double width = OuterWidthTwips() - 200;
  if (inputHeight_ <= 0) inputHeight_ = kSingleLineTwips;
  Text1()->setGeometry(0, Px(top), Px(width), Px(inputHeight_));
  imgSplitter_->setGeometry(0, Px(top + inputHeight_), Px(width), Px(description_.splitterTwips));
  const double resultTop = inputHeight_ + description_.splitterTwips;
  const double resultHeight = H - inputHeight_ - description_.splitterTwips;
  text2_->setGeometry(0, Px(resultTop), Px(width), std::max(0, Px(resultHeight)));
  imgSplitter_->raise();
}

void Worksheet::SplitterMouseDown() {
  if (description_.topBottom) {
    ghost_ = Twips(imgSplitter_->y());
    picSplitter_->setGeometry(0, imgSplitter_->y(), width(), imgSplitter_->height());
  } else {
    ghost_ = Twips(imgSplitter_->x());
    picSplitter_->setGeometry(imgSplitter_->x(), imgSplitter_->y(), imgSplitter_->width() / 2,
                              std::max(0, imgSplitter_->height() - Px(20)));
  }
  picSplitter_->show();
  picSplitter_->raise();
  dragging_ = true;
}

void Worksheet::SplitterMouseMove(int offsetPx) {
  if (!dragging_) return;
  if (description_.topBottom) {
    // The limits are measured from the window's inner top, above the toolbar.
    const double toolbar = Twips(toolbar_->height());
    const double inner = Twips(centralWidget()->height()) + toolbar + Twips(statusBar()->height());
    const double p = Twips(imgSplitter_->y() + offsetPx) + toolbar;
    ghost_ = ClampGhostBarVertical(p, inner, Twips(statusBar()->height())) - toolbar;
    picSplitter_->move(0, Px(ghost_));
  } else {
    const double p = Twips(imgSplitter_->x() + offsetPx);
    ghost_ = ClampGhostBar(p, OuterWidthTwips());
    picSplitter_->move(Px(ghost_), picSplitter_->y());
  }
}

void Worksheet::SplitterMouseUp() {
  if (!dragging_) return;
  if (description_.topBottom) {
    inputHeight_ = ghost_;
    LayoutTopBottom();
  } else {
    SizeControls(ghost_);
  }
  picSplitter_->hide();
  dragging_ = false;
}

}  // namespace tessaly
