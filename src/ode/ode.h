// The initial value problem y' = f(x, y), y(a) = y0 on [a, b], solved on an equally spaced
// grid by two formulas per window: Euler and the Euler predictor-corrector (UsDi_Euler),
// third- and fourth-order Runge-Kutta (UsDi_RungeKutta), explicit and implicit four-step
// Adams (UsDi_Adams). The solvers are pure: a compiled right-hand side, the grid and the
// starting values in, the two columns of grid values out.
//
// Arithmetic follows the continue-on-error rule of these windows: a statement whose
// arithmetic fails (overflow, an undefined result) is skipped and its target keeps what it
// held before, 0 for a value never computed. A value of f itself is kept as the evaluator
// gives it (1/0 is an infinity); the statement that uses it then fails.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "expr/formula.h"

namespace tessaly::ode {

// The largest number of equal parts.
inline constexpr int kMaxParts = 32767;

// X(i) = i·h + a for i = 0..n with h = (b − a)/n, each by this product (not by repeated
// addition).
struct Grid {
  int n = 0;
  double h = 0;
  std::vector<double> x;  // x[0..n]
};
Grid MakeGrid(double a, double b, int n);

// The two columns of a window's table, each indexed 0..n, and the first grid index whose
// step had a statement fail or an evaluation of f hide an overflow (-1: none), recorded by
// the solvers as they go.
struct Columns {
  std::vector<double> first, second;
  int firstFailure = -1;

  // Records step i when one of its statements failed (`ok` false).
  void NoteStep(int i, bool ok) {
    if (!ok && firstFailure < 0) firstFailure = i;
  }
};

// Euler: E(i) = h·f(X(i−1), E(i−1)) + E(i−1); the predictor-corrector beside it.
Columns SolveEuler(const FormulaXY& f, const Grid& grid, double y0);
// Third- and fourth-order Runge-Kutta.
Columns SolveRungeKutta(const FormulaXY& f, const Grid& grid, double y0);
// Explicit and implicit four-step Adams from the starting values at indices 0..3 (fewer
// when the grid has fewer points: then nothing beyond them is computed).
Columns SolveAdams(const FormulaXY& f, const Grid& grid, std::span<const double> starts);

// The number of starting values the Adams window asks for on a grid of n parts.
int AdamsStartCount(int n);

// The warning shown after a table whose step at index `columns.firstFailure` failed (an
// overflow, a division by zero): "从 x = X 起计算溢出，此后的函数值不可信！" with X as the table
// prints it; empty when every step was computed.
std::string OverflowWarning(const Grid& grid, const Columns& columns);

// The result table: a header line with "X(n)" and the two column titles, then X(i) and both
// columns for i = 0..n; three right-aligned fields of 24 characters and CR LF per line.
std::string OdeTable(std::string_view firstTitle, std::string_view secondTitle,
                     const Grid& grid, const Columns& columns);

// The same table as comma-separated values for a spreadsheet: a header row with the three
// titles, then X(i) and both columns for i = 0..n in the plain number text (15 significant
// digits), CR LF after every row. The titles hold no comma or quote, so nothing is quoted.
std::string OdeCsv(std::string_view firstTitle, std::string_view secondTitle, const Grid& grid,
                   const Columns& columns);

}  // namespace tessaly::ode
