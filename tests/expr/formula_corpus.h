// Formulas the tests use, as typed: the examples and edge cases of normalisation and evaluation,
// the formulas of the other methods' tests, and typical input of the formula windows. The
// differential test runs all of them against the literal scan.
#pragma once

#include <string>
#include <vector>

namespace tessaly::testing {

inline std::vector<std::string> FormulaCorpus() {
  return {
      // normalisation examples and edge cases
      "f(x)=X^2 - 2", "-sin(x)+pi", "exp(-x)/log10(x)", "1e-5*x", "F(X)=x", "=x", "2*-3",
      "2*(-3)", "sqrt(x)", "x\t+1", "lgg(x)", "x^2-2=0", "x^2=2", "x-pi", "f(x)", "f(x)=",
      "f(xf(x)=)=x", "x-3", "x+3", "1E-5", "x+-3", "-3^2", "-x^2", "-(x+1)", "-sin(x)",
      "+x", "+(x)", "-pi", "pi", "2pi", "pi-x", "1e+5*x", "1E+5", "x-.5", "x+.5", "(x-3)",
      "(-3)", "((-3))", "x*-+3", "log2(x)", "log10(x)", "LOG10(X)", "EXP(X)", "Exp(-X^2)",
      // evaluation edge cases
      "", "2x", "2^3^2", "sqr(-1)", "log(0)", "1/x", "7\\2", "7.5\\2", "lgg(100)", "lg2(8)",
      "(2+3", "2+3)", "x*y", "y", "sin2^2", "sin(x)^2", "0/0", "-1/0", "1/0", "x/0",
      // the mend: a sign after "(" that is not a numeral
      "x*exp(-x)", "1/(1+exp(-x))", "2*(-x)", "(-x)", "(+x)", "(-sin(x))", "(-(x))",
      "3*(-(x+1))", "2*(-pi)", "(-pi)", "1-(-x)^2", "((-x))", "(-x)^2", "exp(-x^2/2)",
      "x*(-x+1)", "(-)", "(-", "(+", "(-*x)", "(--x)", "(-+x)", "(+-x)",
      // root finding, quadrature, plots and ODEs
      "x^3-x-1", "x^2-2", "x^3-2*x-5", "exp(x)-3*x", "cos(x)-x", "x-cos(x)", "x*log(x)-1",
      "sin(x)/x", "1/(1+x^2)", "4/(1+x^2)", "sqr(1-x^2)", "exp(-x)*sin(x)", "atn(x)",
      "abs(x-1)", "tan(x)-x", "x^x", "(x-1)^(1/3)", "x^(1/2)", "(x^2+1)^0.5", "log(x)/x",
      "x^4-3*x^3+x-5", "10^x", "2^(-x)", "2^-x", "x^-1", "x\\2", "x\\0", "sin(x)+cos(x)",
      "x-y", "x+y", "y-x^2", "-2*x*y", "x*y^2", "y*cos(x)", "exp(x)*y", "(x+y)/2",
      "1+x+x^2/2+x^3/6+x^4/24", "sin(cos(tan(x)))", "exp(sin(x))*log(abs(x)+1)",
      "sqr(abs(sin(x)))^3", "((x+1)*(x-1))/((x+2)*(x-2))", "x^2*exp(-x)*cos(2*x)",
      "3.14159265358979*x", "1e300*x*1e300", "1e-300*x*1e-300", "x^1000", "(-8)^(1/3)",
      "0^-1", "0^(-1)", "0^0", "(-2)^2", "(-2)^0.5", "2147483647.5\\1", "2147483648\\1",
      "-2147483648\\-1", "(-2147483648)\\(-1)", "5\\0.4", "5\\0.5", "5\\1.5", "-7\\2",
      // the other tests (root finding, the command-line runner)
      "  f(x)=x^2 - 2=0 ", "(x-1.2)*1e-200", "1e200*x", "x^2+1", "x+1", "x-1", "x-2", "x^2-y",
      "2*sqrt(x)", " 2 * x+1 ", "2*x+1", "0.5*x+1", "0.5*x", "cos(x", "cos(x))", "(x+1",
      "(x+1)^(1/3)", "x^2 - 2", "1e-4x", "2abc ",
      // malformed and odd texts
      "x+", "+", "-", "*", "()", ")(", "#", "x#", "1#2", "1#sin2#", "sin", "sinx", "sin(",
      "xx", "x x", "1..2", "1.2.3", ".", "..", ".x", "x.", "1e", "1e+", "1E-400", "1E400",
      "1E-400*x", "-1E-400", "+0", "-0", "0x", "00", "0.0.0", "e", "E", "pix", "x1", "abc",
      "中文", "x中", "\xff\xfe", "x\x80-1", "+\x80-1", "1/(-0)", "1/-0", "lg2", "lgg(x",
      "eyp(x)", "exp", "exxp(x)", "log102(x)", "log210(x)", "e-x", "x e-3", "2e-x",
  };
}

// Values of x (and y) the differential tests use besides generated ones.
inline std::vector<double> ValueCorpus() {
  return {0.0, -0.0, 1, -1, 2, 3, 0.5, -0.5, 0.1, -0.25, 0.3, 1e-5, 1e-20, 1.5e20, 1e15,
          -1e15, 1e-5 * 0.99999, 123456.789, 3.14159265358979, 2.718281828459045,
          1000000000000005.0, 123456789012345.5, 12345678901234.25, 0.1 + 0.2,
          999999999999999.5, 9999999999999995.0, 1e308, -1e308, 4.9406564584124654e-324,
          2.2250738585072014e-308, 1e-8, 9.999999999999999e-9, 1e37, 9.99999999999999e36,
          1e22, 1e23, 7.5, 2147483647.5, -2147483648.5, 1.7976931348623157e308,
          -1.7976931348623157e308, 1.79769313486231e308};
}

}  // namespace tessaly::testing
