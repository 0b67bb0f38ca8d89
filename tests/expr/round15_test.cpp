// The value of x in the scan: Round15 (exact arithmetic with a text fallback) gives the
// same double as printing x with 15 significant digits and reading the text back, on many
// values, exact ties at the 15th digit and their neighbours included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "common/number_text.h"
#include "expr/round15.h"

namespace tessaly {
namespace {

// The reference: the C library prints with 15 significant digits (exact, halves to even)
// and reads back.
double ByText(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", v);
  return std::strtod(buf, nullptr);
}

bool Same(double a, double b) {
  if (std::isnan(a) && std::isnan(b)) return true;
  return std::memcmp(&a, &b, sizeof a) == 0;
}

int Check(double v) {
  double want = ByText(v);
  double got = expr::Round15(v);
  EXPECT_TRUE(Same(got, want)) << std::hexfloat << v << ": " << got << " vs " << want;
  EXPECT_TRUE(Same(RoundTo15Significant(v), want)) << std::hexfloat << v;
  return Same(got, want) ? 0 : 1;
}

TEST(Round15, MatchesPrintingAndReadingBack) {
  std::mt19937_64 rng(15);
  int failures = 0;
  // Any bit pattern (all magnitudes, subnormals, non-finite).
  for (int i = 0; i < 100000 && failures < 5; ++i) {
    uint64_t bits = rng();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    failures += Check(v);
  }
  // The exact range, densely: mantissas in every decade from 1E-09 to 1E+38.
  std::uniform_real_distribution<double> unit(1, 10);
  for (int e = -9; e <= 38 && failures < 5; ++e)
    for (int i = 0; i < 5000; ++i) failures += Check(unit(rng) * std::pow(10.0, e));
  EXPECT_EQ(failures, 0);
}

TEST(Round15, ExactTiesAndTheirNeighbours) {
  std::mt19937_64 rng(5);
  std::uniform_int_distribution<long long> digits15(100000000000000LL, 999999999999999LL);
  std::uniform_int_distribution<long long> digits14(10000000000000LL, 99999999999999LL);
  int failures = 0, ties = 0;
  for (int i = 0; i < 100000 && failures < 5; ++i) {
    // n.5 with 15 digits before the point, n.25 / n.75 with 14, n.125 ... with 13, and
    // 16-digit integers ending in 5: each an exact binary value halfway between two
    // 15-digit decimals.
    double t;
    switch (i % 4) {
      case 0: t = static_cast<double>(digits15(rng)) + 0.5; break;
      case 1: t = static_cast<double>(digits14(rng)) + (i % 8 == 1 ? 0.25 : 0.75); break;
      case 2: t = static_cast<double>(digits14(rng) / 10) + 0.125 + 0.25 * (i % 3); break;
      default: t = static_cast<double>(digits15(rng)) * 10 + 5; break;
    }
    if (i % 4 == 2) t = std::ldexp(t, 0);
    ++ties;
    for (double v : {t, -t, std::nextafter(t, 0.0), std::nextafter(t, 1e300)}) {
      failures += Check(v);
      // Scaled by exact powers of two the value stays a tie only by chance; check anyway.
      failures += Check(std::ldexp(v, -20));
      failures += Check(std::ldexp(v, 30));
    }
  }
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(ties, 100000);
  // Known ties: half-to-even on the digit before.
  EXPECT_EQ(expr::Round15(1000000000000005.0), 1e15);
  EXPECT_EQ(expr::Round15(1000000000000015.0), 1.00000000000002e15);
  EXPECT_EQ(expr::Round15(123456789012345.5), 123456789012346.0);
  EXPECT_EQ(expr::Round15(123456789012344.5), 123456789012344.0);
}

TEST(Round15, BoundariesOfTheExactPath) {
  int failures = 0;
  for (int e = -330; e <= 308; ++e) {
    double p = std::pow(10.0, e);
    for (double v : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e308), p * 9.999999999999995,
                     p * 0.9999999999999995, p * 1.0000000000000005})
      failures += Check(v);
  }
  for (double v : {1e-8, 9.99999999999999e-9, 1e37, 9.99999999999999e36, 1e15, 1e14,
                   999999999999999.5, 99999999999999.95, 4.9406564584124654e-324,
                   2.2250738585072014e-308, 1.7976931348623157e308})
    failures += Check(v);
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(expr::ScanValue(-0.0), 0.0);
  EXPECT_FALSE(std::signbit(expr::ScanValue(-0.0)));  // written "0"
  EXPECT_TRUE(std::isinf(expr::ScanValue(INFINITY)));
}

}  // namespace
}  // namespace tessaly
