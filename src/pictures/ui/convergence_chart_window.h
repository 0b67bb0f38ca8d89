// "收敛过程图": the convergence chart of a window's kept runs: one picture box per panel
// (the eigenvalue charts have two), zoom, pan and coordinates as in every picture, the
// coordinates in a status line, and 清除 to forget the kept runs.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "common/ui/window_services.h"
#include "pictures/convergence_chart.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tessaly {

class PlotView;

class ConvergenceChartWindow : public QWidget {
  Q_OBJECT
 public:
  // `clear` forgets the runs kept by the window that opened the chart.
  ConvergenceChartWindow(QString title, WindowServices services, std::function<void()> clear,
                         QWidget* parent = nullptr);

  // Shows these panels (none: an empty chart that says so).
  void ShowPanels(std::vector<ChartPanel> panels);

  const std::vector<PlotView*>& Pictures() const { return pictures_; }
  QPushButton* ClearButton() const { return clear_; }
  QLabel* StatusLine() const { return status_; }

 private:
  WindowServices services_;
  std::vector<ChartPanel> panels_;
  std::vector<PlotView*> pictures_;
  QVBoxLayout* charts_;
  QPushButton* clear_;
  QLabel* status_;
};

}  // namespace tessaly
