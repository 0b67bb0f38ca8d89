// The compiled engine against the literal text scan (tests/support/literal_scan): same
// canonical text, same step count and the same double (bit for bit; any NaN matches any
// NaN) for every formula the tests use and for thousands of generated ones, well-formed
// and malformed, at many values of x and y.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "expr/formula.h"
#include "expr/formula_corpus.h"
#include "support/literal_scan.h"

namespace tessaly {
namespace {

using oracle::LiteralEvaluateConstantText;
using oracle::LiteralEvaluateFormula;
using oracle::LiteralEvaluateFormulaXY;
using oracle::LiteralNormalizeFormula;

bool Same(double a, double b) {
  if (std::isnan(a) && std::isnan(b)) return true;
  return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string Show(std::string_view s) {
  std::string out;
  for (unsigned char c : s) {
    if (c >= 32 && c < 127) {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", c);
      out += buf;
    }
  }
  return out;
}

// Checks one text at the given values; returns false (after reporting) at the first
// difference.
bool CheckText(const std::string& typed, const std::vector<double>& xs, bool alsoTyped = true) {
  std::string canonical = NormalizeFormula(typed);
  std::string literal = LiteralNormalizeFormula(typed);
  EXPECT_EQ(canonical, literal) << "NormalizeFormula of " << Show(typed);
  if (canonical != literal) return false;
  // The canonical text, and the typed text taken as if it were canonical.
  for (int pass = 0; pass < (alsoTyped ? 2 : 1); ++pass) {
    const std::string& text = pass == 0 ? canonical : typed;
    Formula compiled(text);
    for (double x : xs) {
      oracle::ScanResult want = LiteralEvaluateFormula(text, x);
      int steps = -1;
      double got = compiled.Evaluate(x, steps);
      int freeSteps = -1;
      double gotFree = EvaluateFormula(text, x, freeSteps);
      bool ok = Same(got, want.value) && steps == want.steps && Same(gotFree, want.value) &&
                freeSteps == want.steps;
      EXPECT_TRUE(ok) << "text " << Show(text) << " at x = " << x << " (%a " << std::hexfloat
                      << x << std::defaultfloat << "): engine " << got << " in " << steps
                      << " steps, literal scan " << want.value << " in " << want.steps
                      << " steps";
      if (!ok) return false;
    }
  }
  std::string entry = typed, literalEntry = typed;
  double c = EvaluateConstantText(entry);
  double lc = LiteralEvaluateConstantText(literalEntry);
  EXPECT_TRUE(Same(c, lc) && entry == literalEntry)
      << "EvaluateConstantText of " << Show(typed) << ": " << c << " vs " << lc;
  return Same(c, lc) && entry == literalEntry;
}

bool CheckTextXY(const std::string& typed, const std::vector<double>& xs,
                 const std::vector<double>& ys, const std::string& yName = "y") {
  std::string canonical = NormalizeFormula(typed);
  FormulaXY compiled(canonical, yName);
  for (size_t i = 0; i < xs.size(); ++i) {
    double x = xs[i], y = ys[(i * 7 + 3) % ys.size()];
    double want = LiteralEvaluateFormulaXY(canonical, x, yName, y);
    double got = compiled.Evaluate(x, y);
    double gotFree = EvaluateFormulaXY(canonical, x, yName, y);
    bool ok = Same(got, want) && Same(gotFree, want);
    EXPECT_TRUE(ok) << "text " << Show(canonical) << " (" << yName << ") at x = " << x
                    << ", y = " << y << ": engine " << got << ", literal scan " << want;
    if (!ok) return false;
  }
  return true;
}

std::vector<double> Values(std::mt19937_64& rng, int n) {
  std::vector<double> v = testing::ValueCorpus();
  std::uniform_real_distribution<double> unit(-1, 1);
  std::uniform_int_distribution<int> exp10(-30, 30);
  std::uniform_int_distribution<long long> digits(100000000000000LL, 999999999999999LL);
  for (int i = 0; i < n; ++i) {
    switch (i % 4) {
      case 0: v.push_back(unit(rng) * std::pow(10.0, exp10(rng))); break;
      case 1: {  // a tie at the 15th digit, or a neighbour of one
        double t = (static_cast<double>(digits(rng)) + 0.5) * std::pow(10.0, exp10(rng) % 8);
        v.push_back(i % 8 == 1 ? t : std::nextafter(t, (i % 3) ? 0.0 : 1e300));
        break;
      }
      case 2: v.push_back(std::ldexp(static_cast<double>(rng() >> 11), -(int)(rng() % 80)));
        break;
      default: {
        double d;
        uint64_t bits = rng();
        std::memcpy(&d, &bits, sizeof d);
        v.push_back(d);  // any double, non-finite ones included
      }
    }
  }
  return v;
}

TEST(ExprDifferential, EveryCorpusFormulaMatchesTheLiteralScan) {
  std::mt19937_64 rng(1);
  std::vector<double> xs = Values(rng, 16);
  xs.push_back(std::numeric_limits<double>::infinity());
  xs.push_back(-std::numeric_limits<double>::infinity());
  xs.push_back(std::numeric_limits<double>::quiet_NaN());
  for (const std::string& f : testing::FormulaCorpus()) {
    if (!CheckText(f, xs)) return;
    if (!CheckTextXY(f, xs, xs)) return;
  }
}

// ---- generated formulas --------------------------------------------------------------

const char* const kSoupTokens[] = {
    "x", "x", "x", "y", "1", "2", "3", "0", "00", "2.5", ".5", "5.", "1e5", "1E-5", "3e+8",
    "1e-3", "7", "+", "-", "-", "*", "/", "\\", "^", "(", "(", ")", ")", "sin", "cos", "tan",
    "atn", "exp", "log", "log10", "log2", "sqr", "abs", "pi", "eyp", "lgg", "lg2", "sqrt",
    "=", "f(x)=", " ", "\t", "\r\n", "#", "e", "E", ".", "+0", "-0", "X", "SIN", "Pi", "中",
    "1E-400", "1e400", "\x80", std::string_view("\0", 1).data()};
constexpr size_t kSoupTokenCount = sizeof kSoupTokens / sizeof kSoupTokens[0];

std::string TokenSoup(std::mt19937_64& rng) {
  std::string s;
  int n = 1 + static_cast<int>(rng() % 14);
  for (int i = 0; i < n; ++i) {
    size_t k = rng() % kSoupTokenCount;
    if (k == kSoupTokenCount - 1) {
      s += '\0';
    } else {
      s += kSoupTokens[k];
    }
  }
  return s;
}

std::string Numeral(std::mt19937_64& rng) {
  static const char* const kNumerals[] = {"0", "1", "2", "3", "10", "0.5", ".5", "2.25",
                                          "1e3", "1E-2", "2.5e+1", "7", "100", "0.001", "1e-7",
                                          "123456789012345678", "3.14159265358979"};
  return kNumerals[rng() % (sizeof kNumerals / sizeof kNumerals[0])];
}

// A well-formed formula of the language (as typed), with unary signs where the language
// allows them.
std::string Expression(std::mt19937_64& rng, int depth) {
  static const char* const kFunctions[] = {"sin", "cos", "tan", "atn", "exp", "log",
                                           "log10", "log2", "sqr", "abs"};
  static const char* const kOps[] = {"+", "-", "*", "/", "^", "\\", "+", "-", "*"};
  int pick = static_cast<int>(rng() % (depth <= 0 ? 3 : 9));
  switch (pick) {
    case 0: return "x";
    case 1: return Numeral(rng);
    case 2: return rng() % 2 ? "pi" : "x";
    case 3: return std::string(kFunctions[rng() % 10]) + "(" + Expression(rng, depth - 1) + ")";
    case 4: {
      std::string t = "(";
      t += Expression(rng, depth - 1);
      t += ')';
      return t;
    }
    case 5: return std::string(rng() % 2 ? "(-" : "(+") + Expression(rng, depth - 1) + ")";
    default:
      return Expression(rng, depth - 1) + kOps[rng() % 9] + Expression(rng, depth - 1);
  }
}

// A well-formed formula with a random character changed, dropped or doubled.
std::string Damaged(std::mt19937_64& rng) {
  std::string s = Expression(rng, 4);
  if (s.empty()) return s;
  size_t at = rng() % s.size();
  static const char kChars[] = "x+-*/\\^()e.0E#y ";
  switch (rng() % 3) {
    case 0: s[at] = kChars[rng() % (sizeof kChars - 1)]; break;
    case 1: s.erase(at, 1); break;
    default: s.insert(at, 1, s[at]); break;
  }
  return s;
}

TEST(ExprDifferential, GeneratedFormulasMatchTheLiteralScan) {
  std::mt19937_64 rng(20240601);
  std::vector<double> xs = Values(rng, 12);
  std::uniform_int_distribution<size_t> pickX(0, xs.size() - 1);
  int checked = 0;
  for (int i = 0; i < 6000; ++i) {
    std::string typed;
    switch (i % 3) {
      case 0: typed = TokenSoup(rng); break;
      case 1: typed = Expression(rng, 1 + static_cast<int>(rng() % 6)); break;
      default: typed = Damaged(rng); break;
    }
    std::vector<double> some{xs[pickX(rng)], xs[pickX(rng)], i % 2 ? 0.0 : -1.5};
    if (!CheckText(typed, some, i % 4 == 0)) return;
    if (i % 4 == 0 && !CheckTextXY(typed, some, xs)) return;
    ++checked;
  }
  EXPECT_EQ(checked, 6000);
}

TEST(ExprDifferential, LongAndDeeplyNestedFormulasMatchTheLiteralScan) {
  std::mt19937_64 rng(7);
  std::vector<double> xs{0.5, -2, 1e-7, 0.0};
  std::vector<std::string> texts;
  for (int depth : {10, 100, 1000, 1666, 1667, 1668, 2499, 2500, 2501, 4000}) {
    texts.push_back(std::string(depth, '(') + "x" + std::string(depth, ')'));
    std::string nested;
    for (int i = 0; i < depth / 10; ++i) nested += "sin(";
    nested += "x";
    nested += std::string(depth / 10, ')');
    texts.push_back(nested);
    std::string neg;
    for (int i = 0; i < depth / 4; ++i) neg += "(-";
    neg += 'x';
    neg.append(depth / 4, ')');
    texts.push_back(neg);
  }
  for (int terms : {100, 1000, 1249, 1250, 1251, 2000}) {
    std::string sum = "x";
    for (int i = 1; i < terms; ++i) sum += (i % 3 ? "+x" : "-2*x^2");
    texts.push_back(sum);
    std::string right;
    for (int i = 0; i < terms / 2; ++i) right += "x^(";
    right += '1';
    right.append(terms / 2, ')');
    texts.push_back(right);
  }
  for (int i = 0; i < 20; ++i) texts.push_back(Expression(rng, 10));
  for (const std::string& t : texts)
    if (!CheckText(t, xs)) return;
}

TEST(ExprDifferential, OddSecondVariableNamesMatchTheLiteralScan) {
  std::vector<double> xs{0.5, -2, 1e-7, 0.0, 1.5e20, 3};
  std::vector<double> ys{2, -0.25, 1e-5, 0.0, 7};
  for (const char* name : {"y", "t", "yy", "", "E", "1", "(", "-", "x", "p", "ex", "0)"})
    for (const std::string& f :
         {std::string("x+y*exp(y)"), std::string("t^2-x"), std::string("yy-y"),
          std::string("1E-5*y+x"), std::string("(x-1)*(y+2)"), std::string("-y"),
          std::string("exp(x)+0)")})
      if (!CheckTextXY(f, xs, ys, name)) return;
}

}  // namespace
}  // namespace tessaly
