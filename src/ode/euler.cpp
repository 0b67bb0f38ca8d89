#include "ode/ode.h"
#include "ode/steps.h"

namespace tessaly::ode {

Columns SolveEuler(const FormulaXY& f, const Grid& grid, double y0) {
  const int n = grid.n;
  const double h = grid.h;
  const std::vector<double>& X = grid.x;
  Columns c{std::vector<double>(n + 1), std::vector<double>(n + 1)};
  std::vector<double>& E = c.first;   // Euler
  std::vector<double>& P = c.second;  // predictor-corrector
  SetIfFinite(E[0], y0);
  SetIfFinite(P[0], y0);
  // The predictor and the corrector keep their last values when a step's arithmetic fails.
  double yp = 0, yc = 0;
  for (int i = 1; i <= n; ++i) {
    const double x = X[i - 1];
    const unsigned long overflows = OverflowsSoFar();
    bool ok = SetIfFinite(E[i], h * F(f, x, E[i - 1]) + E[i - 1]);
    ok &= SetIfFinite(yp, h * F(f, x, P[i - 1]) + P[i - 1]);
    ok &= SetIfFinite(yc, h * F(f, X[i], yp) + P[i - 1]);
    ok &= SetIfFinite(P[i], (yp + yc) / 2);
    c.NoteStep(i, ok && OverflowsSoFar() == overflows);
  }
  return c;
}

}  // namespace tessaly::ode
