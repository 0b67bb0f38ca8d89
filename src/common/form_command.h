// The commands of the calculus and ODE windows. Such a window is a form of named controls
// (text boxes and drop-down lists) with a button that runs a command on their texts; the
// command is a pure function of those texts and the answers to its boxes, and returns the
// result box's new text and the picture's new drawing. The windows, tessaly-cli and the
// tests all take the commands from one registry.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/app_state.h"
#include "common/dialogs.h"
#include "common/display_list.h"
#include "common/progress.h"

namespace tessaly {

struct FormControl {
  std::string name;                // "Text1", "Combo1"
  std::string initial;             // its text when the window opens
  std::vector<std::string> items = {};  // a drop-down list's items; empty for a text box
  // A text box held in range while typing (both 0: free text): see HeldInRange.
  int min = 0, max = 0;
  // A text box holding a formula: the window hints at notation the language reads otherwise.
  bool formula = false;

  bool IsList() const { return !items.empty(); }
};

// The texts of a form's controls.
class FormFields {
 public:
  FormFields() = default;
  // Every control with its initial text.
  explicit FormFields(const std::vector<FormControl>& controls);

  // The control's text; the empty text for a control the form does not have.
  const std::string& Text(std::string_view name) const;
  void Set(std::string_view name, std::string text);
  bool Has(std::string_view name) const;

 private:
  std::vector<std::pair<std::string, std::string>> texts_;
};

// What a command changes in its window.
struct FormOutcome {
  std::optional<std::string> result;   // the result box's new text; none: unchanged
  std::optional<DisplayList> picture;  // the picture's new drawing; none: unchanged
  std::string focus;                   // the control that gets the focus; empty: none
  // A warning box (OK, exclamation icon) shown once the result box holds the new text, for
  // a result that is not to be trusted; empty: none.
  std::string warning;
  // The result as comma-separated values, made on demand (the ODE tables); empty: none.
  std::function<std::string()> csv;
};

struct ChartRun;

struct FormContext {
  const FormFields& fields;
  Dialogs& dialogs;
  AppState& app;
  // Where a command records its run for a chart (common/chart_run.h); null: nothing records.
  ChartRun* chartRun = nullptr;
  // Where a long command reports how far it has come (ReportProgress); null: nothing watches.
  Progress* progress = nullptr;
};

struct FormCommand {
  std::string window;   // "CompFormual"
  std::string control;  // the button: "Command1", "cmdPaint"
  std::string caption;  // the button's caption
  std::vector<FormControl> controls;
  // Whether the window keeps the button enabled for these texts (empty: always).
  std::function<bool(const FormFields&)> enabled;
  std::function<FormOutcome(FormContext&)> run;
  // Whether the command's result is a table that can be exported as comma-separated values.
  bool csvTable = false;

  std::string Key() const { return window + "." + control; }
  const FormControl* Control(std::string_view name) const;
  bool Enabled(const FormFields& fields) const { return !enabled || enabled(fields); }
};

class FormCommandRegistry {
 public:
  void Add(FormCommand command) { entries_.push_back(std::move(command)); }
  // The command for WINDOW.CONTROL, or nullptr.
  const FormCommand* Find(std::string_view key) const;
  const std::vector<FormCommand>& Entries() const { return entries_; }

 private:
  std::vector<FormCommand> entries_;
};

// Every form command the program has, in window order.
const FormCommandRegistry& AllFormCommands();

// The text a range-held text box shows after its text became `typed`: when the leading
// number of the text is below min the text becomes min, above max it becomes max;
// otherwise it stays as typed. (An empty text reads 0.)
std::string HeldInRange(std::string_view typed, int min, int max);

// Whether every named control's text, trimmed of blanks, is non-empty: the enabling rule
// of the calculus windows' buttons.
bool AllFilled(const FormFields& fields, std::initializer_list<std::string_view> names);

}  // namespace tessaly
