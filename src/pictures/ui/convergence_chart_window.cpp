#include "pictures/ui/convergence_chart_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/plot_view.h"

namespace tessaly {

ConvergenceChartWindow::ConvergenceChartWindow(QString title, WindowServices services,
                                               std::function<void()> clear, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
  setObjectName("ConvergenceChart");
  setWindowTitle(title);
  charts_ = new QVBoxLayout;
  charts_->setSpacing(2);
  clear_ = new QPushButton("清除", this);
  clear_->setObjectName("ClearRuns");
  clear_->setToolTip("清除保留的各次计算");
  status_ = new QLabel(this);
  status_->setObjectName("StatusLine");
  status_->setFrameShape(QFrame::StyledPanel);
  status_->setMinimumHeight(status_->sizeHint().height());
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(status_, 1);
  bottom->addWidget(clear_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(charts_, 1);
  layout->addLayout(bottom);
  connect(clear_, &QPushButton::clicked, this, [this, clear = std::move(clear)] {
    if (clear) clear();
    ShowPanels({});
  });
  resize(kChartWidth + 8, kChartHeight + 60);
}

void ConvergenceChartWindow::ShowPanels(std::vector<ChartPanel> panels) {
  panels_ = std::move(panels);
  if (panels_.empty()) panels_.push_back(ChartPanel{true, "没有保留的计算", ""});
  // One picture box per panel, made or dropped as the kind of chart asks.
  while (pictures_.size() > panels_.size()) {
    delete pictures_.back();
    pictures_.pop_back();
  }
  while (pictures_.size() < panels_.size()) {
    auto* view = new PlotView(this, services_.choosers, services_.dialogs);
    view->setObjectName(QString("ChartPanel%1").arg(pictures_.size() + 1));
    view->SetGridShown(true);
    view->SetCornerCoordinates(false);
    view->setMinimumSize(320, 160);
    connect(view, &PlotView::CursorMoved, status_, &QLabel::setText);
    charts_->addWidget(view, 1);
    pictures_.push_back(view);
  }
  if (panels_.size() > 1 && height() < 2 * kChartHeight * 3 / 4)
    resize(width(), 2 * kChartHeight * 3 / 4 + 60);
  for (size_t i = 0; i < panels_.size(); ++i) {
    pictures_[i]->SetSource([panel = panels_[i]](const ViewBox* view, bool grid, int w, int h) {
      return DrawPanel(panel, view, grid, w, h);
    });
  }
}

}  // namespace tessaly
