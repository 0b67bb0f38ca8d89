#include "support/literal_scan.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <stdlib.h>
#include <vector>

#include "common/number_text.h"
#include "expr/formula.h"

namespace tessaly::oracle {
namespace {

// Replace: every occurrence, left to right; text produced is not scanned again.
std::string Replace(const std::string& s, const std::string& from, const std::string& to) {
  if (from.empty()) return s;
  std::string out;
  size_t i = 0;
  while (i < s.size()) {
    if (s.compare(i, from.size(), from) == 0) {
      out += to;
      i += from.size();
    } else {
      out += s[i];
      ++i;
    }
  }
  return out;
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Positions count characters from 1 (a character is a byte that is not a UTF-8
// continuation byte, with the continuation bytes after it).
//
// InStr(start, s, c) with 16-bit positions: the position of the first c at or after the
// start position, 32767 when there is none (or it lies beyond 32766).
long InStr16(long start, const std::string& s, char c) {
  long pos = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (!IsContinuation(s[i])) ++pos;
    if (s[i] == c && pos >= start) return pos < 32767 ? pos : 32767;
  }
  return 32767;
}

// The byte index of the sign at character position pos.
size_t ByteOfSign(const std::string& s, long pos) {
  long p = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (!IsContinuation(s[i])) ++p;
    if ((s[i] == '+' || s[i] == '-') && p == pos) return i;
  }
  return std::string::npos;
}

}  // namespace

std::string LiteralNormalizeFormula(std::string_view text) {
  std::string s(text);
  s = Replace(s, "f(x)=", "");
  s = Replace(s, "f(x)", "");
  size_t eq = s.find('=');
  if (eq != std::string::npos) s = s.substr(0, eq);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  s = Replace(s, " ", "");
  s = Replace(s, "e+", "E+");
  s = Replace(s, "e-", "E-");
  s = Replace(s, "\r", "");
  s = Replace(s, "\n", "");
  // Step 8, as written.
  long start = 1;
  while (true) {
    long plus = InStr16(start, s, '+');
    long minus = InStr16(start, s, '-');
    long pos = plus < minus ? plus : minus;
    if (pos == 32767) break;
    size_t b = ByteOfSign(s, pos);
    char after = b + 1 < s.size() ? s[b + 1] : '\0';
    char before = b > 0 ? s[b - 1] : '\0';
    bool digit = (after >= '0' && after <= '9') || after == '.';
    if (digit && pos != 1 && before != '+' && before != '-' && before != '(')
      s.insert(s.begin() + static_cast<std::ptrdiff_t>(b + 1), '+');
    start = pos + 2;
    if (start >= 32767) break;
  }
  s = Replace(s, "pi", "+3.14159265358979");
  if (s.size() >= 2 && (s[0] == '+' || s[0] == '-') &&
      ((s[1] >= 'a' && s[1] <= 'z') || s[1] == '('))
    s.insert(0, 1, '0');
  s = Replace(s, "exp", "eyp");
  s = Replace(s, "log10", "lgg");
  s = Replace(s, "log2", "lg2");
  s = Replace(s, "E-+", "E-");
  s = Replace(s, "E++", "E+");
  return s;
}

namespace {

// A text being scanned, with the values of non-finite variables, which have no text: they
// are written as the numeral "1" and read with their own value.
struct ScanText {
  std::string text;
  std::vector<std::pair<size_t, double>> overrides;  // byte index of the numeral, value
};

void AppendValue(ScanText& t, double v) {
  t.text += '(';
  if (std::isfinite(v)) {
    std::string body = LeadingBlankNumberText(v);
    if (body[0] == ' ') body.erase(0, 1);
    t.text += body;
  } else {
    t.overrides.push_back({t.text.size(), v});
    t.text += '1';
  }
  t.text += ')';
}

// Replace every name by the value text, moving the recorded override positions along.
ScanText SubstituteVariable(const ScanText& in, const std::string& name, double v) {
  if (name.empty()) return in;
  ScanText out;
  size_t i = 0, o = 0;
  while (i < in.text.size()) {
    while (o < in.overrides.size() && in.overrides[o].first == i) {
      out.overrides.push_back({out.text.size(), in.overrides[o].second});
      ++o;
    }
    if (in.text.compare(i, name.size(), name) == 0) {
      AppendValue(out, v);
      i += name.size();
    } else {
      out.text += in.text[i++];
    }
  }
  return out;
}

ScanText Prepare(std::string_view canonical, double x) {
  ScanText t;
  t.text = std::string(canonical);
  t = SubstituteVariable(t, "x", x);
  t.text = Replace(t.text, "eyp", "exp");  // same length: positions stay
  return t;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The numeral at the front: length of the longest prefix (sign, digits with at most one
// point, exponent part) and its value.
size_t NumeralLength(std::string_view r, bool& hasDigits) {
  size_t i = 0;
  hasDigits = false;
  if (i < r.size() && (r[i] == '+' || r[i] == '-')) ++i;
  while (i < r.size() && IsDigit(r[i])) ++i, hasDigits = true;
  if (i < r.size() && r[i] == '.') {
    ++i;
    while (i < r.size() && IsDigit(r[i])) ++i, hasDigits = true;
  }
  if (i < r.size() && (r[i] == 'E' || r[i] == 'e')) {
    size_t j = i + 1;
    if (j < r.size() && (r[j] == '+' || r[j] == '-')) ++j;
    size_t k = j;
    while (k < r.size() && IsDigit(r[k])) ++k;
    if (k > j) i = k;
  }
  return i;
}

double NumeralValue(std::string_view numeral, bool hasDigits) {
  if (!hasDigits) return 0;
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
  std::string copy(numeral);
  if (!copy.empty() && copy[0] == '+') copy.erase(0, 1);
  return strtod_l(copy.c_str(), nullptr, cLocale);
}

// ApplyFunction as its table reads, with its fault rule: an argument outside the function's
// domain (a negative square root, the logarithm of 0 or less, the sine, cosine or tangent of
// an infinite angle) or a result beyond the largest double (exp) gives 0. Not-a-number
// stays not-a-number.
double LiteralApplyFunction(const std::string& token, double a) {
  const bool known = token == "abs" || token == "sqr" || token == "exp" || token == "log" ||
                     token == "lgg" || token == "lg2" || token == "sin" || token == "cos" ||
                     token == "tan" || token == "atn";
  if (!known) return 0;
  if (std::isnan(a)) return a;
  if (token == "abs") return std::fabs(a);
  if (token == "sqr") return a >= 0 ? std::sqrt(a) : 0;
  if (token == "exp") {
    double r = std::exp(a);
    return std::isinf(r) ? 0 : r;
  }
  if (token == "log") return a > 0 ? std::log(a) : 0;
  if (token == "lgg") return a > 0 ? std::log(a) / 2.30258509299405 : 0;
  if (token == "lg2") return a > 0 ? std::log(a) / 0.693147180559945 : 0;
  if (token == "atn") return std::atan(a);
  if (std::isinf(a)) return 0;
  if (token == "sin") return std::sin(a);
  if (token == "cos") return std::cos(a);
  return std::tan(a);
}

bool stopSpinning = false;

bool StartsWith(std::string_view r, std::string_view p) {
  if (r.size() < p.size()) return false;
  for (size_t i = 0; i < p.size(); ++i)
    if (r[i] != p[i]) return false;
  return true;
}

ScanResult LiteralScan(const ScanText& t, int cap) {
  std::vector<std::string> ops{"", "#"};  // slot 1 the dummy
  std::vector<double> nums{0.0};          // slot 1 the dummy
  auto popOp = [&]() -> std::string {
    if (ops.size() == 1) return ops[0];
    std::string v = ops.back();
    ops.pop_back();
    return v;
  };
  auto popNum = [&]() -> double {
    if (nums.size() == 1) return nums[0];
    double v = nums.back();
    nums.pop_back();
    return v;
  };
  const std::string& text = t.text;
  size_t front = 0;  // the characters before it have been removed
  char lastRemoved = '\0';
  int steps = 0;
  static constexpr std::string_view kFunctions[] = {"sin", "cos", "tan", "exp", "sqr",
                                                    "abs", "log", "atn", "lgg", "lg2"};
  while (front < text.size()) {
    std::string_view r = std::string_view(text).substr(front);
    bool hasDigits;
    size_t length = NumeralLength(r, hasDigits);
    double v = NumeralValue(r.substr(0, length), hasDigits);
    for (auto& [at, value] : t.overrides)
      if (at == front) v = value;
    bool number = v != 0 || StartsWith(r, "+0") || StartsWith(r, "-0") || StartsWith(r, "0") ||
                  StartsWith(r, ".");
    std::string three(r.substr(0, 3));
    bool function = false;
    for (std::string_view f : kFunctions) function = function || StartsWith(r, f);
    if (number) {
      nums.push_back(v);
      front += length;
      lastRemoved = text[front - 1];
    } else if (function) {
      ops.push_back(three);
      front += 3;
      lastRemoved = three[2];
    } else {
      char c = r[0];
      std::string_view rel = CompareOperators(ops.back(), c);
      if (rel == "<") {
        if ((c == '+' || c == '-') && lastRemoved == '(') nums.push_back(0);  // the mend
        ops.push_back(std::string(1, c));
        front += 1;
        lastRemoved = c;
      } else if (rel == "=") {
        popOp();
        front += 1;
        lastRemoved = c;
      } else if (rel == ">") {
        std::string o = popOp();
        if (o.size() == 3) {
          double a = popNum();
          nums.push_back(LiteralApplyFunction(o, a));
        } else if (o.size() == 1) {
          double b = popNum();
          double a = popNum();
          nums.push_back(ApplyOperator(a, o[0], b));
        }
      } else if (stopSpinning) {
        return {nums.size() >= 2 ? nums[1] : 0.0, cap + 1};
      }
    }
    steps += 1;
    if (steps > cap) break;
  }
  return {nums.size() >= 2 ? nums[1] : 0.0, steps};
}

}  // namespace

void SetStopSpinning(bool stop) { stopSpinning = stop; }

std::string LiteralPreparedText(std::string_view canonical, double x) {
  return Prepare(canonical, x).text + "#";
}

ScanResult LiteralEvaluateFormula(std::string_view canonical, double x) {
  ScanText t = Prepare(canonical, x);
  t.text += '#';
  return LiteralScan(t, 5000);
}

double LiteralEvaluateFormulaXY(std::string_view canonical, double x, std::string_view yName,
                                double y) {
  std::string name(yName);
  bool nameMeetsValues = name.find_first_of("()0123456789.+-E") != std::string::npos;
  if (nameMeetsValues && (!std::isfinite(x) || !std::isfinite(y)))
    return std::numeric_limits<double>::quiet_NaN();  // the engine's definition
  ScanText t = Prepare(canonical, x);
  t = SubstituteVariable(t, name, y);
  t.text += '#';
  return LiteralScan(t, 1000).value;
}

double LiteralEvaluateConstantText(std::string& entry) {
  entry = LiteralNormalizeFormula(entry);
  return LiteralEvaluateFormula(entry, 0).value;
}

}  // namespace tessaly::oracle
