// The pieces of the Part 4.2 scan that do not depend on how the scan is driven: the
// operator codes, the precedence relation, the numeral at the front of a text, and the
// arithmetic of functions and operators. Both the one-shot scan and the compiled form use
// these, so they cannot disagree.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
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

double Operate(double a, Op op, double b);

// The two divisors of "lgg" and "lg2" (15-digit values, as specified).
inline constexpr double kLn10Divisor = 2.30258509299405;
inline constexpr double kLn2Divisor = 0.693147180559945;

// a^2: a * a; an overflow from a finite a gives 0, as every "^" overflow does.
inline double Square(double a) {
  double r = a * a;
  return (r - r != 0 && a - a == 0) ? 0.0 : r;
}

inline double Function(Op token, double a) {
  if (!std::isfinite(a)) {
    // A diverged value goes through with the IEEE result, so the result stays non-finite.
    switch (token) {
      case Op::kAbs: return std::fabs(a);
      case Op::kSqr: return std::sqrt(a);
      case Op::kExp: return std::exp(a);
      case Op::kLog: return std::log(a);
      case Op::kLgg: return std::log(a) / kLn10Divisor;
      case Op::kLg2: return std::log(a) / kLn2Divisor;
      case Op::kSin: return std::sin(a);
      case Op::kCos: return std::cos(a);
      case Op::kTan: return std::tan(a);
      case Op::kAtn: return std::atan(a);
      default: return 0;
    }
  }
  switch (token) {
    case Op::kAbs: return std::fabs(a);
    case Op::kSqr: return a < 0 ? 0 : std::sqrt(a);
    case Op::kExp: {
      double r = std::exp(a);
      return std::isfinite(r) ? r : 0;
    }
    case Op::kLog: return a > 0 ? std::log(a) : 0;
    case Op::kLgg: return a > 0 ? std::log(a) / kLn10Divisor : 0;
    case Op::kLg2: return a > 0 ? std::log(a) / kLn2Divisor : 0;
    case Op::kSin: return std::sin(a);
    case Op::kCos: return std::cos(a);
    case Op::kTan: return std::tan(a);
    case Op::kAtn: return std::atan(a);
    default: return 0;
  }
}

inline double IntegerDivide(double a, double b) {
  auto ia = ToInt32(a);
  auto ib = ToInt32(b);
  if (!ia || !ib || *ib == 0) return 0;
  int64_t q = static_cast<int64_t>(*ia) / static_cast<int64_t>(*ib);
  if (q > 2147483647) return 0;  // -2147483648 \ -1 overflows the 32-bit result
  return static_cast<double>(q);
}

inline double Power(double a, double b) {
  // The square is the exactly rounded product (std::pow misses it in the last place for
  // about one value in a thousand); every other power is std::pow.
  if (b == 2) return Square(a);
  if (!std::isfinite(a) || !std::isfinite(b)) return std::pow(a, b);
  if (a < 0 && b != std::trunc(b)) return 0;
  if (a == 0 && b < 0) return 0;
  double r = std::pow(a, b);
  return std::isfinite(r) ? r : 0;
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
