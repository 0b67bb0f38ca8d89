#include "expr/round15.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "common/number_text.h"

namespace tessaly::expr {
namespace {

constexpr double kPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// a * 10^k, correctly rounded, for |k| <= 22 (the power is exact).
inline double Scale(double a, int k) { return k >= 0 ? a * kPow10[k] : a / kPow10[-k]; }

}  // namespace

double Round15(double v) {
  if (!std::isfinite(v) || v == 0) return v;
  double a = std::fabs(v);
  uint64_t bits;
  std::memcpy(&bits, &a, sizeof bits);
  int biased = static_cast<int>(bits >> 52);
  if (biased == 0) return RoundTo15Significant(v);  // subnormal
  int e2 = biased - 1023;                           // 2^e2 <= a < 2^(e2+1)
  int e10 = (e2 * 78913) >> 18;                     // about floor(e2 * log10(2))
  int k = 14 - e10;
  double p = 0;
  for (int i = 0;; ++i) {
    if (k < -22 || k > 22 || i == 3) return RoundTo15Significant(v);
    p = Scale(a, k);
    if (p >= 1e15) {
      --k;
    } else if (p < 1e14) {
      ++k;
    } else {
      break;
    }
  }
  // p is a * 10^k rounded; 1e14 <= p < 1e15, so its spacing is at most 1/8 and only an
  // exact half in p can hide which way the exact product rounds.
  constexpr double kTwo52 = 4503599627370496.0;
  double m = (p + kTwo52) - kTwo52;  // nearest integer, halves to even
  double diff = p - m;
  if (diff == 0.5 || diff == -0.5) {
    // The sign of the exact a * 10^k - p settles it (an exact half stays half-to-even).
    double r = k >= 0 ? std::fma(a, kPow10[k], -p) : -std::fma(p, kPow10[-k], -a);
    if (diff == 0.5 && r > 0) m += 1;
    if (diff == -0.5 && r < 0) m -= 1;
  }
  // m is an integer below 2^53 and the power of ten is exact: one correctly rounded
  // operation gives the double nearest to m * 10^-k, which is what reading the text gives.
  double out = k >= 0 ? m / kPow10[k] : m * kPow10[-k];
  return v < 0 ? -out : out;
}

}  // namespace tessaly::expr
