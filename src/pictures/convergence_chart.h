// The convergence charts drawn from recorded runs (common/chart_run.h) on the Chart: the
// change per sweep, the largest off-diagonal modulus per rotation and |f(x_k)| per step on a
// log10 scale with the precision as a horizontal line; the eigenvalue estimate per iterate
// and the change between estimates as two panels; an ODE table's columns against x. Every
// series is a legend entry, so kept runs of several methods compare on one chart.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/chart_run.h"
#include "common/display_list.h"

namespace tessaly {

inline constexpr int kChartWidth = 640;
inline constexpr int kChartHeight = 420;

// One panel's data in the form it is plotted: on a log10 panel the values are their
// logarithms, the values that have none (0, negative, infinite, NaN) left out and counted.
struct ChartPanel {
  ChartPanel(bool log10Axis, std::string panelTitle, std::string axisTitle)
      : log10(log10Axis), title(std::move(panelTitle)), xTitle(std::move(axisTitle)) {}
  bool log10 = false;
  std::string title;   // said in the upper-left corner
  std::string xTitle;  // said at the right end of the horizontal axis
  struct Line {
    std::string name;
    std::vector<double> x, y;  // NaN in y: a gap
  };
  std::vector<Line> lines;
  std::vector<double> levels;  // horizontal lines (the precisions), plotted form
  bool markers = false;        // few points: each one marked
  int leftOut = 0;
};

// The panels of the kept runs (all of one kind): two for the eigenvalue estimates, else one.
std::vector<ChartPanel> MakePanels(const std::vector<const ChartRun*>& runs);

// The view that fits a panel's data with margins.
ViewBox FitPanelView(const ChartPanel& panel);

// A panel drawn at the given size; `view` null: fitted.
DisplayList DrawPanel(const ChartPanel& panel, const ViewBox* view, bool grid, int width,
                      int height);

// Panels drawn one under the other into one picture (for files), each `height` high.
DisplayList DrawStackedPanels(const std::vector<ChartPanel>& panels, int width, int height);

// The note said under a panel for the values it left out; empty when there are none.
std::string LeftOutNote(const ChartPanel& panel);

}  // namespace tessaly
