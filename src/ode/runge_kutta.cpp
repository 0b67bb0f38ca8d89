#include "ode/ode.h"
#include "ode/steps.h"

namespace tessaly::ode {

Columns SolveRungeKutta(const FormulaXY& f, const Grid& grid, double y0) {
  const int n = grid.n;
  const double h = grid.h;
  const std::vector<double>& X = grid.x;
  Columns c{std::vector<double>(n + 1), std::vector<double>(n + 1)};
  std::vector<double>& R3 = c.first;
  std::vector<double>& R4 = c.second;
  SetIfFinite(R3[0], y0);
  SetIfFinite(R4[0], y0);
  // Each order has its own slopes, kept from step to step: a slope whose statement fails
  // keeps the value it was last given. The two orders share nothing, so their statements
  // are written side by side (each order's in its own order), which lets the processor
  // work on both at once; the values are those of finishing the third-order step first.
  double a1 = 0, a2 = 0, a3 = 0;          // third order: k1, k2, k3
  double b1 = 0, b2 = 0, b3 = 0, b4 = 0;  // fourth order: k1 .. k4
  for (int i = 1; i <= n; ++i) {
    // The stage points are h/2 + x and h + x, not grid points.
    const double x = X[i - 1];
    const double y3 = R3[i - 1], y4 = R4[i - 1];
    const unsigned long overflows = OverflowsSoFar();
    bool ok = SetToF(a1, f, x, y3);
    ok &= SetToF(b1, f, x, y4);
    ok &= SetToF(a2, f, h / 2 + x, h * a1 / 2 + y3);
    ok &= SetToF(b2, f, h / 2 + x, h * b1 / 2 + y4);
    ok &= SetToF(a3, f, h + x, (2 * a2 - a1) * h + y3);
    ok &= SetToF(b3, f, h / 2 + x, h * b2 / 2 + y4);
    ok &= SetIfFinite(R3[i], (4 * a2 + a1 + a3) * h / 6 + y3);
    ok &= SetToF(b4, f, h + x, h * b3 + y4);
    ok &= SetIfFinite(R4[i], (b2 + b3 + b2 + b3 + b1 + b4) * h / 6 + y4);
    c.NoteStep(i, ok && OverflowsSoFar() == overflows);
  }
  return c;
}

}  // namespace tessaly::ode
