#include "cli/chart_output.h"

#include <ostream>

#include "cli/run_output.h"
#include "pictures/convergence_chart.h"

namespace tessaly {

int WriteChartPicture(const ChartRun& run, const std::string& file,
                      const PlotFileWriter& writePlot, std::ostream& err) {
  if (run.Empty()) {
    err << "tessaly-cli: nothing was drawn; " << file << " was not written\n";
    return 0;
  }
  const std::vector<ChartPanel> panels = MakePanels({&run});
  for (const ChartPanel& panel : panels) {
    const std::string note = LeftOutNote(panel);
    if (!note.empty()) err << "note: " << note << "\n";
  }
  return WritePlotFile(DrawStackedPanels(panels, kChartWidth, kChartHeight), file, writePlot,
                       err);
}

}  // namespace tessaly
