#include <algorithm>

#include "ode/ode.h"
#include "ode/steps.h"

namespace tessaly::ode {

int AdamsStartCount(int n) { return std::clamp(n, 0, 3) + 1; }

Columns SolveAdams(const FormulaXY& f, const Grid& grid, std::span<const double> starts) {
  const int n = grid.n;
  const double h = grid.h;
  const std::vector<double>& X = grid.x;
  Columns c{std::vector<double>(n + 1), std::vector<double>(n + 1)};
  std::vector<double>& A = c.first;   // explicit
  std::vector<double>& M = c.second;  // implicit
  // The starting values that lie on the grid; a grid of fewer than four points has no step.
  const int count = std::min<int>(AdamsStartCount(n), static_cast<int>(starts.size()));
  for (int k = 0; k < count; ++k) {
    SetIfFinite(A[k], starts[k]);
    SetIfFinite(M[k], starts[k]);
  }
  if (n < 4 || count < 4) return c;

  // The slopes at the grid points, Fs(j) = f(X(j), A(j)) and G(j) = f(X(j), M(j)), each
  // taken once its point is final (f has no side effects, so this equals evaluating them
  // inside every formula that names them).
  std::vector<double> Fs(n + 1), G(n + 1);
  for (int j = 0; j < 4; ++j) {
    Fs[j] = F(f, X[j], A[j]);
    G[j] = F(f, X[j], M[j]);
  }
  // The implicit predictor and f at it keep their last values when a statement fails.
  double yp = 0, f1 = 0;
  for (int i = 4; i <= n; ++i) {
    const unsigned long overflows = OverflowsSoFar();
    bool ok = SetIfFinite(
        A[i],
        (37 * Fs[i - 3] + (55 * Fs[i - 1] - 59 * Fs[i - 2]) - 9 * Fs[i - 4]) * h / 24 + A[i - 1]);
    Fs[i] = F(f, X[i], A[i]);

    ok &= SetIfFinite(
        yp, (37 * G[i - 3] + (55 * G[i - 1] - 59 * G[i - 2]) - 9 * G[i - 4]) * h / 24 + M[i - 1]);
    ok &= SetToF(f1, f, X[i], yp);
    ok &= SetIfFinite(M[i], (19 * G[i - 1] + 9 * f1 - 5 * G[i - 2] + G[i - 3]) * h / 24 + M[i - 1]);
    G[i] = F(f, X[i], M[i]);
    c.NoteStep(i, ok && OverflowsSoFar() == overflows);
  }
  return c;
}

}  // namespace tessaly::ode
