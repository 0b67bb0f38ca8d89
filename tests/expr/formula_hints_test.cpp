// The hints for formulas that read unlike common notation, and their silence on formulas
// written the language's way.
#include "expr/formula_hints.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly {
namespace {

TEST(FormulaHint, NamesTheFragmentAndItsSpelling) {
  const struct {
    std::string typed;
    const char* hint;
  } cases[] = {
      {"2x", "提示：请写成 2*x"},
      {"f(x)=3 X^2+1", "提示：请写成 3*x"},
      {"1.5sin(x)", "提示：请写成 1.5*sin(x)"},
      {"(x+1)(x-1)", "提示：请写成 (x+1)*(x-1)"},
      {"sin(x)cos(x)", "提示：请写成 sin(x)*cos(x)"},
      {"x(x+1)", "提示：请写成 x*(x+1)"},
      {"-2xy", "提示：请写成 2*xy"},
      {"x+xy", "提示：请写成 x*y"},
      {"2^-1", "提示：本程序中 2^-1 不表示 2 的 −1 次方，请写成 2^(-1)"},
      {"x^-sin(x)", "提示：本程序中 x^-sin(x) 不表示 x 的 −sin(x) 次方，请写成 x^(-sin(x))"},
      {"2*-3", "提示：本程序中 2*-3 不表示 2 乘 −3，请写成 2*(-3)"},
      {"exp(x)/-x", "提示：本程序中 exp(x)/-x 不表示 exp(x) 除以 −x，请写成 exp(x)/(-x)"},
      {"sqrt(x+1)", "提示：本程序中没有 sqrt 函数，平方根请写成 sqr(x+1)"},
      {"LN(x)-1", "提示：本程序中没有 ln 函数，自然对数请写成 log(x)"},
      {"x**3", "提示：本程序中没有 ** 运算，乘方请写成 x^3"},
      {"2(" + std::string(40, '1') + ")", "提示：请写成 2*(…)"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormulaHint(c.typed), c.hint) << c.typed;
}

TEST(FormulaHint, SilentOnTheLanguagesOwnNotation) {
  for (const char* typed :
       {"2*x", "x^(-1)", "exp(x)", "sin(x)", "x*exp(-x)-0.1", "f(x)=cos(x)-x", "1e-5*x",
        "2.5E+3", "log10(x)+log2(x)", "sqr(2)*abs(x)", "atn(x)+pi/4", "-2*x*y", "x+y",
        "2*(-3)", "-x^2", "(x+1)*(x-1)", "x2", "7\\2", "x=2x", ""})
    EXPECT_EQ(FormulaHint(typed), "") << typed;
}

}  // namespace
}  // namespace tessaly
