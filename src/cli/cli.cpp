#include "cli/cli.h"
#include "cli/interrupt.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "cli/chart_output.h"
#include "cli/form_runner.h"
#include "cli/run_output.h"
#include "cli/step_picture_output.h"
#include "common/form_command.h"
#include "common/help_pages.h"
#include "common/method_registry.h"
#include "common/number_text.h"
#include "common/scripted_dialogs.h"
#include "common/text_util.h"
#include "expr/formula.h"
#include "pictures/residual_run.h"
#include "worksheet/worksheet_rules.h"

namespace tessaly {
namespace {

constexpr const char* kUsage =
    "usage: tessaly-cli list\n"
    "       tessaly-cli run WINDOW.ITEM [--input FILE] [--answer TEXT]... [--digits N]\n"
    "                   [--plot FILE.png|FILE.svg [--step K | --convergence]] [--lf]\n"
    "       tessaly-cli run WINDOW.BUTTON [--field NAME=VALUE]... [--answer TEXT]...\n"
    "                   [--plot FILE.png|FILE.svg] [--colour RRGGBB] [--csv FILE] [--lf]\n"
    "       tessaly-cli controls WINDOW.BUTTON\n"
    "       tessaly-cli eval FORMULA [X [Y]]\n"
    "       tessaly-cli help [WINDOW]\n";

// The largest Decimal digits setting of each window that has one (0: the window has none).
int MaxDigits(const std::string& window) {
  if (window == "LinearFrm") return kLinearDigitsMax;
  if (window == "MatrixCValueCVector") return kEigenDigitsMax;
  return 0;
}

// The largest input `run` reads: more than any window's input pane is meant to hold, and
// little enough that an endless input (/dev/zero, a pipe that never closes) ends at once.
constexpr size_t kMaxInputBytes = size_t{64} << 20;  // 64 MiB

enum class InputRead { kRead, kFailed, kTooLarge };

// Reads the whole input, up to kMaxInputBytes. A read that fails (a folder, a device that
// fails, a closed standard input) sets the stream's badbit: the file buffers report it by
// throwing, which the stream catches.
InputRead ReadAll(std::istream& in, std::string& bytes) {
  char buffer[1 << 16];
  try {
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
      const size_t got = static_cast<size_t>(in.gcount());
      if (bytes.size() + got > kMaxInputBytes) return InputRead::kTooLarge;
      bytes.append(buffer, got);
    }
  } catch (const std::exception&) {
    return InputRead::kFailed;
  }
  return in.bad() ? InputRead::kFailed : InputRead::kRead;
}

// The input pane's text as the window holds it once the input is loaded into it (File
// Open's rule: a one-line pane takes the first line), in `text`.
InputRead LoadInput(const MethodEntry& method, const std::string& inputFile, std::istream& in,
                    std::string& text) {
  std::string bytes;
  InputRead read = InputRead::kFailed;
  if (inputFile == "-") {
    read = ReadAll(in, bytes);
  } else if (std::ifstream file(inputFile, std::ios::binary); file) {
    read = ReadAll(file, bytes);
  }
  if (read == InputRead::kRead) text = InputTextFromFile(method.window, bytes);
  return read;
}

// Whether the whole text is one finite decimal number ("3", "2.5", "-1e3").
bool IsNumber(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && std::isfinite(value);
}

int List(std::ostream& out) {
  for (const auto& e : AllMethods().Entries()) out << e.Key() << "  " << e.caption << "\n";
  for (const auto& c : AllFormCommands().Entries()) out << c.Key() << "  " << c.caption << "\n";
  return 0;
}

// The controls a window button's --field can set: a text box as NAME, a drop-down list as
// NAME=ITEM once per item (what the shell completion offers).
int Controls(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return UsageError(err, "controls needs one WINDOW.BUTTON");
  const FormCommand* command = AllFormCommands().Find(args[1]);
  if (!command)
    return UsageError(err, "no window button '" + args[1] + "' (see tessaly-cli list)");
  for (const FormControl& c : command->controls) {
    if (!c.IsList()) out << c.name << "\n";
    for (const std::string& item : c.items) out << c.name << "=" << item << "\n";
  }
  return 0;
}

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err, const CliServices& services) {
  const PlotFileWriter& writePlot = services.writePlot;
  if (args.size() < 2) return UsageError(err, "run needs a method, e.g. Ultra.CalculateDichotomy");
  const MethodEntry* method = AllMethods().Find(args[1]);
  if (!method) {
    if (const FormCommand* command = AllFormCommands().Find(args[1]))
      return RunFormCommand(*command, args, 2, out, err, writePlot, services.writeText);
    return UsageError(err, "unknown method '" + args[1] + "' (see tessaly-cli list)");
  }

  std::string inputFile = "-";
  std::vector<std::string> answers;
  std::string plotFile;
  std::optional<int> plotStep;
  bool convergence = false;  // a root finder's convergence chart instead of its steps
  int digits = 6;
  bool lf = false;
  for (size_t i = 2; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool hasValue = i + 1 < args.size();
    if (a == "--input" && hasValue) {
      inputFile = args[++i];
    } else if (a == "--answer" && hasValue) {
      answers.push_back(args[++i]);
    } else if (a == "--digits" && hasValue) {
      int max = MaxDigits(method->window);
      if (max == 0) return UsageError(err, method->window + " has no Decimal digits setting");
      if (!IsNumber(args[++i])) return UsageError(err, "--digits takes a number");
      // Clamped exactly as the window clamps its Decimal digits answer.
      digits = ParseDecimalDigits(args[i], max);
    } else if (a == "--plot" && hasValue) {
      plotFile = args[++i];
      if (plotFile.empty()) return UsageError(err, kEmptyPlotFileMessage);
    } else if (a == "--convergence") {
      convergence = true;
    } else if (a == "--step" && hasValue) {
      plotStep = ParseStepNumber(args[++i]);
      if (!plotStep) return UsageError(err, "--step needs a step number from 1");
    } else if (a == "--lf") {
      lf = true;
    } else {
      return UsageError(err, "unexpected argument '" + a + "'");
    }
  }
  if (!plotFile.empty() && !writePlot) return UsageError(err, kNoPicturesMessage);
  if (plotStep && plotFile.empty()) return UsageError(err, "--step needs --plot");
  if (convergence && plotFile.empty()) return UsageError(err, "--convergence needs --plot");
  if (convergence && plotStep) return UsageError(err, "--step and --convergence exclude each other");

  std::string input;
  const InputRead read = LoadInput(*method, inputFile, in, input);
  const std::string source = inputFile == "-" ? "standard input" : "'" + inputFile + "'";
  if (read == InputRead::kFailed) return UsageError(err, "cannot read " + source);
  if (read == InputRead::kTooLarge)
    return UsageError(err, "input too large: " + source + " holds more than 64 MiB");
  // The window keeps its method menu disabled for a blank input pane.
  if (!MethodMenuEnabled(input))
    return UsageError(err,
                      method->Key() + " is disabled: the " +
                          (HasOneLineInput(method->window) ? "first line of the input" : "input") +
                          " is blank");

  ResultPane pane;
  ScriptedDialogs dialogs(answers);
  MethodContext ctx{std::move(input), pane, dialogs, digits};
  // A method that plots hands its plot over as it would to the plot window.
  AppState app;
  bool handedOver = false;
  ctx.plot = &app.plot;
  ctx.showPlot = [&handedOver] { handedOver = true; };
  StepRecord steps;  // the iterative methods draw their steps
  ctx.stepRecord = &steps;
  ChartRun chart;  // the methods with a convergence chart record their run for --plot
  if (!plotFile.empty()) ctx.chartRun = &chart;
  InterruptCancels interrupts;
  ctx.progress = interrupts.progress();
  try {
    method->run(ctx);
  } catch (const ScriptError& e) {
    LogShownBoxes(dialogs, err);
    return UsageError(err, e.what());
  } catch (const MethodCancelled&) {
    LogShownBoxes(dialogs, err);
    pane.Append(kCancelledLine);
    WriteResultText(out, pane.Text(), lf);
    return kInterruptedStatus;
  }
  LogShownBoxes(dialogs, err);
  if (!plotFile.empty()) {
    const int code = steps.method != StepMethod::None && convergence
                         ? WriteChartPicture(ResidualRun(steps, ctx.input), plotFile, writePlot, err)
                     : steps.method != StepMethod::None
                         ? WriteStepPicture(steps, plotStep, plotFile, writePlot, err)
                     : chart.kind != ChartKind::None
                         ? WriteChartPicture(chart, plotFile, writePlot, err)
                         : WriteHandedOverPlot(app, handedOver, plotFile, writePlot, err);
    if (code) return code;
  }
  WriteResultText(out, pane.Text(), lf);
  return 0;
}

