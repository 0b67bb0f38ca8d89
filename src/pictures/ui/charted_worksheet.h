// The convergence chart of a worksheet: "收敛过程图" in the window's 显示 menu and toolbar,
// enabled when the last run recorded something to draw; the runs on the same input kept for
// comparison; the chart window, which follows every new run while it is open.
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>

#include "common/chart_run.h"
#include "pictures/chart_comparison.h"
#include "pictures/ui/convergence_chart_window.h"
#include "worksheet/ui/worksheet_window.h"

class QToolBar;

namespace tessaly {

class WorksheetChart : public QObject {
  Q_OBJECT
 public:
  WorksheetChart(Worksheet* window, QToolBar* toolbar, WindowServices services);

  QAction* Action() const { return action_; }
  // A run has ended: keeps it (when it recorded something) and updates the action and chart.
  void Finished(ChartRun run);
  // Opens (or brings to the front) the chart of the kept runs.
  void Show();
  ConvergenceChartWindow* Window() const { return chart_; }
  const ChartComparison& Kept() const { return kept_; }

 private:
  Worksheet* window_;
  WindowServices services_;
  ChartComparison kept_;
  QAction* action_;
  QPointer<ConvergenceChartWindow> chart_;
};

// A worksheet whose methods record their runs for the chart through the method context.
class ChartedWorksheet : public Worksheet {
  Q_OBJECT
 public:
  ChartedWorksheet(WorksheetDescription description, WindowServices services);
  WorksheetChart* Chart() const { return chart_; }

 protected:
  void PrepareMethod(MethodContext& context) override;
  void MethodFinished() override;

 private:
  ChartRun run_;
  WorksheetChart* chart_;
};

}  // namespace tessaly
