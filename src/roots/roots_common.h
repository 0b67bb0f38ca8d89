// Pieces shared by the root-finding methods: asking values, evaluating a formula inside an
// iteration, and building report lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/dialogs.h"
#include "common/number_text.h"
#include "common/text_builder.h"
#include "expr/formula.h"

namespace tessaly::roots {

// Shown when a formula turns out malformed during an iteration.
inline constexpr std::string_view kMalformedFormulaMessage = "函数表达式输入有误！";

// The reply to one input box, trimmed of blanks; nothing when it is empty (also Cancel).
std::optional<std::string> AskText(Dialogs& dialogs, std::string_view prompt,
                                   std::string_view title, std::string_view defaultText);
// The leading number of the reply to one input box; nothing when the reply is empty.
std::optional<double> AskNumber(Dialogs& dialogs, std::string_view prompt, std::string_view title,
                                std::string_view defaultText);

// The questions several methods share: the iteration's initial value and its precision.
std::optional<double> AskIterationStart(Dialogs& dialogs);
std::optional<double> AskIterationPrecision(Dialogs& dialogs);

// f(x) inside an iteration. When the scan shows the formula to be malformed, the message
// box is shown and nothing is returned: the method then ends without a summary.
std::optional<double> EvaluateInStep(const Formula& f, double x, Dialogs& dialogs);

// f(x) for the formula in the input pane, as the fixed-point summaries print it
// (no check for a malformed formula).
double InputFormulaValue(std::string_view input, double x);

// One piece of report text: literal pieces, numbers in their plain text, step numbers in
// their plain integer text.
using ReportText = TextBuilder;

}  // namespace tessaly::roots
