#include "linear/pivot_determinant.h"

#include <cmath>
#include <utility>

#include "common/assign.h"
#include "common/number_text.h"

namespace tessaly {

double PivotDeterminant(Matrix& d, int& swaps) {
  const int n = d.Rows();
  swaps = 0;
  double det = 1;
  double f = 0;  // a failed division leaves the multiplier of the previous row
  for (int k = 1; k <= n; ++k) {
    int p = k;
    for (int i = k + 1; i <= n; ++i)
      if (std::fabs(d(p, k)) < std::fabs(d(i, k))) p = i;
    if (p != k) {
      double* rk = d.Row(k);
      double* rp = d.Row(p);
      for (int j = k; j <= n; ++j) std::swap(rk[j - 1], rp[j - 1]);
      ++swaps;
    }
    const double* rk = d.Row(k);
    for (int i = k + 1; i <= n; ++i) {
      double* ri = d.Row(i);
      SetIfFinite(f, ri[k - 1] / rk[k - 1]);
      for (int j = k; j <= n; ++j) SetIfFinite(ri[j - 1], Round(ri[j - 1] - f * rk[j - 1], 7));
    }
  }
  for (int k = 1; k <= n; ++k) SetIfFinite(det, det * d(k, k));
  if (swaps % 2 != 0) det = -det;
  return det;
}

}  // namespace tessaly
