#include "eigen/eigenpair_check.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "linear/residual_check.h"

namespace tessaly {
namespace {

// A relative residual below this is what double arithmetic on printed values leaves.
constexpr double kDoubleNoise = 1E-09;
// How much larger than the allowance a residual must be to fail.
constexpr double kMargin = 10;

template <typename T>
EigenpairCheck Judge(const Matrix& a, int n, const std::vector<double>& v, double lambda,
                     const EigenpairAllowance& allowance) {
  T r = 0, normA = 0, normV = 0;
  for (int j = 0; j < n; ++j) normV = std::max<T>(normV, std::fabs(static_cast<T>(v[j])));
  for (int i = 1; i <= n; ++i) {
    const double* row = a.Row(i);
    T sum = 0, size = 0;
    for (int j = 0; j < n; ++j) {
      sum += static_cast<T>(row[j]) * v[j];
      size += std::fabs(static_cast<T>(row[j]));
    }
    r = std::max<T>(r, std::fabs(sum - static_cast<T>(lambda) * v[i - 1]));
    normA = std::max(normA, size);
  }
  EigenpairCheck check;
  const T scale = normA * normV;
  if (!std::isfinite(r) || !std::isfinite(scale)) {
    check.relative = static_cast<double>(r / scale);
    return check;
  }
  if (!(scale > 0)) return check;
  check.relative = static_cast<double>(r / scale);
  const T explained = normV * static_cast<T>(allowance.value) +
                      (normA + std::fabs(static_cast<T>(lambda))) * allowance.component;
  const T floor = std::max(kDoubleNoise, allowance.settling);
  check.fails = r > kMargin * explained + floor * scale;
  return check;
}

EigenpairCheck CheckPrinted(const Matrix& a, int n, double lambda, std::vector<double>& v,
                            const EigenpairAllowance& allowance) {
  lambda = RoundTo15Significant(lambda);
  for (double& c : v) c = RoundTo15Significant(c);
  const EigenpairCheck plain = Judge<double>(a, n, v, lambda, allowance);
  if (std::isfinite(plain.relative)) return plain;
  return Judge<long double>(a, n, v, lambda, allowance);
}

}  // namespace

EigenpairCheck CheckEigenpair(const Matrix& a, int n, double lambda, const Matrix& v, int column,
                              const EigenpairAllowance& allowance) {
  std::vector<double> c(static_cast<size_t>(n));
  for (int i = 1; i <= n; ++i) c[i - 1] = v(i, column);
  return CheckPrinted(a, n, lambda, c, allowance);
}

EigenpairCheck CheckEigenpair(const Matrix& a, int n, double lambda, const Vector& v,
                              const EigenpairAllowance& allowance) {
  std::vector<double> c(static_cast<size_t>(n));
  for (int i = 1; i <= n; ++i) c[i - 1] = v(i);
  return CheckPrinted(a, n, lambda, c, allowance);
}

double RayleighQuotient(const Matrix& a, int n, const Vector& v) {
  long double vav = 0, vv = 0;
  for (int i = 1; i <= n; ++i) {
    long double av = 0;
    for (int j = 1; j <= n; ++j) av += static_cast<long double>(a(i, j)) * v(j);
    vav += av * v(i);
    vv += static_cast<long double>(v(i)) * v(i);
  }
  return vv > 0 ? static_cast<double>(vav / vv) : 0;
}

void WarnEigenpairFails(Dialogs& dialogs, double relative, std::string_view reason) {
  std::string text;
  if (!reason.empty()) text.append(reason).append("\r\n");
  text.append("以上求得的特征值和特征向量不满足 Ax=λx（相对残差为 ")
      .append(RelativeResidualText(relative))
      .append("），结果不可信！");
  dialogs.MsgBox(text, MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace tessaly
