#include "roots/ui/iteration_picture_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSlider>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ui/plot_view.h"
#include "pictures/root_pictures.h"

namespace tessaly {

std::vector<int> StepLines(const StepRecord& record, const std::string& report) {
  std::vector<int> lines;
  lines.reserve(record.steps.size());
  size_t at = 0;
  int line = 0;
  for (const IterationStep& s : record.steps) {
    const size_t end = std::min(s.reportOffset, report.size());
    for (; at < end; ++at) {
      if (report[at] == '\n' || (report[at] == '\r' && (at + 1 >= report.size() ||
                                                         report[at + 1] != '\n')))
        ++line;
    }
    lines.push_back(line);
  }
  return lines;
}

IterationPictureWindow::IterationPictureWindow(QPlainTextEdit* report, WindowServices services,
                                               QWidget* parent)
    : QWidget(parent, Qt::Window), report_(report) {
  setObjectName("IterationPicture");
  setWindowTitle("迭代过程图");
  picture_ = new PlotView(this, services.choosers, services.dialogs);
  picture_->SetGridShown(true);
  picture_->SetCornerCoordinates(false);
  picture_->setMinimumSize(320, 240);

  previous_ = new QToolButton(this);
  previous_->setObjectName("PreviousStep");
  previous_->setText("◀");
  next_ = new QToolButton(this);
  next_->setObjectName("NextStep");
  next_->setText("▶");
  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setObjectName("StepSlider");
  slider_->setPageStep(1);
  stepLabel_ = new QLabel(this);
  stepLabel_->setObjectName("StepLabel");
  status_ = new QLabel(this);
  status_->setObjectName("StatusLine");
  status_->setFrameShape(QFrame::StyledPanel);
  status_->setMinimumHeight(status_->sizeHint().height());

  auto* steps = new QHBoxLayout;
  steps->addWidget(previous_);
  steps->addWidget(slider_, 1);
  steps->addWidget(next_);
  steps->addWidget(stepLabel_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(picture_, 1);
  layout->addLayout(steps);
  layout->addWidget(status_);

  connect(slider_, &QSlider::valueChanged, this, [this](int k) { MoveTo(k, true); });
  connect(previous_, &QToolButton::clicked, this, [this] { ShowStep(step_ - 1); });
  connect(next_, &QToolButton::clicked, this, [this] { ShowStep(step_ + 1); });
  for (auto [key, delta] : {std::pair{Qt::Key_Left, -1}, std::pair{Qt::Key_Right, 1}}) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    connect(shortcut, &QShortcut::activated, this, [this, d = delta] { ShowStep(step_ + d); });
  }
  connect(picture_, &PlotView::CursorMoved, status_, &QLabel::setText);
  if (report_)
    connect(report_, &QPlainTextEdit::cursorPositionChanged, this,
            &IterationPictureWindow::ReportCaretMoved);
  resize(kStepPictureWidth + 8, kStepPictureHeight + 80);
}

void IterationPictureWindow::ShowRun(StepRecord record, const std::string& report) {
  record_ = std::move(record);
  lines_ = StepLines(record_, report);
  step_ = StepCount();
  {
    const QSignalBlocker quiet(slider_);
    slider_->setRange(std::min(1, step_), step_);
    slider_->setValue(step_);
  }
  slider_->setEnabled(step_ > 1);
  Redraw(false);
  MoveTo(step_, false);
}

void IterationPictureWindow::ShowStep(int k) { MoveTo(k, true); }

void IterationPictureWindow::MoveTo(int k, bool selectLine) {
  const int n = StepCount();
  k = std::clamp(k, std::min(1, n), n);
  const bool moved = k != step_;
  step_ = k;
  {
    const QSignalBlocker quiet(slider_);
    slider_->setValue(k);
  }
  previous_->setEnabled(k > 1);
  next_->setEnabled(k < n);
  stepLabel_->setText(QString("第 %1 步 / 共 %2 步").arg(k).arg(n));
  if (moved) Redraw(true);
  if (selectLine && report_ && k >= 1 && k <= static_cast<int>(lines_.size())) {
    const QTextBlock block = report_->document()->findBlockByNumber(lines_[k - 1]);
    if (!block.isValid()) return;
    QTextCursor line(block);
    line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    linking_ = true;
    report_->setTextCursor(line);
    report_->ensureCursorVisible();
    linking_ = false;
  }
}

void IterationPictureWindow::ReportCaretMoved() {
  if (linking_ || !report_) return;
  const int block = report_->textCursor().blockNumber();
  const auto at = std::find(lines_.begin(), lines_.end(), block);
  if (at != lines_.end()) MoveTo(static_cast<int>(at - lines_.begin()) + 1, false);
}

void IterationPictureWindow::Redraw(bool keepView) {
  picture_->SetSource(
      [this](const ViewBox* view, bool grid, int w, int h) {
        return DrawStepPicture(record_, {.shown = step_, .view = view, .grid = grid,
                                         .width = w, .height = h});
      },
      keepView);
}

}  // namespace tessaly
