// The value a variable has in the scan: its 15-significant-digit value text read back.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

namespace tessaly::expr {

// The same double as RoundTo15Significant(v) (printing with 15 significant digits and
// reading back), by exact arithmetic for 1E-08 <= |v| < 1E+14 (inline, below) and for
// 1E+14 <= |v| < 1E+37, through the text otherwise.
double Round15(double v);
double Round15Slow(double v);

namespace detail {

inline constexpr double kPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// For each biased binary exponent, the power k with 1E+14 <= |v| * 10^k < 1E+16 for every v
// of that exponent, or 0 where the fast path does not apply (k would leave 1..22).
struct ScaleTable {
  int8_t k[2048];
  constexpr ScaleTable() : k() {
    for (int e2 = -40; e2 <= 50; ++e2) {  // 2^e2 <= |v| < 2^(e2+1)
      // e10 = floor(log10(2^e2)), by exact integer comparisons.
      int e10 = 0;
      if (e2 >= 0) {
        uint64_t pow2 = uint64_t{1} << e2, p10 = 1;
        while (p10 * 10 <= pow2) p10 *= 10, ++e10;
      } else {
        uint64_t pow2 = uint64_t{1} << -e2, p10 = 1;
        while (p10 < pow2) p10 *= 10, --e10;
      }
      int scale = 14 - e10;  // |v| * 10^scale in [1E+14, 1E+16)
      if (scale >= 1 && scale <= 22) k[e2 + 1023] = static_cast<int8_t>(scale);
    }
  }
};
inline constexpr ScaleTable kScaleTable{};

// The exact product a * 10^k (k <= 22) lies strictly beyond p = fl(a * 10^k) on the side of
// the sign of the result.
double ProductResidual(double a, double pow10, double p);

}  // namespace detail

// The rounding for the common range, inline: one or two products, the nearest integer by
// the 2^52 shift, and one division by an exact power of ten (correctly rounded, so the
// double nearest to the 15-digit decimal, which is what reading its text gives).
inline double Round15(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  int k = detail::kScaleTable.k[(bits >> 52) & 0x7ff];
  if (k == 0) return Round15Slow(v);
  double a = std::fabs(v);
  double p = a * detail::kPow10[k];
  if (p >= 1e15) {
    --k;
    p = a * detail::kPow10[k];
  }
  constexpr double kTwo52 = 4503599627370496.0;
  double m = (p + kTwo52) - kTwo52;  // nearest integer, halves to even (p < 2^50)
  double diff = p - m;
  // p's spacing is at most 1/8, so only an exact half in p can hide the way the exact
  // product rounds; its residual settles it (an exact half stays half-to-even).
  if (diff == 0.5 || diff == -0.5) [[unlikely]] {
    double r = detail::ProductResidual(a, detail::kPow10[k], p);
    if (diff == 0.5 && r > 0) m += 1;
    if (diff == -0.5 && r < 0) m -= 1;
  }
  return std::copysign(m / detail::kPow10[k], v);
}

// The value the scan reads for the value text of v: Round15(v) for finite v, except that
// minus zero is written "0" and so reads +0. A non-finite v enters as itself.
inline double ScanValue(double v) {
  if (v == 0) return 0.0;
  return Round15(v);
}

}  // namespace tessaly::expr
