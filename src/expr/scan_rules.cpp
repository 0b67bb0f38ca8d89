#include "expr/scan_rules.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <stdlib.h>
#include <string>

#include "common/number_text.h"

namespace tessaly::expr {

Op OperatorOf(char c) {
  switch (c) {
    case '+': return Op::kAdd;
    case '-': return Op::kSub;
    case '*': return Op::kMul;
    case '/': return Op::kDiv;
    case '\\': return Op::kIntDiv;
    case '^': return Op::kPow;
    case '(': return Op::kOpen;
    case '#': return Op::kEnd;
    default: return Op::kNone;
  }
}

Op FunctionAt(std::string_view t) {
  if (t.size() < 3) return Op::kNone;
  char a = t[0], b = t[1], c = t[2];
  switch (a) {
    case 's':
      if (b == 'i' && c == 'n') return Op::kSin;
      if (b == 'q' && c == 'r') return Op::kSqr;
      break;
    case 'c':
      if (b == 'o' && c == 's') return Op::kCos;
      break;
    case 't':
      if (b == 'a' && c == 'n') return Op::kTan;
      break;
    case 'a':
      if (b == 't' && c == 'n') return Op::kAtn;
      if (b == 'b' && c == 's') return Op::kAbs;
      break;
    case 'e':
      if (b == 'x' && c == 'p') return Op::kExp;
      break;
    case 'l':
      if (b == 'o' && c == 'g') return Op::kLog;
      if (b == 'g' && c == 'g') return Op::kLgg;
      if (b == 'g' && c == '2') return Op::kLg2;
      break;
    default: break;
  }
  return Op::kNone;
}

std::string_view OpText(Op op) {
  switch (op) {
    case Op::kNone: return "";
    case Op::kAdd: return "+";
    case Op::kSub: return "-";
    case Op::kMul: return "*";
    case Op::kDiv: return "/";
    case Op::kIntDiv: return "\\";
    case Op::kPow: return "^";
    case Op::kOpen: return "(";
    case Op::kEnd: return "#";
    case Op::kSin: return "sin";
    case Op::kCos: return "cos";
    case Op::kTan: return "tan";
    case Op::kAtn: return "atn";
    case Op::kExp: return "exp";
    case Op::kLog: return "log";
    case Op::kLgg: return "lgg";
    case Op::kLg2: return "lg2";
    case Op::kSqr: return "sqr";
    case Op::kAbs: return "abs";
  }
  return "";
}

char OpChar(Op op) {
  std::string_view t = OpText(op);
  return t.size() == 1 ? t[0] : '\0';
}

Relation Compare(Op top, char incoming) {
  // Columns: 0 "+-", 1 "*/\", 2 "^", 3 "(", 4 ")", 5 "#".
  int col;
  switch (incoming) {
    case '+': case '-': col = 0; break;
    case '*': case '/': case '\\': col = 1; break;
    case '^': col = 2; break;
    case '(': col = 3; break;
    case ')': col = 4; break;
    case '#': col = 5; break;
    default: return Relation::kNone;
  }
  constexpr Relation L = Relation::kLess, E = Relation::kEqual, G = Relation::kGreater,
                     N = Relation::kNone;
  static constexpr Relation kAdditive[6] = {G, L, L, L, G, G};
  static constexpr Relation kMultiplicative[6] = {G, G, L, L, G, G};
  static constexpr Relation kPower[6] = {G, G, G, L, G, G};
  static constexpr Relation kOpenRow[6] = {L, L, L, L, E, N};
  static constexpr Relation kEndRow[6] = {L, L, L, L, N, E};
  switch (top) {
    case Op::kNone: return N;
    case Op::kAdd: case Op::kSub: return kAdditive[col];
    case Op::kMul: case Op::kDiv: case Op::kIntDiv: return kMultiplicative[col];
    case Op::kPow: return kPower[col];
    case Op::kOpen: return kOpenRow[col];
    case Op::kEnd: return kEndRow[col];
    default: return kPower[col];  // a function token binds like "^" but tighter
  }
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of an unsigned numeral with at least one mantissa digit, read exactly
// (correctly rounded); overflow gives infinity, underflow zero.
double UnsignedValue(std::string_view body) {
  double v = 0;
  auto res = std::from_chars(body.data(), body.data() + body.size(), v, std::chars_format::general);
  if (res.ec == std::errc() && res.ptr == body.data() + body.size()) return v;
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
  std::string copy(body);
  return strtod_l(copy.c_str(), nullptr, cLocale);
}

}  // namespace

Numeral ReadNumeral(std::string_view t) {
  Numeral n;
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = (t[i++] == '-');
  size_t mantissaStart = i;
  size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < t.size() && IsDigit(t[j])) ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  n.length = i;
  if (digits > 0) {
    double v = UnsignedValue(t.substr(mantissaStart, i - mantissaStart));
    n.value = negative ? -v : v;
  }
  if (n.value != 0) {
    n.isNumber = true;
  } else if (!t.empty()) {
    char c0 = t[0];
    n.isNumber = c0 == '0' || c0 == '.' ||
                 ((c0 == '+' || c0 == '-') && t.size() > 1 && t[1] == '0');
  }
  return n;
}

double StdPow(double a, double b) {
  volatile double exponent = b;  // opaque to the optimizer
  return std::pow(a, exponent);
}

}  // namespace tessaly::expr
