// The pieces of the Part 4.2 scan that do not depend on how the scan is driven: the
// operator codes, the precedence relation, the numeral at the front of a text, and the
// arithmetic of functions and operators. Both the one-shot scan and the compiled form use
// these, so they cannot disagree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

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

}  // namespace tessaly::expr
