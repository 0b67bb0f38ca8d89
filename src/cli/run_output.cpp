#include "cli/run_output.h"

#include <ostream>

#include "common/dialogs.h"
#include "common/text_util.h"
#include "interp/scatter_plot.h"

namespace tessaly {

int UsageError(std::ostream& err, const std::string& message) {
  err << "tessaly-cli: " << message << "\n";
  return 2;
}

void LogShownBoxes(const ScriptedDialogs& dialogs, std::ostream& err) {
  for (const auto& box : dialogs.Shown()) err << box.LogLine() << "\n";
}

int WritePlotFile(const DisplayList& drawing, const std::string& file,
                  const PlotFileWriter& writePlot, std::ostream& err) {
  std::string error;
  if (writePlot(drawing, file, error)) return 0;
  err << "tessaly-cli: cannot write " << file << ": " << error << "\n";
  return 1;
}

int WriteHandedOverPlot(AppState& app, bool handedOver, const std::string& file,
                        const PlotFileWriter& writePlot, std::ostream& err) {
  if (!handedOver) {
    err << "tessaly-cli: no plot was handed over; " << file << " was not written\n";
    return 0;
  }
  const ScatterPlot plot = DrawScatterPlot(app.plot, app.scatterColour);
  if (!plot.message.empty()) err << "message: [" << kAppTitle << "] " << plot.message << "\n";
  return WritePlotFile(plot.picture, file, writePlot, err);
}

void WriteResultText(std::ostream& out, const std::string& text, bool lf) {
  out << (lf ? ReplaceAll(text, "\r\n", "\n") : text);
}

}  // namespace tessaly
