#include "expr/formula_hints.h"

#include <array>

#include "common/text_util.h"

namespace tessaly {
namespace {

// Names other notations use for functions the language writes otherwise.
struct OtherName {
  std::string_view typed, name, what;
};
constexpr std::array<OtherName, 5> kOtherNames = {{
    {"sqrt", "sqr", "平方根"},
    {"ln", "log", "自然对数"},
    {"lg", "log10", "常用对数"},
    {"atan", "atn", "反正切"},
    {"arctan", "atn", "反正切"},
}};

// A sign right after one of these operators is read as a value of its own; what the typed
// fragment would mean in common notation, with {a} and {b} for the operands.
struct SignedOperand {
  char op;
  std::string_view meaning;
};
constexpr std::array<SignedOperand, 4> kSignedOperands = {{
    {'^', "{a} 的 −{b} 次方"},
    {'*', "{a} 乘 −{b}"},
    {'/', "{a} 除以 −{b}"},
    {'\\', "{a} 整除 −{b}"},
}};

constexpr std::string_view kPrefix = "提示：";
// Operands longer than this are shown shortened.
constexpr size_t kShownOperand = 24;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }
bool IsWordChar(char c) { return IsLetter(c) || IsDigit(c); }

// The formula as the reading sees it (the first steps of NormalizeFormula).
std::string Prepared(std::string_view typed) {
  std::string s = ReplaceAll(ReplaceAll(typed, "f(x)=", ""), "f(x)", "");
  if (const size_t eq = s.find('='); eq != std::string::npos) s.resize(eq);
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c == ' ' || c == '\r' || c == '\n') continue;
    out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  }
  return out;
}

// The end of the parenthesised group opening at s[open] (the text's end if it is not closed).
size_t GroupEnd(std::string_view s, size_t open) {
  int depth = 0;
  for (size_t i = open; i < s.size(); ++i) {
    if (s[i] == '(') ++depth;
    else if (s[i] == ')' && --depth == 0) return i + 1;
  }
  return s.size();
}

// The end of the numeral starting at s[i]: digits and points, then an exponent part.
size_t NumeralEnd(std::string_view s, size_t i) {
  while (i < s.size() && (IsDigit(s[i]) || s[i] == '.')) ++i;
  if (i < s.size() && s[i] == 'e') {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      return j;
    }
  }
  return i;
}

size_t WordEnd(std::string_view s, size_t i) {
  while (i < s.size() && IsWordChar(s[i])) ++i;
  return i;
}

// The end of the operand starting at s[i]: a group, a name with its argument group, or a
// numeral; i itself when none starts there.
size_t OperandEnd(std::string_view s, size_t i) {
  if (i >= s.size()) return i;
  if (s[i] == '(') return GroupEnd(s, i);
  if (IsLetter(s[i])) {
    const size_t j = WordEnd(s, i);
    return j < s.size() && s[j] == '(' ? GroupEnd(s, j) : j;
  }
  if (IsDigit(s[i]) || s[i] == '.') return NumeralEnd(s, i);
  return i;
}

// The start of the operand that ends just before s[end]: a group with the name before it,
// or a run of letters, digits and points.
size_t OperandStart(std::string_view s, size_t end) {
  size_t i = end;
  if (i > 0 && s[i - 1] == ')') {
    int depth = 0;
    while (i > 0) {
      --i;
      if (s[i] == ')') ++depth;
      else if (s[i] == '(' && --depth == 0) break;
    }
  }
  while (i > 0 && (IsWordChar(s[i - 1]) || s[i - 1] == '.')) --i;
  return i;
}

std::string Shown(std::string_view operand) {
  if (operand.size() <= kShownOperand) return std::string(operand);
  const size_t open = operand.find('(');
  if (open != std::string_view::npos && open < kShownOperand)
    return std::string(operand.substr(0, open)) + "(…)";
  return std::string(operand.substr(0, kShownOperand)) + "…";
}

