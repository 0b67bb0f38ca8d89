#include "cli/form_runner.h"
#include "cli/interrupt.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <ostream>

#include "cli/chart_output.h"
#include "cli/run_output.h"
#include "common/scripted_dialogs.h"
#include "common/text_util.h"

namespace tessaly {
namespace {

// The item of a drop-down list that `value` names: the item of that exact text, else the
// one item that equals it once both are trimmed of blanks ("2" names NewtonCotes' "2 ").
const std::string* FindItem(const FormControl& control, const std::string& value) {
  for (const std::string& item : control.items)
    if (item == value) return &item;
  const std::string* found = nullptr;
  for (const std::string& item : control.items)
    if (TrimBlanks(item) == TrimBlanks(value)) {
      if (found) return nullptr;
      found = &item;
    }
  return found;
}

// A colour written as RRGGBB (six hexadecimal digits, "#" allowed in front).
std::optional<Rgb> ReadColour(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != 6) return std::nullopt;
  Rgb colour = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, colour, 16);
  if (error != std::errc() || stop != end) return std::nullopt;
  return colour;
}

// Writes the table's comma-separated values to `file`; 0, or 1 after a one-line reason.
int WriteCsvFile(const std::string& csv, const std::string& file, const TextFileWriter& writeText,
                 std::ostream& err) {
  if (writeText) {
    std::string reason;
    if (writeText(csv, file, reason)) return 0;
    err << "tessaly-cli: cannot write " << file << (reason.empty() ? "" : ": " + reason) << "\n";
    return 1;
  }
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (out) out.write(csv.data(), static_cast<std::streamsize>(csv.size()));
  if (out) out.close();
  if (out) return 0;
  err << "tessaly-cli: cannot write " << file << "\n";
  return 1;
}

std::string ControlList(const FormCommand& command) {
  std::string names;
  for (const FormControl& c : command.controls) names += (names.empty() ? "" : ", ") + c.name;
  return names;
}

}  // namespace

int RunFormCommand(const FormCommand& command, const std::vector<std::string>& args, size_t first,
                   std::ostream& out, std::ostream& err, const PlotFileWriter& writePlot,
                   const TextFileWriter& writeText) {
  FormFields fields(command.controls);
  std::vector<std::string> answers;
  std::string plotFile;
  std::string csvFile;
  AppState app;  // the plot colour starts black, as in the program
  bool lf = false;
  for (size_t i = first; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--field" && hasValue) {
      const std::string& setting = args[++i];
      const size_t eq = setting.find('=');
      if (eq == std::string::npos) return UsageError(err, "--field takes NAME=VALUE");
      const std::string name = setting.substr(0, eq);
      std::string value = setting.substr(eq + 1);
      const FormControl* control = command.Control(name);
      if (!control)
        return UsageError(err, command.window + " has no control '" + name +
                                   "' (its controls: " + ControlList(command) + ")");
      if (control->IsList()) {
        const std::string* item = FindItem(*control, value);
        if (!item) return UsageError(err, "'" + value + "' is not an item of " + name);
        value = *item;
      } else if (control->max > 0) {
        // Held in range as the window holds the box while the user types.
        value = HeldInRange(value, control->min, control->max);
      }
      fields.Set(name, std::move(value));
    } else if (a == "--answer" && hasValue) {
      answers.push_back(args[++i]);
    } else if (a == "--plot" && hasValue) {
      plotFile = args[++i];
      if (plotFile.empty()) return UsageError(err, kEmptyPlotFileMessage);
    } else if (a == "--csv" && hasValue) {
      csvFile = args[++i];
    } else if (a == "--colour" && hasValue) {
      // The plot colour the calculus menu window would have set.
      const std::optional<Rgb> colour = ReadColour(args[++i]);
      if (!colour) return UsageError(err, "--colour takes six hexadecimal digits RRGGBB");
      app.plotColour = *colour;
    } else if (a == "--lf") {
      lf = true;
    } else if (a == "--input" || a == "--digits") {
      return UsageError(err, command.window + " has no input pane or Decimal digits; set its " +
                                 "controls with --field NAME=VALUE");
    } else {
      return UsageError(err, "unexpected argument '" + a + "'");
    }
  }
  if (!plotFile.empty() && !writePlot) return UsageError(err, kNoPicturesMessage);
  if (!csvFile.empty() && !command.csvTable)
    return UsageError(err, command.Key() + " gives no table; --csv is for the ODE commands");
  if (!command.Enabled(fields))
    return UsageError(err, command.Key() + " is disabled for these fields (the window keeps " +
                               command.control + " disabled while a box it needs is blank)");

  ScriptedDialogs dialogs(answers);
  ChartRun chart;  // the ODE windows' columns, drawn for --plot
  FormContext ctx{fields, dialogs, app, plotFile.empty() ? nullptr : &chart};
  InterruptCancels interrupts;
  ctx.progress = interrupts.progress();
  FormOutcome outcome;
  try {
    outcome = command.run(ctx);
    // The window shows its warning once the result is in its box.
    if (!outcome.warning.empty())
      dialogs.MsgBox(outcome.warning, MsgButtons::Ok, MsgIcon::Exclamation);
  } catch (const ScriptError& e) {
    LogShownBoxes(dialogs, err);
    return UsageError(err, e.what());
  } catch (const MethodCancelled&) {
    // The result box held nothing of the run: it says that it was cancelled.
    LogShownBoxes(dialogs, err);
    WriteResultText(out, std::string(kCancelledResult), lf);
    return kInterruptedStatus;
  }
  LogShownBoxes(dialogs, err);

  if (!plotFile.empty()) {
    if (!outcome.picture && chart.kind != ChartKind::None) {
      if (int code = WriteChartPicture(chart, plotFile, writePlot, err)) return code;
    } else if (!outcome.picture)
      err << "tessaly-cli: nothing was drawn; " << plotFile << " was not written\n";
    else if (int code = WritePlotFile(*outcome.picture, plotFile, writePlot, err))
      return code;
  }
  if (!csvFile.empty()) {
    if (!outcome.csv)
      err << "tessaly-cli: no table was computed; " << csvFile << " was not written\n";
    else if (int code = WriteCsvFile(outcome.csv(), csvFile, writeText, err))
      return code;
  }
  // A fresh window's result box is empty; a command that stops early leaves it so.
  WriteResultText(out, outcome.result.value_or(std::string()), lf);
  return 0;
}

}  // namespace tessaly
