// tessaly-cli: runs the worksheet methods and the expression engine without windows.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaly {

// Runs the command line (args without the program name). Reads standard input from in,
// writes the result to out and the dialog log and errors to err; returns the exit code:
// 0 when the command ran, 1 when its output could not be written, 2 for a usage error
// (an input that cannot be read and a method the window would keep disabled included).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace tessaly
