#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

namespace tessaly {
namespace {

TEST(NumberText, RoundGoesHalfToEven) {
  EXPECT_EQ(Round(2.5, 0), 2);
  EXPECT_EQ(Round(3.5, 0), 4);
  EXPECT_EQ(Round(-2.5, 0), -2);
  EXPECT_EQ(Round(0.125, 2), 0.12);
  EXPECT_EQ(Round(0.375, 2), 0.38);
  EXPECT_EQ(Round(2.0 / 3.0, 6), 0.666667);
  EXPECT_TRUE(std::isinf(Round(std::numeric_limits<double>::infinity(), 3)));
  // Scaling that overflows leaves the value as it is.
  EXPECT_EQ(Round(1e300, 16), 1e300);
}

TEST(NumberText, PlainNumberTextForms) {
  EXPECT_EQ(PlainNumberText(3), "3");
  EXPECT_EQ(PlainNumberText(0.5), "0.5");
  EXPECT_EQ(PlainNumberText(-0.25), "-0.25");
  EXPECT_EQ(PlainNumberText(0.00001), "1E-05");
  EXPECT_EQ(PlainNumberText(0.0001), "0.0001");
  EXPECT_EQ(PlainNumberText(1e15), "1E+15");
  EXPECT_EQ(PlainNumberText(1e14 + 1), "100000000000001");
  EXPECT_EQ(PlainNumberText(1.5e20), "1.5E+20");
  EXPECT_EQ(PlainNumberText(-1.25e-7), "-1.25E-07");
  EXPECT_EQ(PlainNumberText(1e100), "1E+100");
  EXPECT_EQ(PlainNumberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(PlainNumberText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(PlainNumberText(std::sqrt(2.0)), "1.4142135623731");
  EXPECT_EQ(PlainNumberText(123456.789), "123456.789");
  // Rounding to 15 digits can carry into the next power of ten.
  EXPECT_EQ(PlainNumberText(999999999999999.9), "1E+15");
  EXPECT_EQ(PlainNumberText(0.00009999999999999999), "0.0001");
  EXPECT_EQ(PlainNumberText(0.0000999999999999999), "9.99999999999999E-05");
  EXPECT_EQ(PlainNumberText(-0.0), "0");
  EXPECT_EQ(PlainNumberText(std::numeric_limits<double>::infinity()), "Infinity");
  EXPECT_EQ(PlainNumberText(-std::numeric_limits<double>::infinity()), "-Infinity");
  EXPECT_EQ(PlainNumberText(std::nan("")), "NaN");
}

TEST(NumberText, RoundedNumberTextWithDigits) {
  EXPECT_EQ(RoundedNumberText(0.1 + 0.2, 6), "0.3");
  EXPECT_EQ(RoundedNumberText(1e-7, 6), "0");
  EXPECT_EQ(RoundedNumberText(-1e-7, 6), "0");  // minus zero prints as 0
  EXPECT_EQ(RoundedNumberText(2.0 / 3.0, 6), "0.666667");
  EXPECT_EQ(RoundedNumberText(2, 6), "2");
  EXPECT_EQ(RoundedNumberText(-2.0000001, 6), "-2");
}

TEST(NumberText, LeadingBlankAndIntegerAndAlignment) {
  EXPECT_EQ(LeadingBlankNumberText(0.5), " .5");
  EXPECT_EQ(LeadingBlankNumberText(-0.25), "-.25");
  EXPECT_EQ(LeadingBlankNumberText(3), " 3");
  EXPECT_EQ(LeadingBlankNumberText(0), " 0");
  EXPECT_EQ(LeadingBlankNumberText(1e-5), " 1E-05");
  EXPECT_EQ(LeadingBlankNumberText(-12.5), "-12.5");
  EXPECT_EQ(PlainIntegerText(1), "1");
  EXPECT_EQ(PlainIntegerText(-7), "-7");
  EXPECT_EQ(RightAligned("2.5", 24), std::string(21, ' ') + "2.5");
  EXPECT_EQ(RightAligned("-0.333333333333333", 10), "-0.333333333333333");
  // Width counts characters, not bytes.
  EXPECT_EQ(RightAligned("根", 3), "  根");
  // The appending form pads after what the buffer already holds.
  std::string out = "x";
  AppendRightAlignedNumberText(out, 2.5, 24);
  AppendRightAlignedNumberText(out, -1.0 / 3, 10);
  EXPECT_EQ(out, "x" + std::string(21, ' ') + "2.5" + "-0.333333333333333");
}

TEST(NumberText, LeadingNumberReading) {
  EXPECT_EQ(LeadingNumber("3abc"), 3);
  EXPECT_EQ(LeadingNumber("  -2.5e3x"), -2500);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber(" \t\n2"), 2);  // blanks, tabs and line feeds are skipped
  EXPECT_EQ(LeadingNumber("\r2"), 0);       // a carriage return is not
  EXPECT_EQ(LeadingNumber("1e"), 1);
  EXPECT_EQ(LeadingNumber("1e+"), 1);
  EXPECT_EQ(LeadingNumber(".5"), 0.5);
  EXPECT_EQ(LeadingNumber("-.5"), -0.5);
  EXPECT_EQ(LeadingNumber("+3"), 3);
  EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
  EXPECT_EQ(LeadingNumber("e5"), 0);
  EXPECT_EQ(LeadingNumber("-"), 0);
  EXPECT_EQ(LeadingNumber("0.0001"), 0.0001);
  EXPECT_EQ(LeadingNumber("1E-05"), 1e-5);
}

TEST(NumberText, IntegerConversionIsHalfToEvenWithRangeCheck) {
  EXPECT_EQ(ToInt16(2.5), 2);
  EXPECT_EQ(ToInt16(3.5), 4);
  EXPECT_EQ(ToInt16(-0.5), 0);
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_FALSE(ToInt16(32767.5).has_value());
  EXPECT_EQ(ToInt16(-32768.5), -32768);
  EXPECT_FALSE(ToInt16(40000).has_value());
  EXPECT_FALSE(ToInt16(std::nan("")).has_value());
  EXPECT_EQ(ToInt32(7.5), 8);
  EXPECT_FALSE(ToInt32(3e9).has_value());
}

// The 15-digit rounding must agree with printing 15 significant digits and reading back.
TEST(NumberText, RoundTo15SignificantMatchesPrintAndRead) {
  std::mt19937_64 rng(12345);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-30, 30);
  auto viaPrintf = [](double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return std::strtod(buf, nullptr);
  };
  for (int i = 0; i < 20000; ++i) {
    double v = mantissa(rng) * std::pow(10.0, exponent(rng));
    ASSERT_EQ(RoundTo15Significant(v), viaPrintf(v)) << v;
  }
  // Exact ties at the 16th digit go to the even neighbour, as printf does.
  for (double v : {100000000000000.5, 100000000000001.5, 0.5, 2.5e-300, 1e22}) {
    EXPECT_EQ(RoundTo15Significant(v), viaPrintf(v)) << v;
  }
}

}  // namespace
}  // namespace tessaly
