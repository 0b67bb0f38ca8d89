// What a `tessaly-cli run` writes, for worksheet methods and window buttons alike: usage
// errors, the log of the boxes shown, the picture file and the result text.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/cli.h"
#include "common/app_state.h"
#include "common/display_list.h"
#include "common/scripted_dialogs.h"

namespace tessaly {

// One line "tessaly-cli: MESSAGE" on err; returns the usage exit code, 2.
int UsageError(std::ostream& err, const std::string& message);

// The refusal of --plot by a tessaly-cli built without pictures (no writer).
inline constexpr const char* kNoPicturesMessage =
    "this tessaly-cli was built without pictures; --plot is not available";

// The refusal of `--plot ''`.
inline constexpr const char* kEmptyPlotFileMessage =
    "--plot takes a file name, FILE.png or FILE.svg";

// Every box the run showed, one log line each, in the order shown.
void LogShownBoxes(const ScriptedDialogs& dialogs, std::ostream& err);

// Writes `drawing` to `file`; returns 0, or 1 after a one-line reason when it cannot.
int WritePlotFile(const DisplayList& drawing, const std::string& file,
                  const PlotFileWriter& writePlot, std::ostream& err);

// Writes the scatter plot of `app`'s hand-over record to `file` when `handedOver`; says on
// one line of `err` when nothing was handed over, and passes on the drawing's message as
// the plot window would show it. Returns the exit code: 0, or 1 when the file could not be
// written.
int WriteHandedOverPlot(AppState& app, bool handedOver, const std::string& file,
                        const PlotFileWriter& writePlot, std::ostream& err);

// The result text on out, its CR LF line breaks as LF when `lf`.
void WriteResultText(std::ostream& out, const std::string& text, bool lf);

}  // namespace tessaly
