#include "calculus/quadrature.h"

#include <cstdint>

namespace tessaly {
namespace {

// f(x), and whether the formula is malformed. The step count of a canonical text does not
// depend on x, but every evaluation is checked, so a rule stops at its first one.
inline bool Eval(const Formula& f, double x, double& y) {
  int steps = 0;
  y = f.Evaluate(x, steps);
  return steps < kMalformedSteps;
}

// The sum of f over the inner nodes a + j h, j = 1 .. n - 1, in that order.
inline bool InnerSum(const Formula& f, double a, double h, int n, double& sum) {
  double y = 0;
  for (int j = 1; j <= n - 1; ++j) {
    if (!Eval(f, a + j * h, y)) return false;
    sum += y;
  }
  return true;
}

// The weights of each order add up to its divisor.
constexpr int16_t kWeights[kNewtonCotesMaxOrder + 1][kNewtonCotesMaxOrder + 1] = {
    {},
    {1, 1},
    {1, 4, 1},
    {1, 3, 3, 1},
    {7, 32, 12, 32, 7},
    {19, 75, 50, 50, 75, 19},
    {41, 216, 27, 272, 27, 216, 41},
    {751, 3577, 1323, 2989, 2989, 1323, 3577, 751},
    {989, 5888, -928, 10496, -4540, 10496, -928, 5888, 989},
};
constexpr int kDivisors[kNewtonCotesMaxOrder + 1] = {0, 2, 6, 8, 90, 288, 840, 17280, 28350};

}  // namespace

std::optional<double> CompositeTrapezoid(const Formula& f, double a, double b, int n) {
  const double h = (b - a) / n;
  double inner = 0, fa = 0, fb = 0;
  if (!InnerSum(f, a, h, n, inner) || !Eval(f, a, fa) || !Eval(f, b, fb)) return std::nullopt;
  return (2 * inner + fa + fb) * h / 2;
}

std::optional<double> CompositeSimpson(const Formula& f, double a, double b, int n) {
  const double h = (b - a) / n;
  const double half = h / 2;
  double s1 = 0, s2 = 0, fa = 0, fb = 0, y = 0;
  for (int i = 0; i <= n - 1; ++i) {
    if (!Eval(f, a + i * h + half, y)) return std::nullopt;
    s1 += y;
  }
  if (!InnerSum(f, a, h, n, s2) || !Eval(f, a, fa) || !Eval(f, b, fb)) return std::nullopt;
  return (4 * s1 + fa + fb + 2 * s2) * h / 6;
}

std::optional<double> CompositeCotes(const Formula& f, double a, double b, int n) {
  const double h = (b - a) / n;
  const double quarter = h / 4, half = h / 2, threeQuarters = 3 * h / 4;
  double t1 = 0, t2 = 0, t3 = 0, t4 = 0, fa = 0, fb = 0, y = 0;
  // Within each subinterval: the quarter, half and three-quarter points, in that order.
  for (int i = 0; i <= n - 1; ++i) {
    const double x = a + i * h;
    if (!Eval(f, x + quarter, y)) return std::nullopt;
    t1 += y;
    if (!Eval(f, x + half, y)) return std::nullopt;
    t2 += y;
    if (!Eval(f, x + threeQuarters, y)) return std::nullopt;
    t3 += y;
  }
  if (!InnerSum(f, a, h, n, t4) || !Eval(f, a, fa) || !Eval(f, b, fb)) return std::nullopt;
  return (32 * (t1 + t3) + 7 * (fa + fb) + 12 * t2 + 14 * t4) * h / 90;
}

std::optional<double> NewtonCotesRule(const Formula& f, double a, double b, int order) {
  const double h = (b - a) / order;
  double sum = 0, y = 0;
  for (int i = 0; i <= order; ++i) {
    if (!Eval(f, a + i * h, y)) return std::nullopt;
    sum += kWeights[order][i] * y;
  }
  return (b - a) * sum / kDivisors[order];
}

std::optional<double> GaussTwoPoint(const Formula& f, double a, double b) {
  constexpr double kTwoRootThree = 3.46410161513775;
  const double m = (a + b) / 2, r = (b - a) / 2;
  const double x1 = (b - a) / kTwoRootThree + m;
  const double x2 = (a - b) / kTwoRootThree + m;
  double y1 = 0, y2 = 0;
  // Both nodes are evaluated before the step count is looked at.
  const bool ok1 = Eval(f, x1, y1);
  const bool ok2 = Eval(f, x2, y2);
  if (!ok1 || !ok2) return std::nullopt;
  return (y1 + y2) * r;
}

std::optional<double> GaussThreePoint(const Formula& f, double a, double b) {
  constexpr double kRootSixTenths = 0.774596669241483;
  const double m = (a + b) / 2, r = (b - a) / 2;
  double y1 = 0, y2 = 0, y3 = 0;
  if (!Eval(f, m - r * kRootSixTenths, y1) || !Eval(f, m, y2) ||
      !Eval(f, m + r * kRootSixTenths, y3))
    return std::nullopt;
  return (5 * y1 + 8 * y2 + 5 * y3) / 9 * r;
}

}  // namespace tessaly
