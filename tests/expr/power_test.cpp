// "^" with an exponent 2..8 takes a faster road than std::pow (a double-double power,
// rounded where it is clearly away from a rounding midpoint); it must give std::pow's value
// everywhere: on millions of values, on powers placed next to midpoints, at the ends of
// the range, for negative, zero and non-finite bases.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "expr/scan_rules.h"

namespace tessaly::expr {
namespace {

// std::pow at run time (a constant exponent lets the compiler rewrite pow(a, 2) as a * a).
double Pow(double a, int n) {
  volatile double b = n;
  return std::pow(a, b);
}

bool Same(double a, double b) {
  if (std::isnan(a) && std::isnan(b)) return true;
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(PowSmallInt, GivesStdPowOnManyValues) {
  std::mt19937_64 rng(8);
  std::uniform_real_distribution<double> unit(-4, 4);
  long failures = 0;
  for (int n = 2; n <= 8; ++n) {
    for (int i = 0; i < 1500000 && failures < 5; ++i) {
      double a = i % 2 ? unit(rng) : std::ldexp(unit(rng), static_cast<int>(rng() % 200) - 100);
      double want = Pow(a, n), got = PowSmallInt(a, n);
      if (!Same(got, want)) {
        ++failures;
        ADD_FAILURE() << std::hexfloat << a << " ^ " << n << ": " << got << " vs " << want;
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(PowSmallInt, GivesStdPowNextToMidpoints) {
  // Squares whose exact value lies within a few thousandths of an ULP of a midpoint: the
  // values where glibc's pow itself rounds either way.
  std::mt19937_64 rng(9);
  long tried = 0, failures = 0;
  while (tried < 200000 && failures < 5) {
    double a = std::ldexp(static_cast<double>(rng() >> 11), -52);  // [0, 2)
    double h = a * a, l = std::fma(a, a, -h);
    int e;
    std::frexp(h, &e);
    double ulp = std::ldexp(1.0, e - 53);
    if (std::fabs(std::fabs(l) / ulp - 0.5) > 0.1) continue;
    ++tried;
    for (int n : {2, 3, 4})
      if (!Same(PowSmallInt(a, n), Pow(a, n))) {
        ++failures;
        ADD_FAILURE() << std::hexfloat << a << " ^ " << n;
      }
  }
  EXPECT_EQ(failures, 0);
}

TEST(PowSmallInt, EdgesOfTheRange) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double a : {0.0, -0.0, 1.0, -1.0, 2.0, -2.0, 1e-300, -1e-300, 1e-60, 1e60, 1e150, 1e155,
                   1e160, 1e300, -1e300, 5e-324, 2.2250738585072014e-308, inf, -inf,
                   std::numeric_limits<double>::quiet_NaN(), 0x1p-112, 0x1p+125, 0x1.8p-113})
    for (int n = 2; n <= 8; ++n)
      EXPECT_TRUE(Same(PowSmallInt(a, n), Pow(a, n))) << a << " ^ " << n;
  EXPECT_EQ(PowerConstInt(1e200, 2), 0);  // a finite overflow is 0
  EXPECT_EQ(PowerConstInt(inf, 2), inf);  // a diverged value stays infinite
  EXPECT_EQ(Power(-2, 3), -8);
  EXPECT_EQ(Power(-8, 1.0 / 3), 0);
}

}  // namespace
}  // namespace tessaly::expr
