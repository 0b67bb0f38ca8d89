// The plain number text checked against the C library's "%.15g", which rounds to 15
// significant digits, drops trailing zeros and switches to exponent form below 1E-04 and
// from 1E+15 on, exactly the plain form apart from the exponent letter.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "common/number_text.h"

namespace tessaly {
namespace {

std::string Oracle(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  std::string s = buf;
  for (char& c : s)
    if (c == 'e') c = 'E';
  return s == "-0" ? "0" : s;
}

void ExpectLikeOracle(double v) { ASSERT_EQ(PlainNumberText(v), Oracle(v)) << "bits of " << v; }

TEST(PlainNumberText, MatchesFifteenDigitRoundingOnManyValues) {
  // Thresholds of the exponent form, carries into the next power of ten, long values.
  // clang-format off
  const double edges[] = {1e-4, 0.00009999999999999999, 1e-5, 1e15, 999999999999999.0,
                          999999999999999.5, 0.1 + 0.2, 2.0 / 3, 100000000000001.0,
                          0.99999999999999994, 123456789012345.6, -0.25, 1e22, 5e-324,
                          1.7976931348623157e308, 4503599627370497.0};
  // clang-format on
  for (double v : edges) ExpectLikeOracle(v);

  std::mt19937_64 rng(2024);
  // Short decimals as typed or rounded: an integer of up to 16 digits over 10^k.
  for (int i = 0; i < 200000; ++i) {
    const int digits = 1 + static_cast<int>(rng() % 16);
    uint64_t top = 1;
    for (int j = 0; j < digits; ++j) top *= 10;
    const double t = static_cast<double>(rng() % top);
    const int k = static_cast<int>(rng() % 20);
    double v = t / std::pow(10.0, k);
    if (rng() % 2) v = -v;
    ExpectLikeOracle(v);
    ExpectLikeOracle(Round(v * 1.0000001, static_cast<int>(rng() % 17)));
  }
  // Full-precision values across the range written without exponent, and exact ties at
  // the 15th digit there: 16 significant digits ending in 5, held exactly by the double
  // (N = 5^k * M with M odd is N / 10^k = M / 2^k).
  std::uniform_real_distribution<double> decades(-4.2, 15.2);
  for (int i = 0; i < 200000; ++i) {
    const double v = std::pow(10.0, decades(rng));
    ExpectLikeOracle(rng() % 2 ? v : -v);
    const int k = 2 + static_cast<int>(rng() % 21);
    uint64_t five = 1;
    for (int j = 0; j < k; ++j) five *= 5;
    const uint64_t low = (1000000000000000ULL + five - 1) / five, high = 9999999999999999ULL / five;
    const uint64_t m = (low + rng() % (high - low + 1)) | 1;
    if (m * five <= 9999999999999999ULL) ExpectLikeOracle(std::ldexp(static_cast<double>(m), -k));
  }
  // Arbitrary doubles of every magnitude.
  for (int i = 0; i < 200000; ++i) {
    uint64_t bits = rng();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v)) continue;
    ExpectLikeOracle(v);
    ExpectLikeOracle(
        std::ldexp(static_cast<double>(rng() % 100000000), -static_cast<int>(rng() % 60)));
  }
}

// Values written in full (results of rotations, quotients): every magnitude from 1E-05 to
// 1E+15 with arbitrary bits, and values next to a half-way point of the 15th digit.
TEST(PlainNumberText, MatchesFifteenDigitRoundingOnFullPrecisionValues) {
  std::mt19937_64 rng(7);
  for (int i = 0; i < 400000; ++i) {
    const double mantissa = 1 + static_cast<double>(rng() >> 11) / 9007199254740992.0;
    double v = std::ldexp(mantissa, static_cast<int>(rng() % 68) - 17);
    if (rng() % 2) v = -v;
    ExpectLikeOracle(v);
  }
  for (int i = 0; i < 200000; ++i) {
    const double t = static_cast<double>(100000000000000 + rng() % 900000000000000);
    const double half = (t + 0.5) / std::pow(10.0, static_cast<int>(rng() % 20));
    ExpectLikeOracle(half);
    ExpectLikeOracle(std::nextafter(half, 0.0));
    ExpectLikeOracle(std::nextafter(half, 1e300));
  }
}

// The appended rounded number text is the plain number text of the rounded value.
TEST(PlainNumberText, RoundedTextMatchesTextOfRoundedValue) {
  std::mt19937_64 rng(31);
  for (int i = 0; i < 300000; ++i) {
    double v;
    if (i % 2) {
      v = (static_cast<double>(rng() % 2000000001) - 1e9) / std::pow(10.0, rng() % 16);
    } else {
      uint64_t bits = rng();
      std::memcpy(&v, &bits, sizeof v);
      if (std::isnan(v)) v = 1.5;
    }
    const int k = static_cast<int>(rng() % 20) - 1;
    std::string text;
    AppendRoundedNumberText(text, v, k);
    ASSERT_EQ(text, PlainNumberText(Round(v, k))) << v << " to " << k << " decimals";
  }
  for (double v : {0.00005, -0.00005, 0.0001, 0.00015, -0.3, 999999999.9999999, 1e300})
    for (int k = 0; k <= 17; ++k) {
      std::string text;
      AppendRoundedNumberText(text, v, k);
      EXPECT_EQ(text, PlainNumberText(Round(v, k))) << v << " to " << k << " decimals";
    }
}

// Round against the C library's nearbyint (halves to even in the default rounding mode),
// minus zero included.
TEST(Round, MatchesNearbyintScaling) {
  auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
  std::mt19937_64 rng(77);
  for (int i = 0; i < 300000; ++i) {
    double v;
    switch (i % 3) {
      case 0: {  // exact halves and near-halves at every scale
        v = (static_cast<double>(rng() % 2000001) - 1000000.0) / 2;
        v = std::ldexp(v, static_cast<int>(rng() % 60) - 30);
        break;
      }
      case 1:
        v = (static_cast<double>(rng() % 2000000001) - 1e9) / 1e6;
        break;
      default: {
        uint64_t bits = rng();
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v)) v = 0.5;
      }
    }
    const int k = static_cast<int>(rng() % 18);
    const double scale = std::pow(10.0, k);
    const double expected = std::isfinite(v * scale) ? std::nearbyint(v * scale) / scale : v;
    ASSERT_TRUE(same(Round(v, k), expected)) << v << " to " << k << " decimals";
  }
  EXPECT_TRUE(same(Round(-0.3, 0), -0.0));
  EXPECT_TRUE(same(Round(4503599627370497.0, 0), 4503599627370497.0));
  EXPECT_TRUE(same(Round(-4503599627370495.5, 0), -4503599627370496.0));
}

}  // namespace
}  // namespace tessaly
