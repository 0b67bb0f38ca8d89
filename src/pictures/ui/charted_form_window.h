// A form window whose command records its run for a chart (the ODE windows): a "绘图"
// button beside the command button, enabled when the last run recorded something, opens the
// picture of the kept runs. Windows that share one KeptCharts overlay each other's runs on
// the same problem in one picture.
#pragma once

#include <QPointer>
#include <QPushButton>
#include <memory>

#include "common/chart_run.h"
#include "common/ui/form_window.h"
#include "pictures/chart_comparison.h"
#include "pictures/ui/convergence_chart_window.h"

namespace tessaly {

struct KeptCharts {
  ChartComparison runs;
  QPointer<ConvergenceChartWindow> window;
};

class ChartedFormWindow : public FormWindow {
  Q_OBJECT
 public:
  ChartedFormWindow(FormWindowDescription description, WindowServices services,
                    std::shared_ptr<KeptCharts> kept);

  QPushButton* ChartButton() const { return chartButton_; }
  void ShowChart();
  ConvergenceChartWindow* ChartWindow() const { return kept_->window; }

 protected:
  void PrepareCommand(FormContext& context) override;
  void CommandFinished() override;

 private:
  WindowServices services_;
  std::shared_ptr<KeptCharts> kept_;
  ChartRun run_;
  QPushButton* chartButton_;
};

}  // namespace tessaly