std::string ProductHint(std::string_view s, size_t start, size_t boundary) {
  const std::string_view left = s.substr(start, boundary - start);
  const std::string_view right = s.substr(boundary, OperandEnd(s, boundary) - boundary);
  return std::string(kPrefix) + "请写成 " + Shown(left) + "*" + Shown(right);
}

std::string Filled(std::string_view pattern, const std::string& a, const std::string& b) {
  return ReplaceAll(ReplaceAll(pattern, "{a}", a), "{b}", b);
}

// The hint for the operator s[i] followed by a sign, or the empty text when it has no
// operand on either side.
std::string SignHint(std::string_view s, size_t i, std::string_view meaning) {
  const size_t start = OperandStart(s, i);
  const size_t end = OperandEnd(s, i + 2);
  if (start == i || end == i + 2) return {};
  const std::string a = Shown(s.substr(start, i - start));
  const std::string b = Shown(s.substr(i + 2, end - i - 2));
  const std::string op(1, s[i]);
  return std::string(kPrefix) + "本程序中 " + a + op + "-" + b + " 不表示 " +
         Filled(meaning, a, b) + "，请写成 " + a + op + "(-" + b + ")";
}

std::string PowerHint(std::string_view s, size_t i) {
  const size_t start = OperandStart(s, i);
  const size_t end = OperandEnd(s, i + 2);
  std::string hint = std::string(kPrefix) + "本程序中没有 ** 运算，乘方请写成 ";
  if (start == i || end == i + 2) return hint + "x^2";
  return hint + Shown(s.substr(start, i - start)) + "^" + Shown(s.substr(i + 2, end - i - 2));
}

// The hint for a name starting at s[i] and ending at s[end], or the empty text.
std::string NameHint(std::string_view s, size_t i, size_t end) {
  const std::string_view word = s.substr(i, end - i);
  for (const OtherName& other : kOtherNames) {
    if (word != other.typed) continue;
    const std::string argument = end < s.size() && s[end] == '('
                                     ? Shown(s.substr(end, GroupEnd(s, end) - end))
                                     : std::string("(x)");
    return std::string(kPrefix) + "本程序中没有 " + std::string(other.typed) + " 函数，" +
           std::string(other.what) + "请写成 " + std::string(other.name) + argument;
  }
  // xy for x times y.
  if (word.size() >= 2 && word.find_first_not_of("xy") == std::string_view::npos) {
    std::string product(1, word[0]);
    for (char c : word.substr(1)) product += std::string("*") + c;
    return std::string(kPrefix) + "请写成 " + product;
  }
  // x(…) for x times the group.
  if ((word == "x" || word == "y" || word == "pi") && end < s.size() && s[end] == '(')
    return ProductHint(s, i, end);
  return {};
}

}  // namespace

std::string FormulaHint(std::string_view typed) {
  const std::string text = Prepared(typed);
  const std::string_view s = text;
  const size_t n = s.size();
  for (size_t i = 0; i < n;) {
    const char c = s[i];
    if (IsDigit(c) || c == '.') {
      // A numeral directly followed by a name or a group: an implied product.
      const size_t end = NumeralEnd(s, i);
      if (end < n && (IsLetter(s[end]) || s[end] == '(')) return ProductHint(s, i, end);
      i = end;
      continue;
    }
    if (IsLetter(c)) {
      const size_t end = WordEnd(s, i);
      if (std::string hint = NameHint(s, i, end); !hint.empty()) return hint;
      i = end;
      continue;
    }
    if (c == ')' && i + 1 < n && (s[i + 1] == '(' || IsWordChar(s[i + 1]) || s[i + 1] == '.'))
      return ProductHint(s, OperandStart(s, i + 1), i + 1);
    if (c == '*' && i + 1 < n && s[i + 1] == '*') return PowerHint(s, i);
    if (i + 1 < n && s[i + 1] == '-') {
      for (const SignedOperand& signed_ : kSignedOperands) {
        if (c != signed_.op) continue;
        if (std::string hint = SignHint(s, i, signed_.meaning); !hint.empty()) return hint;
      }
    }
    ++i;
  }
  return {};
}

}  // namespace tessaly
