// The expression engine: normalising a typed formula into its canonical text and
// evaluating canonical texts for values of x (and y).
//
// A canonical text is analysed once into a Formula, whose Evaluate replays only the
// arithmetic; its results and step counts are those of scanning the text itself.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace tessaly {

// Step counts of 5001 or more mean the formula is malformed.
inline constexpr int kMalformedSteps = 5001;

// Rewrites a typed formula into its canonical text. Never fails.
std::string NormalizeFormula(std::string_view text);

// f(x) for a canonical text; steps receives the number of scan steps (5001 or more: malformed).
double EvaluateFormula(std::string_view canonical, double x, int& steps);

// f(x, y) for a canonical text, yName being the name of the second variable ("y").
// At most 1001 scan steps run; nothing is reported.
double EvaluateFormulaXY(std::string_view canonical, double x, std::string_view yName, double y);

// A single number typed as text (a matrix or table entry): normalises entry in place and
// returns its value at x = 0, ignoring the step count.
double EvaluateConstantText(std::string& entry);

// How many times the formulas evaluated on this thread so far met an overflow that the fault
// rule turned into 0 (x^2 at 1E+200, exp(1000), 1E+10 \ 1): a caller compares two counts to
// learn whether the evaluations between them hid one.
unsigned long OverflowsSoFar();

// The precedence relation of the scan: "<", "=", ">" or "" (no relation).
std::string_view CompareOperators(std::string_view top, char incoming);
// The two arithmetic operations of the scan.
double ApplyFunction(std::string_view token, double a);
double ApplyOperator(double a, char op, double b);

// A canonical text analysed once, evaluated many times.
class Formula {
 public:
  Formula();
  explicit Formula(std::string_view canonical);
  ~Formula();
  Formula(Formula&&) noexcept;
  Formula& operator=(Formula&&) noexcept;
  Formula(const Formula&);
  Formula& operator=(const Formula&);

  // f(x) and the number of scan steps.
  double Evaluate(double x, int& steps) const;
  // f(x) when the caller needs no step count.
  double Evaluate(double x) const {
    int steps = 0;
    return Evaluate(x, steps);
  }

 private:
  struct Program;
  std::unique_ptr<Program> program_;
};

// A canonical text in x and a second variable, analysed once.
class FormulaXY {
 public:
  FormulaXY();
  FormulaXY(std::string_view canonical, std::string_view yName);
  ~FormulaXY();
  FormulaXY(FormulaXY&&) noexcept;
  FormulaXY& operator=(FormulaXY&&) noexcept;
  FormulaXY(const FormulaXY&);
  FormulaXY& operator=(const FormulaXY&);

  double Evaluate(double x, double y) const;

 private:
  struct Program;
  std::unique_ptr<Program> program_;
};

}  // namespace tessaly
