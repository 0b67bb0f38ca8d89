// The pieces of the formula scan that do not depend on how the scan is driven: the
// operator codes, the precedence relation, the numeral at the front of a text, and the
// arithmetic of functions and operators. Both the one-shot scan and the compiled form use
// these, so they cannot disagree.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "common/number_text.h"

namespace tessaly::expr {

// Entries of the operator stack. kNone is the dummy slot's empty string.
enum class Op : uint8_t {
  kNone,
  kAdd, kSub, kMul, kDiv, kIntDiv, kPow, kOpen, kEnd,
  // Function tokens (three characters).
  kSin, kCos, kTan, kAtn, kExp, kLog, kLgg, kLg2, kSqr, kAbs,
};

inline bool IsFunction(Op op) { return op >= Op::kSin; }
inline bool IsBinary(Op op) { return op >= Op::kAdd && op <= Op::kPow; }

// The operator code of a one-character operator ("+-*/\^(#"), kNone for anything else.
Op OperatorOf(char c);
// The function token at the front of text ("sin", ..., "lg2"), kNone if none.
Op FunctionAt(std::string_view text);
// The text of an operator stack entry ("" for kNone).
std::string_view OpText(Op op);
// The operator character of a binary operator.
char OpChar(Op op);

// The relation of the scan between the top of the operator stack and an incoming character.
enum class Relation : uint8_t { kNone, kLess, kEqual, kGreater };
Relation Compare(Op top, char incoming);

// The numeral at the front of a text: an optional sign, digits with at most one decimal
// point, and an optional exponent part (E or e, optional sign, at least one digit).
struct Numeral {
  size_t length = 0;     // characters of the longest such prefix
  double value = 0;      // its value; 0 when it has no digit
  bool isNumber = false; // the scan's "Number?" test
};
Numeral ReadNumeral(std::string_view text);

double Function(Op token, double a);

// The two divisors of "lgg" and "lg2" (their 15-digit values, not the exact logarithms).
inline constexpr double kLn10Divisor = 2.30258509299405;
inline constexpr double kLn2Divisor = 0.693147180559945;

// std::pow(a, b) as the library computes it. (With an exponent the compiler can see, it
// would rewrite pow(a, 2) as a * a, which is not always the library's value.)
double StdPow(double a, double b);

// std::pow(a, n) for n = 2..8, faster. The power is formed as a double-double h + l (an
// error of about n * 2^-104 relative) and rounded to c; where the exact power lies more
// than 0.03 ULP from a rounding midpoint, c is its correctly rounded value, and that is
// what glibc's pow returns there (its error is within 0.52 ULP, so it can round the other
// way only within 0.02 ULP of a midpoint). Near a midpoint, near the ends of the range, at
// 0 and for non-finite a: std::pow itself. A test compares the two on millions of values.
inline double PowSmallInt(double a, int n) {
  double h = a * a, l = std::fma(a, a, -h);  // a^2 = h + l exactly
  if (n == 2) {
    // h is a^2 rounded: the power minus h is l itself.
    if (h > 0x1p-900 && h < 0x1p+1000 && h + l * (1 / 0.94) == h) return h;
    return StdPow(a, 2);
  }
  for (int i = 2; i < n; ++i) {
    double p = h * a;
    double e = std::fma(h, a, -p);  // h * a = p + e exactly
    l = std::fma(l, a, e);
    h = p;
  }
  double c = h + l;
  double ac = std::fabs(c);
  // (Within this range no product above underflows and c is finite.)
  if (ac > 0x1p-900 && ac < 0x1p+1000) {
    double d = (h - c) + l;  // the power minus c, give or take 2^-100 |c|
    // |d| < 0.47 ULP of c exactly when c + d / 0.94 rounds back to c (below a power of
    // two the spacing halves, and the test with it: it only falls back more there).
    if (c + d * (1 / 0.94) == c) return c;
  }
  return StdPow(a, n);
}

// 0 for an argument outside a function's domain, an infinite one included; not-a-number
// stays not-a-number.
inline double ZeroUnlessNaN(double a) { return std::isnan(a) ? a : 0; }

// How many overflows the fault rule has turned into 0 on this thread (a power or exp too
// large for a double, an integer division outside 32 bits or by 0). Counted on the rare
// path only; see OverflowsSoFar in formula.h.
inline thread_local unsigned long overflowCount = 0;

inline double OverflowGivesZero() {
  ++overflowCount;
  return 0;
}

// The fault rule holds for infinite arguments as for finite ones: an argument outside the
// domain, or a value that overflows, gives 0. So sin, cos and tan of either infinity, exp of
// +infinity, sqr and the logarithms of -infinity are 0; sqr, the logarithms and abs of
// +infinity are +infinity; atn gives plus or minus pi/2; a NaN argument stays NaN. The tests
// cost a finite argument at most one comparison: most sit on the rare path after the call.
inline double Function(Op token, double a) {
  switch (token) {
    case Op::kAbs: return std::fabs(a);
    case Op::kSqr: return a < 0 ? 0 : std::sqrt(a);
    case Op::kExp: {
      double r = std::exp(a);
      if (std::isfinite(r)) return r;
      return a > 0 && std::isfinite(a) ? OverflowGivesZero() : ZeroUnlessNaN(a);
    }
    case Op::kLog: return a > 0 ? std::log(a) : ZeroUnlessNaN(a);
    case Op::kLgg: return a > 0 ? std::log(a) / kLn10Divisor : ZeroUnlessNaN(a);
    case Op::kLg2: return a > 0 ? std::log(a) / kLn2Divisor : ZeroUnlessNaN(a);
    // An infinite angle lies outside the domain (the library would give NaN).
    case Op::kSin: return std::isinf(a) ? 0 : std::sin(a);
    case Op::kCos: return std::isinf(a) ? 0 : std::cos(a);
    case Op::kTan: return std::isinf(a) ? 0 : std::tan(a);
    case Op::kAtn: return std::atan(a);
    default: return 0;
  }
}

inline double IntegerDivide(double a, double b) {
  auto ia = ToInt32(a);
  auto ib = ToInt32(b);
  if (!ia || !ib || *ib == 0) return OverflowGivesZero();
  int64_t q = static_cast<int64_t>(*ia) / static_cast<int64_t>(*ib);
  if (q > 2147483647) return OverflowGivesZero();  // -2147483648 \ -1 overflows 32 bits
  return static_cast<double>(q);
}

inline double Power(double a, double b) {
  if (!std::isfinite(a) || !std::isfinite(b)) return StdPow(a, b);
  if (a < 0 && b != std::trunc(b)) return 0;
  if (a == 0 && b < 0) return 0;
  double r = (b >= 2 && b <= 8 && b == std::trunc(b)) ? PowSmallInt(a, static_cast<int>(b))
                                                      : StdPow(a, b);
  return std::isfinite(r) ? r : OverflowGivesZero();
}

// a^n for a constant n = 2..8: Power(a, n) without the tests that n has passed already.
inline double PowerConstInt(double a, int n) {
  double r = PowSmallInt(a, n);
  return (std::isfinite(r) || !std::isfinite(a)) ? r : OverflowGivesZero();
}

inline double Operate(double a, Op op, double b) {
  switch (op) {
    case Op::kAdd: return a + b;
    case Op::kSub: return a - b;
    case Op::kMul: return a * b;
    case Op::kDiv: return a / b;
    case Op::kIntDiv: return IntegerDivide(a, b);
    case Op::kPow: return Power(a, b);
    default: return 0;
  }
}

}  // namespace tessaly::expr
