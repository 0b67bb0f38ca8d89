// Building the formula texts of the interpolation methods: the sign clean-ups applied to
// every built text, and the continue-on-error arithmetic that builds them.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "common/method_context.h"

namespace tessaly {

// The two sign clean-ups, each four single left-to-right passes:
// A: "++" -> "+", "--" -> "+", "+-" -> "-", "-+" -> "-";
// B: "+-" -> "-", "-+" -> "-", "--" -> "+", "++" -> "+".
// A node -2 written after "(x-" so reads x+2; a negative coefficient after "+" loses the
// "+".
std::string CleanUpA(std::string_view text);
std::string CleanUpB(std::string_view text);

// The methods' arithmetic under the continue-on-error rule: a step whose result is not a
// finite number (a zero denominator, an overflow) is skipped, its target keeps what it
// held, and the skip is remembered so that the user can be told once at the end.
class SkippedSteps {
 public:
  // target := value when value is finite.
  bool Set(double& target, double value) {
    if (!std::isfinite(value)) {
      skipped_ = true;
      return false;
    }
    target = value;
    return true;
  }
  // num / den, or nothing when den is 0 or any of them is not finite.
  std::optional<double> Quotient(double num, double den) {
    const double q = num / den;
    if (!std::isfinite(num) || !std::isfinite(den) || den == 0 || !std::isfinite(q)) {
      skipped_ = true;
      return std::nullopt;
    }
    return q;
  }
  // target := num / den when that quotient exists.
  bool SetQuotient(double& target, double num, double den) {
    const std::optional<double> q = Quotient(num, den);
    if (q) target = *q;
    return q.has_value();
  }
  // Remembers a step that cannot be done although no arithmetic failed (a weight of 0
  // written into a formula as a divisor).
  void Note() { skipped_ = true; }
  bool Any() const { return skipped_; }

 private:
  bool skipped_ = false;
};

// Shown after a formula was built with skipped steps (two equal nodes make a denominator
// zero; a huge value overflows).
inline constexpr std::string_view kSkippedStepsMessage =
    "函数表中有相同的节点x（或计算溢出），插值公式中有的系数无法算出，所得公式不可用！";

// Tells the user (OK box, exclamation icon) when `steps` skipped anything.
void TellSkippedSteps(MethodContext& ctx, const SkippedSteps& steps);

}  // namespace tessaly
