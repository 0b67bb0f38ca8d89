#include "linear/matrix_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/text_util.h"
#include "expr/formula.h"

namespace tessaly {
namespace {

using Rows = std::vector<std::vector<double>>;

Rows ReadAugmented(int n, std::string_view text) {
  Matrix m(n, n + 1);
  ReadMatrixText(m, n, text);
  Rows rows(n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n + 1; ++j) rows[i - 1].push_back(m(i, j));
  return rows;
}

Rows ReadSquare(int n, std::string_view text) {
  Matrix m = ReadSquareMatrixText(n, text);
  EXPECT_EQ(m.Rows(), n);
  EXPECT_EQ(m.Cols(), n);
  Rows rows(n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) rows[i - 1].push_back(m(i, j));
  return rows;
}

TEST(ReadMatrixText, RowAndEntrySeparatorsGiveTheSameMatrix) {
  const Rows expected = {{1, 2, 3}, {4, 5, 6}};
  for (std::string_view text : {
           "1 2 3\r\n4 5 6",
           "1 2 3\r\n4 5 6\r\n",
           "1 2 3\n4 5 6\n",
           "1,2,3\r\n4,5,6",
           "1, 2 ,3\r\n4 ,5, 6",
           "1    2  3\r\n4         5           6",
           "1 2 3\r\n\r\n4 5 6",
           "1 2 3#4 5 6",
           "1 2 3 # 4 5 6",
           "\r\n\r\n  1 2 3\r\n4 5 6  ",
           "1,,2,3\r\n4,,,,5,6",
           "1 2 3,\r\n,4 5 6",
           "1\t2\t3\r\n4\t5\t6",
           "\t1 \t2,3\t\r\n\t\t4\t\t\t5  6\t",
       })
    EXPECT_EQ(ReadAugmented(2, text), expected) << "text: " << text;

  // Ten empty lines between two rows still collapse to one separator; eleven leave an
  // empty row, which reads 0 in its first entry and keeps the rest of the previous row.
  std::string ten = "1 2 3";
  for (int k = 0; k < 11; ++k) ten += "\r\n";
  EXPECT_EQ(ReadAugmented(2, ten + "4 5 6"), expected);
  EXPECT_EQ(ReadAugmented(2, ten + "\r\n4 5 6"), (Rows{{1, 2, 3}, {0, 2, 3}}));
  EXPECT_EQ(ReadAugmented(3, ten + "\r\n4 5 6"), (Rows{{1, 2, 3, 0}, {0, 2, 3, 0}, {4, 5, 6, 0}}));

  // Five commas are reduced only to two by the two ",," passes: an empty entry, value 0.
  EXPECT_EQ(ReadAugmented(2, "1,,,,,2\r\n4 5 6"), (Rows{{1, 0, 2}, {4, 5, 6}}));
}

TEST(ReadMatrixText, ScratchRowCarriesOverAndExtrasAreIgnored) {
  // A missing row gets 0 first and the previous row's other values.
  EXPECT_EQ(ReadAugmented(2, "1 2 3"), (Rows{{1, 2, 3}, {0, 2, 3}}));
  EXPECT_EQ(ReadAugmented(3, "1 2 3"), (Rows{{1, 2, 3, 0}, {0, 2, 3, 0}, {0, 2, 3, 0}}));
  // A short row keeps the trailing values of the row before it; the first row keeps zeros.
  EXPECT_EQ(ReadAugmented(2, "1\r\n4 5 6"), (Rows{{1, 0, 0}, {4, 5, 6}}));
  EXPECT_EQ(ReadAugmented(2, "1 2 3\r\n4"), (Rows{{1, 2, 3}, {4, 2, 3}}));
  // Extra entries and extra rows are ignored.
  EXPECT_EQ(ReadAugmented(2, "1 2 3 9\r\n4 5 6 9 9\r\n7 8 9"), (Rows{{1, 2, 3}, {4, 5, 6}}));
  // Nothing to read at all.
  EXPECT_EQ(ReadAugmented(2, ""), (Rows{{0, 0, 0}, {0, 0, 0}}));
  EXPECT_EQ(ReadAugmented(1, "   "), (Rows{{0, 0}}));

  // Square form: n entries per row, the same carrying.
  EXPECT_EQ(ReadSquare(2, "1 2 3\r\n4 5 6"), (Rows{{1, 2}, {4, 5}}));
  EXPECT_EQ(ReadSquare(2, "1 2\r\n3"), (Rows{{1, 2}, {3, 2}}));
  EXPECT_EQ(ReadSquare(3, "7"), (Rows{{7, 0, 0}, {0, 0, 0}, {0, 0, 0}}));
  EXPECT_EQ(ReadSquareMatrixText(0, "1 2").Rows(), 0);
}

TEST(ReadMatrixText, EntriesAreFormulas) {
  Rows r = ReadAugmented(2, "1/2 sqr(4) -2^2\r\npi/4,1e-3,-(1+1)");
  EXPECT_EQ(r[0], (std::vector<double>{0.5, 2, 4}));
  EXPECT_DOUBLE_EQ(r[1][0], 3.14159265358979 / 4);
  EXPECT_EQ(r[1][1], 0.001);
  EXPECT_EQ(r[1][2], -2);
  // A malformed entry is not reported; it takes the evaluator's value.
  std::string bad = "2q";
  const double badValue = EvaluateConstantText(bad);
  EXPECT_EQ(ReadAugmented(1, "2q 5")[0], (std::vector<double>{badValue, 5}));
}

// Plain numerals are read without a whole evaluation; the value must be bit for bit the
// one the engine gives, as an inner entry and as the last entry of a row (with the row's
// closing "#").
TEST(ReadMatrixText, NumeralsReadLikeTheExpressionEngine) {
  std::istringstream fixed(
      "0 00 -0 +0 0.0 -0.0 -.0 .0 0e5 5 +5 -5 5. .5 -.5 +.25 1e5 1E5 1e+5 1E-5 -1e-5 2.5e+300 "
      "1e308 1.8e308 1e-320 4.9e-324 1e-400 123456789012345678901234567890 0.1 0.3 "
      "9007199254740993 1.00000000000000011102230246251565 1e 1e+ 1.2.3 --3 +-3 - . -. 0x10 "
      "inf nan 1d5");
  std::vector<std::string> numerals{std::istream_iterator<std::string>(fixed), {}};
  std::mt19937 rng(12345);
  auto digits = [&](int count) {
    std::string s;
    while (count-- > 0) s += static_cast<char>('0' + rng() % 10);
    return s;
  };
  for (int k = 0; k < 3000; ++k) {
    std::string s = std::string(rng() % 4 == 0 ? "-" : rng() % 4 == 0 ? "+" : "");
    s += digits(1 + rng() % 12);
    if (rng() % 2) s += '.' + digits(rng() % 20);
    if (rng() % 3 == 0) s += std::string("e") + "+-"[rng() % 2] + digits(1 + rng() % 3);
    numerals.push_back(s);
  }
  auto same = [](double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
  };
  for (const std::string& numeral : numerals) {
    std::string inner = numeral, last = numeral + "#";
    const double innerValue = EvaluateConstantText(inner);
    const double lastValue = EvaluateConstantText(last);
    Matrix m(1, 2);
    ReadMatrixText(m, 1, numeral + " " + numeral);
    EXPECT_TRUE(same(m(1, 1), innerValue)) << numeral << ": " << m(1, 1) << " vs " << innerValue;
    EXPECT_TRUE(same(m(1, 2), lastValue)) << numeral << "#: " << m(1, 2) << " vs " << lastValue;
  }
}

// The reading done literally, pass by pass, with a fresh evaluation of every entry: the
// reference for the reader, which computes the same passes in fewer scans.
Rows LiteralReading(int n, int width, std::string_view text) {
  auto collapse = [](std::string t) {
    for (const char* run : {"         ", "     ", "   ", "  "}) t = ReplaceAll(t, run, " ");
    t = ReplaceAll(t, " ", ",");
    return ReplaceAll(t, ",,", ",");
  };
  std::vector<double> scratch(width + 1, 0.0);
  std::string s = collapse(std::string(TrimBlanks(TabsAsBlanks(text))));
  for (char& c : s)
    if (c == '\n' || c == '\r') c = '#';
  s = ReplaceAll(ReplaceAll(s, "#,", "#"), ",#", "#") + "#";
  for (const char* run : {"#####", "###", "##"}) s = ReplaceAll(s, run, "#");
  while (!s.empty() && (s[0] == ' ' || s[0] == '#')) s.erase(0, 1);
  Rows rows;
  for (int i = 1; i <= n; ++i) {
    size_t e = s.find('#');
    std::string t = e == std::string::npos ? "" : s.substr(0, e + 1);
    t = collapse(std::string(TrimLeadingBlanks(t)));
    for (int j = 1;;) {
      size_t h = t.find(',');
      std::string entry = h == std::string::npos ? t : t.substr(0, h);
      scratch[j] = EvaluateConstantText(entry);
      if (h == std::string::npos) break;
      t = t.substr(h + 1);
      if (++j > width) break;
    }
    rows.emplace_back(scratch.begin() + 1, scratch.end());
    if (e != std::string::npos) s = s.substr(e + 1);
  }
  return rows;
}

TEST(ReadMatrixText, AgreesWithTheLiteralPasses) {
  const std::vector<std::string> pieces = {
      "1",          "2.5", "-3", "1/2", "7",    " ",  " ",        " ", "  ",  "    ",
      "          ", ",",   ",",  ",,,", "\r\n", "\n", "\r\n\r\n", "#", "###", "\t"};
  std::mt19937 rng(99);
  for (int k = 0; k < 3000; ++k) {
    std::string text;
    const int count = 1 + static_cast<int>(rng() % 40);
    for (int p = 0; p < count; ++p) text += pieces[rng() % pieces.size()];
    const int n = 1 + static_cast<int>(rng() % 4);
    ASSERT_EQ(ReadAugmented(n, text), LiteralReading(n, n + 1, text)) << "text: " << text;
    ASSERT_EQ(ReadSquare(n, text), LiteralReading(n, n, text)) << "text: " << text;
  }
}

TEST(ReadMatrixText, ReadsLongTexts) {
  // An order-120 system is far longer than 32767 characters; every entry must arrive.
  const int n = 120;
  std::string text;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n + 1; ++j) text += std::to_string(i * 1000 + j) + ".25 ";
    text += "\r\n";
  }
  ASSERT_GT(text.size(), 32767u);
  Matrix m(n, n + 1);
  ReadMatrixText(m, n, text);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n + 1; ++j) ASSERT_EQ(m(i, j), i * 1000 + j + 0.25) << i << "," << j;
}

}  // namespace
}  // namespace tessaly
