#include "pictures/ui/charted_worksheet.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "common/ui/app_windows.h"
#include "pictures/convergence_chart.h"

namespace tessaly {

WorksheetChart::WorksheetChart(Worksheet* window, QToolBar* toolbar, WindowServices services)
    : QObject(window), window_(window), services_(services) {
  action_ = new QAction("收敛过程图", window);
  action_->setObjectName("ShowConvergenceChart");
  action_->setToolTip("收敛过程图");
  action_->setEnabled(false);
  connect(action_, &QAction::triggered, this, &WorksheetChart::Show);
  for (QMenu* menu : window->findChildren<QMenu*>()) {
    if (menu->title() != "显示(&V)") continue;
    menu->addSeparator();
    menu->addAction(action_);
    break;
  }
  if (toolbar) {
    toolbar->addSeparator();
    toolbar->addAction(action_);
    if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action_)))
      button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  }
}

void WorksheetChart::Finished(ChartRun run) {
  // The action follows the last run; the kept runs stay for the next one on the same input.
  action_->setEnabled(!run.Empty());
  kept_.Add(std::move(run));
  if (chart_) chart_->ShowPanels(MakePanels(kept_.Shown()));
}

void WorksheetChart::Show() {
  if (!chart_) {
    chart_ = new ConvergenceChartWindow("收敛过程图", services_, [this] { kept_.Clear(); },
                                        window_);
    chart_->setAttribute(Qt::WA_DeleteOnClose);
    if (services_.windows)
      services_.windows->Adopt(window_->objectName() + "ConvergenceChart", chart_);
  }
  chart_->ShowPanels(MakePanels(kept_.Shown()));
  chart_->show();
  chart_->raise();
  chart_->activateWindow();
}

ChartedWorksheet::ChartedWorksheet(WorksheetDescription description, WindowServices services)
    : Worksheet(std::move(description), services),
      chart_(new WorksheetChart(this, Toolbar1(), services)) {}

void ChartedWorksheet::PrepareMethod(MethodContext& context) {
  run_ = ChartRun{};
  context.chartRun = &run_;
}

void ChartedWorksheet::MethodFinished() {
  chart_->Finished(std::move(run_));
  run_ = ChartRun{};
}

}  // namespace tessaly
