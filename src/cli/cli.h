// tessaly-cli: runs the worksheet methods, the calculus and ODE window commands and the
// expression engine without windows.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/display_list.h"

namespace tessaly {

// Writes a drawing to a PNG or SVG file (chosen by the name's extension) at the drawing's
// size; on failure returns false with a one-line reason in `error`. The desktop build
// provides one (Qt's painter); without it `--plot` is refused.
using PlotFileWriter =
    std::function<bool(const DisplayList& drawing, const std::string& path, std::string& error)>;

// Writes text to a file so that a failed write leaves any earlier file whole (the program's
// atomic writer); on failure returns false with a one-line reason in `error`.
using TextFileWriter =
    std::function<bool(const std::string& bytes, const std::string& path, std::string& error)>;

// Reads the plain text of a page of the user guide, by its file name ("linear.html"); none
// when there is no such page. The desktop build provides one (the guide is compiled in).
using HelpTextReader = std::function<std::optional<std::string>(std::string_view page)>;

// What tessaly-cli takes from the Qt Gui part of the build; without them --plot and help
// are refused.
struct CliServices {
  PlotFileWriter writePlot;
  HelpTextReader helpText;
  TextFileWriter writeText;  // --csv; without it the file is written in place
};

// Runs the command line (args without the program name). Reads standard input from in,
// writes the result to out and the dialog log and errors to err; returns the exit code:
// 0 when the command ran, 1 when its output could not be written, 2 for a usage error
// (an input that cannot be read and a method the window would keep disabled included).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, const CliServices& services = {});

}  // namespace tessaly
