// Substituting a printed answer back into the typed problem (验算): the residual of the typed
// system with the printed solution, of A·X against I for a printed inverse, and the warning
// shown after a report whose answer does not pass.
#pragma once

#include <string>
#include <string_view>

#include "common/dialogs.h"
#include "common/matrix.h"

namespace tessaly {

// What a method's printed solution may be off by without being wrong.
struct SolutionAllowance {
  int digits = 0;             // the solution is printed rounded to this many decimals
  bool roundsInside = false;  // the computation rounds to digits + 1 decimals as it goes
  double precision = 0;       // an iteration's stopping precision (0 for a direct method)
  double relaxation = 1;      // the iteration's relaxation factor w
};

struct ResidualCheck {
  double relative = 0;  // ‖b − A·x‖∞ / (‖A‖∞·‖x‖∞ + ‖b‖∞)
  bool fails = false;   // far larger than the allowance explains
};

// A value as its report prints it: rounded to `digits` decimals, in at most 15 significant
// digits.
double PrintedValue(double v, int digits);

// Checks the solution x (as printed) of the system whose augmented matrix (n by n + 1) is
// aug, as typed.
ResidualCheck CheckSolution(const Matrix& aug, int n, const Vector& x,
                            const SolutionAllowance& allowance);

// Checks the printed inverse, columns first .. first + n - 1 of w, against the first n
// columns of a: each column as the solution of A·x = e_j. The worst column decides.
ResidualCheck CheckInverse(const Matrix& a, int n, const Matrix& w, int first, int digits);

// Whether the first n rows and columns of a are symmetric, entry for entry.
bool IsSymmetric(const Matrix& a, int n);

// The relative residual as the warnings print it: the plain number text of the value
// rounded to three significant digits (0.186, 2.5E-05).
std::string RelativeResidualText(double relative);

// The warning after a report whose printed solution failed its check; `reason`, when given,
// is its first line.
void WarnSolutionFails(Dialogs& dialogs, double relative, std::string_view reason = {});

// The warning after a printed inverse that failed its check.
void WarnInverseFails(Dialogs& dialogs, double relative);

// The causes the square-root methods can name.
inline constexpr std::string_view kNotSymmetricReason =
    "系数矩阵不对称，平方根法只用到其下三角部分。";
inline constexpr std::string_view kNotPositiveDefiniteReason = "系数矩阵不是对称正定矩阵。";

// Checks the computed solution x (printed with allowance.digits decimals) of the typed
// system aug and shows the warning when it fails.
void CheckSolutionOrWarn(Dialogs& dialogs, const Matrix& aug, int n, const Vector& x,
                         const SolutionAllowance& allowance, std::string_view reason = {});

// The warning of the positive-definite test on a matrix that is not symmetric.
void WarnMinorsNeedSymmetry(Dialogs& dialogs);

}  // namespace tessaly
