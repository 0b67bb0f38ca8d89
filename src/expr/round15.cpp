#include "expr/round15.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "common/number_text.h"

namespace tessaly::expr {

namespace detail {
double ProductResidual(double a, double pow10, double p) { return std::fma(a, pow10, -p); }
}  // namespace detail

using detail::kPow10;

// Everything the inline path leaves: zero, subnormal and non-finite values, |v| < 1E-08
// and |v| >= 1E+14. From 1E+14 to 1E+37 exact arithmetic still works (dividing by an exact
// power of ten); elsewhere the text is printed and read.
double Round15Slow(double v) {
  if (!std::isfinite(v) || v == 0) return v;
  double a = std::fabs(v);
  uint64_t bits;
  std::memcpy(&bits, &a, sizeof bits);
  int biased = static_cast<int>(bits >> 52);
  if (biased == 0) return RoundTo15Significant(v);  // subnormal
  int e2 = biased - 1023;
  int e10 = e2 >= 0 ? (e2 * 78913) >> 18 : -((-e2 * 78913 + 262143) >> 18);
  int k = 14 - e10;
  double p = 0;
  for (int i = 0;; ++i) {
    if (k < -22 || k > 22 || i == 3) return RoundTo15Significant(v);
    p = k >= 0 ? a * kPow10[k] : a / kPow10[-k];
    if (p >= 1e15) {
      --k;
    } else if (p < 1e14) {
      ++k;
    } else {
      break;
    }
  }
  constexpr double kTwo52 = 4503599627370496.0;
  double m = (p + kTwo52) - kTwo52;
  double diff = p - m;
  if (diff == 0.5 || diff == -0.5) {
    // For a quotient a / 10^j the remainder a - p * 10^j is exact and has the sign of the
    // exact quotient minus p.
    double r = k >= 0 ? std::fma(a, kPow10[k], -p) : -std::fma(p, kPow10[-k], -a);
    if (diff == 0.5 && r > 0) m += 1;
    if (diff == -0.5 && r < 0) m -= 1;
  }
  double out = k >= 0 ? m / kPow10[k] : m * kPow10[-k];
  return v < 0 ? -out : out;
}

}  // namespace tessaly::expr
