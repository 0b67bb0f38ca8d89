// tessaly-cli's chart of a run that recorded one (--plot for the iterative linear and
// eigenvalue methods and the ODE windows): the same chart the "收敛过程图" and "绘图"
// windows show, for that run alone.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/cli.h"
#include "common/chart_run.h"

namespace tessaly {

// Writes the chart of `run` to `file`, and the chart's notes as "note: ..." lines on err.
// A run that recorded nothing writes no file and says so. Returns the exit code: 0, or 1
// when the file could not be written.
int WriteChartPicture(const ChartRun& run, const std::string& file,
                      const PlotFileWriter& writePlot, std::ostream& err);

}  // namespace tessaly
