// No crash, no deep recursion and no quadratic work on hostile input: megabyte formulas,
// ten thousand nested parentheses, embedded NUL and non-ASCII bytes, huge numerals.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

#include "expr/formula.h"

namespace tessaly {
namespace {

using Clock = std::chrono::steady_clock;

struct Timed {
  double value;
  int steps;
  double seconds;
};

// Normalises and evaluates the typed text (and takes it as an entry), timing the lot.
Timed Stress(const std::string& typed, double x = 1) {
  auto start = Clock::now();
  Timed t{};
  std::string canonical = NormalizeFormula(typed);
  t.value = EvaluateFormula(canonical, x, t.steps);
  int rawSteps = 0;
  EvaluateFormula(typed, x, rawSteps);
  std::string entry = typed;
  EvaluateConstantText(entry);
  EvaluateFormulaXY(canonical, x, "y", x);
  t.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return t;
}

// Generous bounds: a linear pass over a megabyte takes milliseconds, a quadratic one hours.
constexpr double kSeconds = 5;

TEST(ExprRobustness, MegabyteFormulas) {
  std::string sum;
  while (sum.size() < (1 << 20)) sum += "x+1-";
  sum += "x";
  Timed a = Stress(sum);
  EXPECT_EQ(a.steps, kMalformedSteps);  // well-formed, but more than 5000 steps
  EXPECT_LT(a.seconds, kSeconds);

  std::string digits(1 << 20, '7');  // one numeral of a million digits: infinity
  Timed b = Stress(digits);
  EXPECT_EQ(b.steps, 2);
  EXPECT_TRUE(std::isinf(b.value));
  EXPECT_LT(b.seconds, kSeconds);

  // A long numeral that is not a number ("+." with zeros): read once, not at every step.
  Timed c = Stress("1*(((((" + std::string("+.") + std::string(1 << 20, '0'));
  EXPECT_EQ(c.steps, kMalformedSteps);
  EXPECT_LT(c.seconds, kSeconds);
  Timed d = Stress("2^2^2^2^2^2^2^2-+" + std::string(1 << 20, '0') + "1E-999999999999");
  EXPECT_LT(d.seconds, kSeconds);
  Timed e = Stress(std::string(1 << 20, '-') + "1");  // a million signs to mark
  EXPECT_LT(e.seconds, kSeconds);
  Timed f = Stress(std::string(1 << 19, 'x'));  // half a million substitutions
  EXPECT_EQ(f.value, 1);
  EXPECT_LT(f.seconds, kSeconds);
  Timed g = Stress(std::string(1 << 20, 'p') + std::string(1 << 20, 'i'));  // one pi
  EXPECT_LT(g.seconds, kSeconds);
  std::string pis;
  for (int i = 0; i < (1 << 18); ++i) pis += "pi-";
  Timed h = Stress(pis + "e+e-exp(log10(log2(x)))");
  EXPECT_LT(h.seconds, kSeconds);
}

TEST(ExprRobustness, TenThousandNestedParentheses) {
  std::string deep = std::string(10000, '(') + "x" + std::string(10000, ')');
  Timed a = Stress(deep);
  EXPECT_EQ(a.steps, kMalformedSteps);
  EXPECT_LT(a.seconds, kSeconds);
  std::string functions;
  for (int i = 0; i < 10000; ++i) functions += "sin(-";
  functions += "x" + std::string(10000, ')');
  EXPECT_LT(Stress(functions).seconds, kSeconds);
  // Deep, but within the cap: 1000 nested parentheses.
  Timed b = Stress(std::string(1000, '(') + "x" + std::string(1000, ')'), 0.25);
  EXPECT_EQ(b.value, 0.25);
  EXPECT_EQ(b.steps, 2004);
  // A right-leaning power tower within the cap compiles to a shallow stack.
  std::string tower;
  for (int i = 0; i < 600; ++i) tower += "1^(";
  tower += "x" + std::string(600, ')');
  EXPECT_EQ(Stress(tower, 3).value, 1);
}

TEST(ExprRobustness, NulNonAsciiAndStrayBytes) {
  std::string nul = std::string("x+1") + '\0' + "+2";
  EXPECT_EQ(Stress(nul).steps, kMalformedSteps);
  EXPECT_EQ(Stress("x\xe4\xb8\xad+1").steps, kMalformedSteps);
  EXPECT_EQ(Stress("\xff\xfe\x80").steps, kMalformedSteps);
  EXPECT_EQ(Stress(std::string(1000, '\x80') + "-1").steps, kMalformedSteps);
  EXPECT_EQ(Stress("\xef\xbc\x88x\xef\xbc\x89").steps, kMalformedSteps);  // full-width ( )
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  for (int i = 0; i < 4; ++i) all += all;
  EXPECT_LT(Stress(all).seconds, kSeconds);
}

TEST(ExprRobustness, HugeAndTinyNumerals) {
  EXPECT_TRUE(std::isinf(Stress("1E999999999999999999999").value));
  EXPECT_EQ(Stress("1E-999999999999999999999").steps, kMalformedSteps);  // reads 0: not a number
  EXPECT_EQ(Stress("0E-999999999999999999999").value, 0);
  EXPECT_EQ(Stress("0." + std::string(100000, '0') + "1E+100005").value, 1e4);
  EXPECT_EQ(Stress(std::string(400, '9') + "E-300").value, 1e100);
}

}  // namespace
}  // namespace tessaly
