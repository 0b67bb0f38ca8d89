#include "cli/hand_over_plot.h"

#include <ostream>

#include "common/dialogs.h"
#include "interp/scatter_plot.h"

namespace tessaly {

int WriteHandedOverPlot(AppState& app, bool handedOver, const std::string& file,
                        const PlotFileWriter& writePlot, std::ostream& err) {
  if (!handedOver) {
    err << "tessaly-cli: no plot was handed over; " << file << " was not written\n";
    return 0;
  }
  const ScatterPlot plot = DrawScatterPlot(app.plot, app.scatterColour);
  if (!plot.message.empty()) err << "message: [" << kAppTitle << "] " << plot.message << "\n";
  std::string error;
  if (!writePlot(plot.picture, file, error)) {
    err << "tessaly-cli: cannot write " << file << ": " << error << "\n";
    return 1;
  }
  return 0;
}

}  // namespace tessaly
