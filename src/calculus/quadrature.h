// The quadrature rules of the calculus windows: the composite trapezoid, Simpson and Cotes
// rules (CompFormual), the single Newton-Cotes rules of order 1 to 8 (NewtonCotes) and the
// two- and three-point Gauss rules (GauseIntegral).
//
// Each rule evaluates f through the compiled formula in a fixed order and returns the
// integral over [a, b], or nothing as soon as an evaluation reports a malformed formula.
// Values are summed as they come: an infinite or not-a-number value of f makes the
// integral infinite or not-a-number.
#pragma once

#include <optional>

#include "expr/formula.h"

namespace tessaly {

// The composite rules over n equal subintervals (n >= 1), h = (b - a) / n.
std::optional<double> CompositeTrapezoid(const Formula& f, double a, double b, int n);
std::optional<double> CompositeSimpson(const Formula& f, double a, double b, int n);
std::optional<double> CompositeCotes(const Formula& f, double a, double b, int n);

// The Newton-Cotes rule of order n = 1..8, h = (b - a) / n: from a table of integer weights
// w(n, i) and divisors D(n), (b - a) * sum over i = 0..n of w(n, i) * f(a + i h) / D(n).
inline constexpr int kNewtonCotesMaxOrder = 8;
std::optional<double> NewtonCotesRule(const Formula& f, double a, double b, int order);

// The Gauss rules with the nodes written to 15 digits (2 sqrt 3 = 3.46410161513775,
// sqrt 0.6 = 0.774596669241483).
std::optional<double> GaussTwoPoint(const Formula& f, double a, double b);
std::optional<double> GaussThreePoint(const Formula& f, double a, double b);

}  // namespace tessaly