// The plain text of the guide's start page, or of a topic window's page.
int Help(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
         const HelpTextReader& helpText) {
  if (args.size() > 2) return UsageError(err, "help takes at most one WINDOW");
  std::string_view page = HelpPages().front().file;
  if (args.size() == 2) {
    const std::optional<HelpPage> topic = TopicHelpPage(args[1]);
    if (!topic) {
      std::string windows;
      for (const HelpPage& p : HelpPages())
        if (!p.window.empty()) windows += (windows.empty() ? "" : ", ") + std::string(p.window);
      return UsageError(err, "no guide page for '" + args[1] + "' (one of " + windows + ")");
    }
    page = topic->file;
  }
  if (!helpText) return UsageError(err, "this tessaly-cli was built without the user guide");
  const std::optional<std::string> text = helpText(page);
  if (!text) return UsageError(err, "the guide has no page " + std::string(page));
  out << *text;
  out.flush();
  return out ? 0 : 1;
}

int Eval(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2 || args.size() > 4) return UsageError(err, "eval needs FORMULA [X [Y]]");
  std::string canonical = NormalizeFormula(args[1]);
  double x = args.size() > 2 ? LeadingNumber(args[2]) : 0.0;
  out << "canonical: " << canonical << "\n";
  if (args.size() > 3) {
    double y = LeadingNumber(args[3]);
    out << "value: " << PlainNumberText(EvaluateFormulaXY(canonical, x, "y", y)) << "\n";
    return 0;
  }
  int steps = 0;
  double value = EvaluateFormula(canonical, x, steps);
  out << "value: " << PlainNumberText(value) << "\n";
  out << "steps: " << steps << "\n";
  if (steps >= kMalformedSteps) out << "malformed\n";
  return 0;
}

int Dispatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err, const CliServices& services) {
  if (args.empty()) {
    err << kUsage;
    return 2;
  }
  if (args[0] == "list" && args.size() == 1) return List(out);
  if (args[0] == "run") return Run(args, in, out, err, services);
  if (args[0] == "controls") return Controls(args, out, err);
  if (args[0] == "eval") return Eval(args, out, err);
  if (args[0] == "help") return Help(args, out, err, services.helpText);
  if (args[0] == "--help" || args[0] == "-h") {
    out << kUsage;
    return 0;
  }
  err << kUsage;
  return 2;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, const CliServices& services) {
  const int code = Dispatch(args, in, out, err, services);
  // A write that failed (a full disk, a closed output) must not pass for success; nor may
  // a box log or message that did not reach standard error.
  if (!out.flush() && code == 0) {
    err << "tessaly-cli: cannot write the output\n";
    return 1;
  }
  if (!err.flush() && code == 0) return 1;
  return code;
}

}  // namespace tessaly
