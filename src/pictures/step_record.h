// What an iterative method records of its steps while it computes them, for the pictures
// drawn beside its report. A method finds the record in its context (MethodContext::
// stepRecord); where nothing records the pointer is null and the method does no extra work.
// The record holds only values the method computed anyway: no second pass, no second
// evaluation.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace tessaly {

inline constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// Which method filled the record; it decides the picture.
enum class StepMethod { None, Bisection, FixedPoint, FixedPointSpeedUp, Aitken, Newton, Secant };

// One step. Every method fills `x` (the step's result) and `reportOffset`; the other fields
// as it has them, the rest stay kNoValue:
//   Bisection:  x the midpoint, fx = f(x), [a, b] the interval the step halved.
//   FixedPoint: from = x(k-1), x = phi(from).
//   FixedPointSpeedUp: from = x(k-1), x = phi(from) (it carries the iteration on),
//               accelerated = the accelerated value.
//   Aitken:     from = x(k-1), a = phi(from), b = phi(a), x = accelerated = the
//               extrapolated value (it carries the iteration on).
//   Newton:     from = x(k-1), fFrom = f(from), slope = f'(from), x the new iterate, fx = f(x).
//   Secant:     a, b the chord's two points with fa = f(a), fb = f(b); x the new point,
//               fx = f(x).
struct IterationStep {
  double x = kNoValue;
  double fx = kNoValue;
  double from = kNoValue, fFrom = kNoValue;
  double a = kNoValue, b = kNoValue, fa = kNoValue, fb = kNoValue;
  double slope = kNoValue;
  double accelerated = kNoValue;
  std::size_t reportOffset = 0;  // where the step's line starts in the report (bytes)
};

struct StepRecord {
  StepMethod method = StepMethod::None;
  // The canonical formula the picture draws: f, or phi for the fixed-point methods.
  std::string curve;
  // The starting data: the typed interval (bisection, secant) or the initial value in `lower`.
  double lower = kNoValue, upper = kNoValue;
  std::vector<IterationStep> steps;
  // Whether the run met its precision (rather than stopping at its step cap or failing):
  // only then is its last value a root found.
  bool settled = false;

  // Starts a fresh record (a method that records calls this once it knows its data).
  void Begin(StepMethod m, std::string curveFormula, double lowerStart,
             double upperStart = kNoValue) {
    method = m;
    curve = std::move(curveFormula);
    lower = lowerStart;
    upper = upperStart;
    steps.clear();
    settled = false;
  }
  // Adds a step whose report line starts at `offset`.
  void Add(IterationStep step, std::size_t offset) {
    step.reportOffset = offset;
    steps.push_back(step);
  }
  // Notes that the run met its precision; returns true, for `if (met && Settle(r)) break;`.
  static bool Settle(StepRecord* record) {
    if (record) record->settled = true;
    return true;
  }
};

}  // namespace tessaly
