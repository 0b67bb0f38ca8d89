// tessaly-cli's runner of the calculus and ODE window commands: the window's controls are
// set with --field NAME=VALUE, its boxes answered with --answer, the plot colour set with
// --colour RRGGBB, and the result box's text goes to standard output; --csv FILE writes an
// ODE table as comma-separated values.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "common/form_command.h"

namespace tessaly {

// Runs `command` with the options in args[first ..]. Returns the exit code. `writeText` writes
// the --csv file (none: written in place).
int RunFormCommand(const FormCommand& command, const std::vector<std::string>& args, size_t first,
                   std::ostream& out, std::ostream& err, const PlotFileWriter& writePlot,
                   const TextFileWriter& writeText = {});

}  // namespace tessaly
