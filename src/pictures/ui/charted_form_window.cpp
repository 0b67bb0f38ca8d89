#include "pictures/ui/charted_form_window.h"

#include "common/ui/app_windows.h"

namespace tessaly {

ChartedFormWindow::ChartedFormWindow(FormWindowDescription description, WindowServices services,
                                     std::shared_ptr<KeptCharts> kept)
    : FormWindow(std::move(description), services), services_(services), kept_(std::move(kept)) {
  chartButton_ = new QPushButton("绘图", this);
  chartButton_->setObjectName("PlotSolution");
  chartButton_->setEnabled(false);
  ButtonRow()->addWidget(chartButton_);
  connect(chartButton_, &QPushButton::clicked, this, &ChartedFormWindow::ShowChart);
}

void ChartedFormWindow::PrepareCommand(FormContext& context) {
  run_ = ChartRun{};
  context.chartRun = &run_;
}

void ChartedFormWindow::CommandFinished() {
  chartButton_->setEnabled(!run_.Empty());
  kept_->runs.Add(std::move(run_));
  run_ = ChartRun{};
  if (kept_->window) kept_->window->ShowPanels(MakePanels(kept_->runs.Shown()));
}

void ChartedFormWindow::ShowChart() {
  if (!kept_->window) {
    // The picture belongs to no one window: every window that shares the kept runs shows
    // its runs there.
    std::weak_ptr<KeptCharts> weak = kept_;
    kept_->window = new ConvergenceChartWindow("绘图", services_, [weak] {
      if (auto kept = weak.lock()) kept->runs.Clear();
    });
    kept_->window->setAttribute(Qt::WA_DeleteOnClose);
    if (services_.windows) services_.windows->Adopt("SolutionChart", kept_->window);
  }
  kept_->window->ShowPanels(MakePanels(kept_->runs.Shown()));
  kept_->window->show();
  kept_->window->raise();
  kept_->window->activateWindow();
}

}  // namespace tessaly
