// EvaluateFormula, EvaluateFormulaXY, EvaluateConstantText and the scan's operations:
// the documented edge cases, the mended unary sign, the step caps,
// non-finite values of x, and the tables of CompareOperators, ApplyFunction, ApplyOperator.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/number_text.h"
#include "expr/formula.h"
#include "support/literal_scan.h"

namespace tessaly {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Outcome {
  double value;
  int steps;
};

Outcome Eval(const std::string& typed, double x = 0) {
  Outcome r{};
  r.value = EvaluateFormula(NormalizeFormula(typed), x, r.steps);
  return r;
}

// The value as the reports print it (15 significant digits).
std::string Text(const std::string& typed, double x = 0) {
  return PlainNumberText(Eval(typed, x).value);
}

TEST(EvaluateFormula, DocumentedEdgeCases) {
  Outcome empty = Eval("");
  EXPECT_EQ(empty.value, 0);
  EXPECT_EQ(empty.steps, 1);
  Outcome juxtaposed = Eval("2x", 5);  // 2(5): the bottom value wins, no error
  EXPECT_EQ(juxtaposed.value, 2);
  EXPECT_LT(juxtaposed.steps, kMalformedSteps);
  EXPECT_EQ(Eval("2^3^2").value, 64);
  EXPECT_EQ(Eval("-3^2").value, 9);
  EXPECT_EQ(Eval("-x^2", 3).value, -9);
  EXPECT_EQ(Eval("2*-3").value, -3);
  EXPECT_EQ(Eval("2*(-3)").value, -6);
  EXPECT_EQ(Eval("sqr(-1)").value, 0);
  EXPECT_EQ(Eval("log(0)").value, 0);
  EXPECT_EQ(Eval("1/x", 0).value, kInf);
  EXPECT_EQ(Eval("1/x", -0.0).value, kInf);  // -0 is written "0"
  EXPECT_EQ(Eval("7\\2").value, 3);
  EXPECT_EQ(Eval("7.5\\2").value, 4);
  EXPECT_EQ(Eval("sin2^2").value, std::pow(std::sin(2.0), 2.0));
  EXPECT_EQ(Eval("2*-pi").value, -3.14159265358979);
  EXPECT_EQ(Eval("-pi").value, -3.14159265358979);  // 0 minus pi, through the dummy slot
  EXPECT_EQ(Eval("x-pi", 1).value, 1 - 3.14159265358979);
}

TEST(EvaluateFormula, LogarithmDivisorsAndPi) {
  double lg = Eval("log10(100)").value;
  EXPECT_LT(lg, 2);
  EXPECT_EQ(lg, std::log(100.0) / 2.30258509299405);
  EXPECT_EQ(Eval("lgg(100)").value, lg);
  double l2 = Eval("log2(8)").value;
  EXPECT_NE(l2, 3);
  EXPECT_EQ(l2, std::log(8.0) / 0.693147180559945);
  EXPECT_EQ(Eval("pi").value, 3.14159265358979);
  EXPECT_NE(Eval("pi").value, M_PI);
}

TEST(EvaluateFormula, ValueTextsOfX) {
  EXPECT_EQ(oracle::LiteralPreparedText("x", 0.1), "(.1)#");
  EXPECT_EQ(oracle::LiteralPreparedText("x", -0.5), "(-.5)#");
  EXPECT_EQ(oracle::LiteralPreparedText("x", 1e-20), "(1E-20)#");
  EXPECT_EQ(oracle::LiteralPreparedText("2x", 2), "2(2)#");
  EXPECT_EQ(oracle::LiteralPreparedText("eyp(x)", 1.5e20), "exp((1.5E+20))#");
  EXPECT_EQ(oracle::LiteralPreparedText("x", 0.1 + 0.2), "(.3)#");
  // x enters with 15 significant digits.
  EXPECT_EQ(Eval("x", 0.1 + 0.2).value, 0.3);
  EXPECT_EQ(Eval("x", 1.0 / 3).value, 0.333333333333333);
  EXPECT_EQ(Eval("x", 2.0 / 3).value, 0.666666666666667);
  EXPECT_EQ(Eval("x", 1e-20).value, 1e-20);
  EXPECT_EQ(Eval("x", 1e-20).steps, 4);
  EXPECT_EQ(Eval("x*3", 0).value, 0);
}

TEST(EvaluateFormula, MalformedTextsReport5001Steps) {
  for (const char* f : {"(2+3", "2+3)", "sqrt(x)", "x+y", "x\t", "abc", "x)", "#1",
                        "1E-400", "中"}) {
    EXPECT_EQ(Eval(f, 1).steps, kMalformedSteps) << f;
  }
  EXPECT_EQ(Eval("()").steps, 3);  // empty parentheses are no error: 0
  // A well-formed formula that needs more than 5000 steps is reported the same way.
  std::string sum = "x";
  for (int i = 0; i < 999; ++i) sum += "+x";  // 3 + 5 * 999 + 1 = 4999 steps
  EXPECT_EQ(Eval(sum, 1).steps, 4999);
  EXPECT_EQ(Eval(sum, 1).value, 1000);
  EXPECT_EQ(Eval(sum + "+x", 1).steps, kMalformedSteps);
}

TEST(EvaluateFormula, MendedUnarySignAfterParenthesis) {
  EXPECT_EQ(Text("x*exp(-x)", 1), "0.367879441171442");
  EXPECT_EQ(Eval("2*(-x)", 1).value, -2);
  EXPECT_EQ(Eval("1/(1+exp(-x))", 0).value, 0.5);
  EXPECT_EQ(Text("1/(1+exp(-x))", 2), "0.880797077977882");
  EXPECT_EQ(Eval("3*(-(x+1))", 1).value, -6);
  EXPECT_EQ(Eval("2*(-pi)").value, -6.28318530717958);
  EXPECT_EQ(Eval("2*(+x)", 4).value, 8);
  EXPECT_EQ(Eval("(-x)^2", 3).value, 9);
  EXPECT_EQ(Eval("1-(-x)^2", 3).value, -8);
  EXPECT_EQ(Eval("x*(-sin(x))", 1).value, -std::sin(1.0));
  // Where the number stack was empty the written scan was right; nothing changes there.
  EXPECT_EQ(Eval("(-x)", 2).value, -2);
  EXPECT_EQ(Eval("exp(-x)", 1).value, std::exp(-1.0));
  // Step counts are unchanged by the mend (the implicit 0 is not a step).
  EXPECT_EQ(Eval("2*(-x)", 1).steps, 11);
  // A sign after an operator is still a binary operator.
  EXPECT_EQ(Eval("2*-3").value, -3);
  EXPECT_EQ(Eval("-3^2").value, 9);
}

TEST(EvaluateFormula, NonFiniteXIsEvaluatedNotReported) {
  int finiteSteps = Eval("sin(x)/x+1", 1).steps;
  for (double x : {kInf, -kInf, kNaN}) {
    EXPECT_EQ(Eval("sin(x)/x+1", x).steps, finiteSteps);
    EXPECT_EQ(Eval("x", x).steps, 4);
    EXPECT_FALSE(std::isfinite(Eval("x*2-1", x).value));
  }
  EXPECT_EQ(Eval("x", kInf).value, kInf);
  EXPECT_EQ(Eval("-x^2", kInf).value, -kInf);
  EXPECT_TRUE(std::isnan(Eval("x-x", kInf).value));
  EXPECT_EQ(Eval("2x", kNaN).value, 2);  // the result does not depend on x here
  // A diverged iterate goes through the functions' rule like any other argument.
  EXPECT_EQ(Eval("sqr(x+1)", -kInf).value, 0);
  EXPECT_EQ(Eval("sin(x)/x+1", kInf).value, 1);  // 0 / infinity + 1
  EXPECT_EQ(Eval("exp(x)+sqr(x)+log(x)", -kInf).value, 0);
  EXPECT_EQ(Eval("exp(x)+sqr(x)+log(x)", kInf).value, kInf);
  EXPECT_TRUE(std::isnan(Eval("sin(x)/x+1", kNaN).value));
  // An infinity made inside the formula: sin(1/0) is 0.
  Outcome s = Eval("sin(1/0)");
  EXPECT_EQ(s.value, 0);
  EXPECT_LT(s.steps, kMalformedSteps);
  EXPECT_EQ(Eval("sin(1/x)", 0).value, 0);
  EXPECT_EQ(Eval("atn(-1/x)", 0).value, -std::atan(kInf));
}

TEST(EvaluateFormulaXY, SecondVariableAndCap) {
  std::string f = NormalizeFormula("x+y*exp(y)");
  EXPECT_EQ(f, "x+y*eyp(y)");
  EXPECT_EQ(EvaluateFormulaXY(f, 1, "y", 2), 1 + 2 * std::exp(2.0));
  EXPECT_EQ(EvaluateFormulaXY(NormalizeFormula("-2*x*y"), 0.5, "y", 3), -3);
  EXPECT_EQ(EvaluateFormulaXY("y", 0, "y", 0.1 + 0.2), 0.3);  // 15 digits for y too
  // A letter outside the language: the scan stops after 1001 steps, silently, with the
  // partial value at the bottom of the number stack.
  EXPECT_EQ(EvaluateFormulaXY("2+z", 0, "y", 0), 2);
  // More than 1000 steps: whatever stands at the bottom then.
  std::string sum = "x";
  for (int i = 0; i < 400; ++i) sum += "+x";
  double partial = EvaluateFormulaXY(sum, 1, "y", 0);
  EXPECT_LT(partial, 401);
  EXPECT_EQ(partial, oracle::LiteralEvaluateFormulaXY(sum, 1, "y", 0));
  FormulaXY compiled(f, "y");
  EXPECT_EQ(compiled.Evaluate(1, 2), EvaluateFormulaXY(f, 1, "y", 2));
  FormulaXY copy = compiled;
  EXPECT_EQ(copy.Evaluate(1, 2), compiled.Evaluate(1, 2));
}

TEST(EvaluateConstantText, EntriesAreNormalisedInPlace) {
  std::string e = "1/3";
  EXPECT_EQ(EvaluateConstantText(e), 1.0 / 3);
  e = "sqr(2)";
  EXPECT_EQ(EvaluateConstantText(e), std::sqrt(2.0));
  e = "pi/4";
  EXPECT_EQ(EvaluateConstantText(e), 3.14159265358979 / 4);
  EXPECT_EQ(e, "+3.14159265358979/4");
  e = "-2";
  EXPECT_EQ(EvaluateConstantText(e), -2);
  e = " 2.5E3 ";
  EXPECT_EQ(EvaluateConstantText(e), 2500);
  EXPECT_EQ(e, "2.5e3");
  e = "1e-3";
  EXPECT_EQ(EvaluateConstantText(e), 0.001);
  EXPECT_EQ(e, "1E-3");
  e = "abc";  // malformed: not reported, the scan's partial value (nothing: 0)
  EXPECT_EQ(EvaluateConstantText(e), 0);
  e = "3abc";
  EXPECT_EQ(EvaluateConstantText(e), 3);
  e = "x+1";  // x is 0
  EXPECT_EQ(EvaluateConstantText(e), 1);
  e = "1E-400";  // reads as 0, which is not a number unless written with a 0: malformed
  EXPECT_EQ(EvaluateConstantText(e), 0);
  e = "1E400";
  EXPECT_EQ(EvaluateConstantText(e), kInf);
}

TEST(ScanOperations, CompareOperatorsTable) {
  const std::string incoming = "+-*/\\^()#";
  const char* rows[][2] = {
      {"+", ">><<<<<>>"}, {"-", ">><<<<<>>"}, {"*", ">>>>><<>>"}, {"/", ">>>>><<>>"},
      {"\\", ">>>>><<>>"}, {"^", ">>>>>><>>"}, {"(", "<<<<<<<=."}, {"#", "<<<<<<<.="},
      {"sin", ">>>>>><>>"}, {"exp", ">>>>>><>>"}, {"lg2", ">>>>>><>>"}, {"", "........."},
      {"eyp", "........."}, {")", "........."}, {"x", "........."}};
  for (auto& row : rows) {
    for (size_t i = 0; i < incoming.size(); ++i) {
      std::string want = row[1][i] == '.' ? "" : std::string(1, row[1][i]);
      EXPECT_EQ(CompareOperators(row[0], incoming[i]), want) << row[0] << " " << incoming[i];
    }
    EXPECT_EQ(CompareOperators(row[0], 'x'), "");
    EXPECT_EQ(CompareOperators(row[0], '1'), "");
  }
}

TEST(ScanOperations, ApplyFunctionTable) {
  EXPECT_EQ(ApplyFunction("abs", -2.5), 2.5);
  EXPECT_EQ(ApplyFunction("sqr", 2), std::sqrt(2.0));
  EXPECT_EQ(ApplyFunction("sqr", -1), 0);
  EXPECT_EQ(ApplyFunction("exp", 1), std::exp(1.0));
  EXPECT_EQ(ApplyFunction("exp", 1000), 0);   // overflow
  EXPECT_EQ(ApplyFunction("exp", -1000), 0);  // underflows to 0 by itself
  EXPECT_EQ(ApplyFunction("log", 0), 0);
  EXPECT_EQ(ApplyFunction("log", -1), 0);
  EXPECT_EQ(ApplyFunction("log", std::exp(2.0)), std::log(std::exp(2.0)));
  EXPECT_EQ(ApplyFunction("lgg", 1000), std::log(1000.0) / 2.30258509299405);
  EXPECT_EQ(ApplyFunction("lg2", 0), 0);
  EXPECT_EQ(ApplyFunction("sin", 1), std::sin(1.0));
  EXPECT_EQ(ApplyFunction("cos", 1), std::cos(1.0));
  EXPECT_EQ(ApplyFunction("tan", 1), std::tan(1.0));
  EXPECT_EQ(ApplyFunction("atn", 1), std::atan(1.0));
  EXPECT_EQ(ApplyFunction("eyp", 1), 0);  // not a token of the scan
  EXPECT_EQ(ApplyFunction("sinh", 1), 0);
  EXPECT_EQ(ApplyFunction("", 1), 0);
  // Infinite arguments: outside the domain, or an overflow, gives 0 as for finite ones.
  for (double inf : {kInf, -kInf}) {
    for (const char* f : {"sin", "cos", "tan", "exp"}) EXPECT_EQ(ApplyFunction(f, inf), 0) << f;
    EXPECT_EQ(ApplyFunction("abs", inf), kInf);
    EXPECT_EQ(ApplyFunction("atn", inf), std::copysign(std::atan(kInf), inf));
    for (const char* f : {"sqr", "log", "lgg", "lg2"})
      EXPECT_EQ(ApplyFunction(f, inf), inf > 0 ? kInf : 0) << f;
  }
  EXPECT_EQ(std::atan(kInf), 1.5707963267948966);
  // Not-a-number stays not-a-number.
  for (const char* f : {"abs", "sqr", "exp", "log", "lgg", "lg2", "sin", "cos", "tan", "atn"})
    EXPECT_TRUE(std::isnan(ApplyFunction(f, kNaN))) << f;
  EXPECT_EQ(ApplyFunction("eyp", kNaN), 0);
}

TEST(ScanOperations, ApplyOperatorTable) {
  EXPECT_EQ(ApplyOperator(2, '+', 3), 5);
  EXPECT_EQ(ApplyOperator(2, '-', 3), -1);
  EXPECT_EQ(ApplyOperator(2, '*', 3), 6);
  EXPECT_EQ(ApplyOperator(1e308, '*', 10), kInf);  // overflow keeps the infinity
  EXPECT_EQ(ApplyOperator(1, '/', 0), kInf);
  EXPECT_EQ(ApplyOperator(-1, '/', 0), -kInf);
  EXPECT_TRUE(std::isnan(ApplyOperator(0, '/', 0)));
  // "\": nearest 32-bit integers (halves to even), truncating division.
  EXPECT_EQ(ApplyOperator(7, '\\', 2), 3);
  EXPECT_EQ(ApplyOperator(7.5, '\\', 2), 4);
  EXPECT_EQ(ApplyOperator(6.5, '\\', 2), 3);
  EXPECT_EQ(ApplyOperator(-7, '\\', 2), -3);
  EXPECT_EQ(ApplyOperator(5, '\\', 0.4), 0);  // 0.4 goes to 0
  EXPECT_EQ(ApplyOperator(5, '\\', 0.5), 0);  // 0.5 goes to 0 (even)
  EXPECT_EQ(ApplyOperator(5, '\\', 1.5), 2);
  EXPECT_EQ(ApplyOperator(2147483647.4, '\\', 1), 2147483647);
  EXPECT_EQ(ApplyOperator(2147483647.5, '\\', 1), 0);  // rounds to 2^31: out of range
  EXPECT_EQ(ApplyOperator(-2147483648.0, '\\', 1), -2147483648.0);
  EXPECT_EQ(ApplyOperator(-2147483648.0, '\\', -1), 0);  // the quotient overflows
  EXPECT_EQ(ApplyOperator(kNaN, '\\', 1), 0);
  // "^": invalid powers and overflow give 0.
  EXPECT_EQ(ApplyOperator(2, '^', 10), 1024);
  // std::pow's value, also where it misses the exactly rounded square in the last place.
  // (The exponent is volatile: the compiler would turn pow(s, 2.0) into s * s.)
  const double s = 0x1.d0342a7e025bap+1;
  volatile double two = 2;
  EXPECT_EQ(ApplyOperator(s, '^', 2), std::pow(s, two));
  EXPECT_NE(ApplyOperator(s, '^', 2), s * s);
  EXPECT_EQ(ApplyOperator(1e200, '^', 2), 0);  // overflow
  EXPECT_EQ(ApplyOperator(-1e200, '^', 3), 0);
  EXPECT_EQ(ApplyOperator(2, '^', -1), 0.5);
  EXPECT_EQ(ApplyOperator(-2, '^', 3), -8);
  EXPECT_EQ(ApplyOperator(-8, '^', 1.0 / 3), 0);
  EXPECT_EQ(ApplyOperator(0, '^', -1), 0);
  EXPECT_EQ(ApplyOperator(0, '^', 0), 1);
  EXPECT_EQ(ApplyOperator(10, '^', 400), 0);
  EXPECT_EQ(ApplyOperator(10, '^', -400), 0);
  EXPECT_EQ(ApplyOperator(kInf, '^', 2), kInf);  // a diverged value stays non-finite
  EXPECT_EQ(ApplyOperator(2, '%', 3), 0);  // not an operator of the scan
}

TEST(Formula, CompiledFormulaMatchesTheFreeFunction) {
  Formula none;
  int steps = 0;
  EXPECT_EQ(none.Evaluate(3, steps), 0);
  EXPECT_EQ(steps, 1);
  Formula f(NormalizeFormula("x^3-2*x-5"));
  Formula copy(f);
  Formula moved(std::move(copy));
  Formula assigned;
  assigned = f;
  Formula source(NormalizeFormula("x+1"));
  Formula target(std::move(source));
  Formula copyOfMoved(source);  // a moved-from formula stays usable: the empty text
  EXPECT_EQ(copyOfMoved.Evaluate(5, steps), 0);
  EXPECT_EQ(steps, 1);
  EXPECT_EQ(target.Evaluate(5), 6);
  for (double x : {2.0, 2.0945514815423265, -1.5, 0.0}) {
    int a = 0, b = 0;
    EXPECT_EQ(f.Evaluate(x, a), EvaluateFormula("x^3-+2*x-+5", x, b));
    EXPECT_EQ(a, b);
    EXPECT_EQ(moved.Evaluate(x), f.Evaluate(x));
    EXPECT_EQ(assigned.Evaluate(x), f.Evaluate(x));
  }
}

}  // namespace
}  // namespace tessaly
