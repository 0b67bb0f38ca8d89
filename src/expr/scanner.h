// The formula scan, written once and driven by a number-stack policy: the one-shot
// evaluator computes with doubles, the compiler records the arithmetic as a tree.
//
// The scan reads a template: the prepared text ("#" appended, "eyp" turned back into "exp")
// in which every substituted variable stands as "(1)" with a hole at the "1". At a hole the
// scan pushes the variable instead of reading the numeral. This is exactly the scan of the
// substituted text: a value text is always one signed numeral that the scan reads as a
// number (its value is not 0, or it is "0"), the "(" before it is always pushed and the ")"
// after it ends it, so no decision of the scan depends on the value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "expr/scan_rules.h"

namespace tessaly::expr {

struct Hole {
  size_t pos;   // index of the placeholder "1" in the template text
  uint8_t var;  // 0: x, 1: the second variable
};

struct Template {
  std::string text;
  std::vector<Hole> holes;  // in increasing order of pos
};

// The template of a canonical text for EvaluateFormula.
Template MakeTemplate(std::string_view canonical);
// The template for EvaluateFormulaXY; false when the name of the second variable could
// meet the characters of a value text (digits, ".", "+", "-", "E", parentheses), so that
// the substitution depends on the values and only the literal text will do.
bool MakeTemplateXY(std::string_view canonical, std::string_view yName, Template& out);

inline constexpr int kFormulaStepCap = 5000;
inline constexpr int kFormulaXYStepCap = 1000;

// Runs the scan over a template; returns the step count (cap + 1 when stopped by the cap).
// Stack must provide: PushConst(double), PushVar(uint8_t), Apply1(Op), Apply2(Op).
template <class Stack>
int Scan(const Template& t, int cap, Stack& numbers) {
  std::string_view text = t.text;
  const size_t n = text.size();
  size_t pos = 0;
  size_t nextHole = 0;
  int steps = 0;
  bool lastWasOpen = false;  // the character consumed just before was "("
  std::vector<Op> ops;       // real slots; an empty vector means only the dummy is left
  ops.reserve(16);
  ops.push_back(Op::kEnd);
  // The numeral at the front is read once per position (an operator may be looked at
  // again after a reduction).
  size_t numeralPos = SIZE_MAX;
  Numeral numeral;
  while (pos < n) {
    if (nextHole < t.holes.size() && t.holes[nextHole].pos == pos) {
      numbers.PushVar(t.holes[nextHole].var);
      ++nextHole;
      pos += 1;
      lastWasOpen = false;
    } else {
      if (numeralPos != pos) {
        numeral = ReadNumeral(text.substr(pos));
        numeralPos = pos;
      }
      Op function;
      if (numeral.isNumber) {
        numbers.PushConst(numeral.value);
        pos += numeral.length;
        lastWasOpen = false;
      } else if ((function = FunctionAt(text.substr(pos, 3))) != Op::kNone) {
        ops.push_back(function);
        pos += 3;
        lastWasOpen = false;
      } else {
        char c = text[pos];
        Op top = ops.empty() ? Op::kNone : ops.back();
        switch (Compare(top, c)) {
          case Relation::kLess:
            // The mend: a sign right after "(" that is not a numeral is 0 minus (plus) its
            // operand.
            if (lastWasOpen && (c == '+' || c == '-')) numbers.PushConst(0);
            ops.push_back(OperatorOf(c));
            lastWasOpen = (c == '(');
            ++pos;
            break;
          case Relation::kEqual:
            if (!ops.empty()) ops.pop_back();
            lastWasOpen = false;
            ++pos;
            break;
          case Relation::kGreater: {
            Op o = ops.back();  // kGreater needs a real top
            ops.pop_back();
            if (IsFunction(o)) {
              numbers.Apply1(o);
            } else {
              numbers.Apply2(o);
            }
            break;
          }
          case Relation::kNone:
            // No progress and no change: the scan would spin until the cap.
            return cap + 1;
        }
      }
    }
    if (++steps > cap) break;
  }
  return steps;
}

// The number stack of the one-shot evaluator.
class ValueStack {
 public:
  ValueStack(double x, double y) : vars_{x, y} { values_.reserve(16); }
  void PushConst(double v) { values_.push_back(v); }
  void PushVar(uint8_t var) { values_.push_back(vars_[var]); }
  void Apply1(Op f) {
    double a = Pop();
    values_.push_back(Function(f, a));
  }
  void Apply2(Op o) {
    double b = Pop();
    double a = Pop();
    values_.push_back(Operate(a, o, b));
  }
  // The bottom real slot, 0 if there is none.
  double Result() const { return values_.empty() ? 0.0 : values_.front(); }

 private:
  double Pop() {
    if (values_.empty()) return 0;  // the dummy slot
    double v = values_.back();
    values_.pop_back();
    return v;
  }
  double vars_[2];
  std::vector<double> values_;
};

}  // namespace tessaly::expr
