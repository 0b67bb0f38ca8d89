// tessaly-cli's --plot for worksheet methods: the drawing of the plot a method handed over.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/cli.h"
#include "common/app_state.h"

namespace tessaly {

// Writes the scatter plot of `app`'s hand-over record to `file` when `handedOver`; says on
// one line of `err` when nothing was handed over, and passes on the drawing's message as
// the plot window would show it. Returns the exit code: 0, or 1 when the file could not be
// written.
int WriteHandedOverPlot(AppState& app, bool handedOver, const std::string& file,
                        const PlotFileWriter& writePlot, std::ostream& err);

}  // namespace tessaly
