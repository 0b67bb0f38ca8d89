// Substituting a printed eigenpair back into the typed matrix: ‖A·v − λ·v‖∞ against what the
// method's rounding and stopping precision explain, and the warning when it fails.
#pragma once

#include <cmath>
#include <string_view>

#include "common/dialogs.h"
#include "common/matrix.h"

namespace tessaly {

// One unit of the last of `digits` decimals.
inline double DecimalUnit(int digits) { return std::pow(10.0, -digits); }

// What a printed eigenpair may be off by without being wrong: the value by `value`, each
// component of the vector by `component` (both absolute), and a relative residual below
// `settling` always passes.
struct EigenpairAllowance {
  double value = 0;
  double component = 0;
  double settling = 0;
};

// The power-type iterations stop when one ratio (or the normalising factor) settles, which
// says little about the vector: with the value exact it can still be far off (diag(2, 4)
// gives 2 with (1, 0.25), relative residual 0.125). A pair of theirs fails only when its
// relative residual is above this as well.
inline constexpr double kPowerSettling = 0.2;

struct EigenpairCheck {
  double relative = 0;  // ‖A·v − λ·v‖∞ / (‖A‖∞·‖v‖∞)
  bool fails = false;   // far larger than the allowance explains
};

// Checks the pair (lambda, column `column` of v) of the typed n by n matrix a, or (lambda, v),
// both as printed in at most 15 significant digits.
EigenpairCheck CheckEigenpair(const Matrix& a, int n, double lambda, const Matrix& v, int column,
                              const EigenpairAllowance& allowance);
EigenpairCheck CheckEigenpair(const Matrix& a, int n, double lambda, const Vector& v,
                              const EigenpairAllowance& allowance);

// vᵀ·A·v / vᵀ·v: for a symmetric A, the eigenvalue estimate the vector itself gives (0 for a
// zero vector).
double RayleighQuotient(const Matrix& a, int n, const Vector& v);

// The likely cause the inverse power method names when its pair fails.
inline constexpr std::string_view kNegativeSmallestReason =
    "按模最小的特征值可能是负数：反幂法按带符号的最大分量归一化，此时迭代不收敛。";

// The warning after a report whose eigenpair failed its check; `reason`, when given, is its
// first line.
void WarnEigenpairFails(Dialogs& dialogs, double relative, std::string_view reason = {});

}  // namespace tessaly
