#include "roots/roots_common.h"

#include "common/text_util.h"

namespace tessaly::roots {

std::optional<std::string> AskText(Dialogs& dialogs, std::string_view prompt,
                                   std::string_view title, std::string_view defaultText) {
  std::string reply = dialogs.InputBox(prompt, title, defaultText);
  std::string_view trimmed = TrimBlanks(reply);
  if (trimmed.empty()) return std::nullopt;
  return std::string(trimmed);
}

std::optional<double> AskNumber(Dialogs& dialogs, std::string_view prompt, std::string_view title,
                                std::string_view defaultText) {
  std::optional<std::string> reply = AskText(dialogs, prompt, title, defaultText);
  if (!reply) return std::nullopt;
  return LeadingNumber(*reply);
}

std::optional<double> EvaluateInStep(const Formula& f, double x, Dialogs& dialogs) {
  int steps = 0;
  double value = f.Evaluate(x, steps);
  if (steps >= kMalformedSteps) {
    dialogs.MsgBox(kMalformedFormulaMessage);
    return std::nullopt;
  }
  return value;
}

double InputFormulaValue(std::string_view input, double x) {
  return Formula(NormalizeFormula(TrimBlanks(input))).Evaluate(x);
}

std::optional<double> AskIterationStart(Dialogs& dialogs) {
  return AskNumber(dialogs, "输入函数方程式迭代的初值：", "输入初值", "0");
}

std::optional<double> AskIterationPrecision(Dialogs& dialogs) {
  return AskNumber(dialogs, "输入函数方程式迭代的精度：", "输入精度", "0.0001");
}

}  // namespace tessaly::roots
