// The statements of the ODE formulas under the continue-on-error rule.
#pragma once

#include <cmath>
#include <limits>

#include "common/assign.h"
#include "expr/formula.h"

namespace tessaly::ode {

// f(x, y) inside a larger statement. An argument whose own arithmetic failed makes the value
// not-a-number, so the statement that uses it is skipped as a whole.
inline double F(const FormulaXY& f, double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return std::numeric_limits<double>::quiet_NaN();
  return f.Evaluate(x, y);
}

// The statement k = f(x, y): skipped (k keeps its value) when an argument's arithmetic failed;
// otherwise k takes f's value as the evaluator gives it. Returns whether it was done.
inline bool SetToF(double& k, const FormulaXY& f, double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  k = f.Evaluate(x, y);
  return true;
}

}  // namespace tessaly::ode
