// tessaly-cli's picture of an iterative method's steps (--plot with --step), the same
// picture the step picture window shows.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "cli/cli.h"
#include "pictures/step_record.h"

namespace tessaly {

// Reads the value of --step: a step number from 1. Nothing for anything else.
std::optional<int> ParseStepNumber(const std::string& text);

// Writes the picture of steps 1 .. step (all steps when none) of `record` to `file`, and
// the picture's notes as "note: ..." lines on err. A record without steps writes no file
// and says so. Returns the exit code: 0, or 1 when the file could not be written.
int WriteStepPicture(const StepRecord& record, std::optional<int> step, const std::string& file,
                     const PlotFileWriter& writePlot, std::ostream& err);

}  // namespace tessaly
