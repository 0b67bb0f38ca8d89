#include "linear/residual_check.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/number_text.h"

namespace tessaly {
namespace {

// A relative residual below this is what double arithmetic on printed values leaves.
constexpr double kDoubleNoise = 1E-09;

// ‖b − A·x‖∞ with the norms of A, x and b, summed in T: double first, long double (with its
// wider exponent range) when a double sum overflows.
template <typename T>
struct Residual {
  T r = 0, normA = 0, normX = 0, normB = 0;
};

// column < 1 means b is the unit vector e_unit, else b is column `column` of aug.
template <typename T>
Residual<T> ComputeResidual(const Matrix& aug, int n, const double* x, int column, int unit) {
  Residual<T> out;
  for (int j = 0; j < n; ++j) out.normX = std::max<T>(out.normX, std::fabs(static_cast<T>(x[j])));
  for (int i = 1; i <= n; ++i) {
    const double* row = aug.Row(i);
    T sum = 0, size = 0;
    for (int j = 0; j < n; ++j) {
      sum += static_cast<T>(row[j]) * x[j];
      size += std::fabs(static_cast<T>(row[j]));
    }
    const T b = column >= 1 ? static_cast<T>(row[column - 1]) : (i == unit ? 1 : 0);
    out.r = std::max<T>(out.r, std::fabs(b - sum));
    out.normA = std::max(out.normA, size);
    out.normB = std::max<T>(out.normB, std::fabs(b));
  }
  return out;
}

template <typename T>
bool Finite(const Residual<T>& v) {
  return std::isfinite(v.r) && std::isfinite(v.normA) && std::isfinite(v.normX) &&
         std::isfinite(v.normB);
}

// The tolerance rule, in T.
template <typename T>
ResidualCheck Judge(const Residual<T>& v, int n, const SolutionAllowance& allowance) {
  ResidualCheck check;
  const T scale = v.normA * v.normX + v.normB;
  if (!(scale > 0) || !std::isfinite(scale)) return check;  // nothing to compare with
  check.relative = static_cast<double>(v.r / scale);
  // One unit of the last printed decimal: the printed rounding moves x by half of it.
  const T unit = std::pow(static_cast<T>(10), -static_cast<T>(allowance.digits));
  // An iteration stops when successive iterates agree within e; the residual of the last
  // one is then at most (1 + |1/w - 1|)·‖A‖·e.
  const T sweeps = (1 + std::fabs(1 / static_cast<T>(allowance.relaxation) - 1)) *
                   static_cast<T>(allowance.precision);
  T explained = v.normA * (unit + sweeps);
  // Rounding every entry to digits + 1 decimals at each of up to n steps perturbs the
  // system by up to n·unit/20 per entry and the solution by unit/20 per component.
  if (allowance.roundsInside) explained += n * unit * (n * v.normX + v.normA + 1) / 10;
  check.fails = v.r > 2 * explained + static_cast<T>(kDoubleNoise) * scale;
  return check;
}

ResidualCheck CheckColumn(const Matrix& aug, int n, const double* x, int column, int unit,
                          const SolutionAllowance& allowance) {
  const auto plain = ComputeResidual<double>(aug, n, x, column, unit);
  if (Finite(plain)) return Judge(plain, n, allowance);
  return Judge(ComputeResidual<long double>(aug, n, x, column, unit), n, allowance);
}

std::vector<double> PrintedVector(const Vector& x, int n, int digits) {
  std::vector<double> printed(static_cast<size_t>(n));
  for (int i = 1; i <= n; ++i) printed[i - 1] = PrintedValue(x(i), digits);
  return printed;
}

}  // namespace

double PrintedValue(double v, int digits) { return RoundTo15Significant(Round(v, digits)); }

ResidualCheck CheckSolution(const Matrix& aug, int n, const Vector& x,
                            const SolutionAllowance& allowance) {
  if (n < 1) return {};
  const std::vector<double> printed = PrintedVector(x, n, allowance.digits);
  return CheckColumn(aug, n, printed.data(), n + 1, 0, allowance);
}

ResidualCheck CheckInverse(const Matrix& a, int n, const Matrix& w, int first, int digits) {
  ResidualCheck worst;
  SolutionAllowance allowance;
  allowance.digits = digits;
  allowance.roundsInside = true;
  std::vector<double> column(static_cast<size_t>(n));
  for (int j = 1; j <= n; ++j) {
    for (int i = 1; i <= n; ++i) column[i - 1] = PrintedValue(w(i, first + j - 1), digits);
    const ResidualCheck c = CheckColumn(a, n, column.data(), 0, j, allowance);
    worst.fails = worst.fails || c.fails;
    if (!(c.relative <= worst.relative)) worst.relative = c.relative;
  }
  return worst;
}

bool IsSymmetric(const Matrix& a, int n) {
  for (int i = 2; i <= n; ++i)
    for (int j = 1; j < i; ++j)
      if (a(i, j) != a(j, i)) return false;
  return true;
}

std::string RelativeResidualText(double relative) {
  if (!std::isfinite(relative) || relative <= 0) return PlainNumberText(relative);
  const int places = 2 - static_cast<int>(std::floor(std::log10(relative)));
  return PlainNumberText(Round(relative, std::max(places, 0)));
}

void WarnSolutionFails(Dialogs& dialogs, double relative, std::string_view reason) {
  std::string text;
  if (!reason.empty()) text.append(reason).append("\r\n");
  text.append("以上求得的解代入原方程组后误差较大（相对残差为 ")
      .append(RelativeResidualText(relative))
      .append("），结果不可信！");
  dialogs.MsgBox(text, MsgButtons::Ok, MsgIcon::Exclamation);
}

void WarnInverseFails(Dialogs& dialogs, double relative) {
  dialogs.MsgBox("以上求得的逆矩阵与原矩阵相乘后与单位矩阵相差较大（相对残差为 " +
                     RelativeResidualText(relative) + "），结果不可信！",
                 MsgButtons::Ok, MsgIcon::Exclamation);
}

void CheckSolutionOrWarn(Dialogs& dialogs, const Matrix& aug, int n, const Vector& x,
                         const SolutionAllowance& allowance, std::string_view reason) {
  const ResidualCheck check = CheckSolution(aug, n, x, allowance);
  if (check.fails) WarnSolutionFails(dialogs, check.relative, reason);
}

void WarnMinorsNeedSymmetry(Dialogs& dialogs) {
  dialogs.MsgBox("矩阵不对称，顺序主子式判别法只适用于对称矩阵，以上结论不可信！", MsgButtons::Ok,
                 MsgIcon::Exclamation);
}

}  // namespace tessaly
