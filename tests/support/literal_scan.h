// The oracle of the expression engine: normalisation and scan carried out literally, on text.
// The formula text is rewritten step by step, the value text of x (and y) is substituted
// into it, and the scan removes characters from its front (by an index) at every step.
// It carries the one mend the engine has (a sign right after "(" that is not a numeral is
// 0 minus/plus its operand) and the engine's own definitions for what the scan leaves open
// (a non-finite value enters as one numeral with that value; the step count is that of a
// finite value). The functions are its own, written from their table and fault rule.
//
// It is slow on purpose and written to be read line by line against the scan's rules, not to be fast.
#pragma once

#include <string>
#include <string_view>

namespace tessaly::oracle {

std::string LiteralNormalizeFormula(std::string_view text);

// When set, a step that changes nothing (the character at the front has no relation with
// the top operator) ends the scan with the capped step count at once, instead of being
// repeated until the cap. The result is the same; the fuzz target sets it for speed, the
// tests leave it off.
void SetStopSpinning(bool stop);

struct ScanResult {
  double value;
  int steps;
};

ScanResult LiteralEvaluateFormula(std::string_view canonical, double x);
double LiteralEvaluateFormulaXY(std::string_view canonical, double x, std::string_view yName,
                                double y);
double LiteralEvaluateConstantText(std::string& entry);

// The text the scan reads for EvaluateFormula (with "#" appended), for finite x.
std::string LiteralPreparedText(std::string_view canonical, double x);

}  // namespace tessaly::oracle
