#include "linear/matrix_reader.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "common/text_util.h"
#include "expr/formula.h"

namespace tessaly {
namespace {

// The blank collapsing of the reading: runs of blanks shrink by the passes 9, 5, 3, 2 to
// one, every blank becomes a comma, and one ",," pass joins doubled commas. Each pass is a
// single left-to-right replacement, so long runs are not always reduced to one separator.
std::string CollapseBlanks(std::string_view s) {
  std::string t = ReplaceAll(s, "         ", " ");
  t = ReplaceAll(t, "     ", " ");
  t = ReplaceAll(t, "   ", " ");
  t = ReplaceAll(t, "  ", " ");
  t = ReplaceAll(t, " ", ",");
  return ReplaceAll(t, ",,", ",");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of an entry that is a plain numeral (an optional sign, digits with at most one
// decimal point, an optional exponent part), read directly instead of through the
// expression engine; nothing for any other entry. A numeral the engine would treat in a
// special way (a signed zero, a value out of the double range) is also left to the engine,
// so the value is always the one the engine gives.
std::optional<double> PlainNumeralValue(std::string_view t) {
  if (!t.empty() && t.back() == '#') t.remove_suffix(1);  // a row's closing separator
  size_t i = 0;
  bool sign = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    sign = true;
    ++i;
  }
  size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++expDigits;
    if (expDigits == 0) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;
  std::string_view numeral = t;
  if (numeral[0] == '+') numeral.remove_prefix(1);
  double v = 0;
  auto res = std::from_chars(numeral.data(), numeral.data() + numeral.size(), v);
  if (res.ec != std::errc() || res.ptr != numeral.data() + numeral.size()) return std::nullopt;
  if (v == 0 && sign) return std::nullopt;
  return v;
}

double EntryValue(std::string_view t) {
  if (auto v = PlainNumeralValue(t)) return *v;
  std::string entry(t);
  return EvaluateConstantText(entry);
}

// Fills rows 1 .. n of m from text, reading `width` entries per row.
void ReadRows(Matrix& m, int n, int width, std::string_view text) {
  n = std::min(n, m.Rows());
  const int stored = std::min(width, m.Cols());
  std::vector<double> scratch(static_cast<size_t>(width) + 1, 0.0);

  std::string s = CollapseBlanks(TrimBlanks(text));
  for (char& c : s)
    if (c == '\n' || c == '\r') c = '#';
  s = ReplaceAll(s, "#,", "#");
  s = ReplaceAll(s, ",#", "#");
  s += '#';
  s = ReplaceAll(s, "#####", "#");
  s = ReplaceAll(s, "###", "#");
  s = ReplaceAll(s, "##", "#");

  // The rest of the text still to read; rows are cut from its front without copying it.
  std::string_view rest = s;
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '#')) rest.remove_prefix(1);

  for (int i = 1; i <= n; ++i) {
    size_t hash = rest.find('#');
    std::string_view rowText = hash == std::string_view::npos ? std::string_view{}
                                                              : rest.substr(0, hash + 1);
    std::string row = CollapseBlanks(TrimLeadingBlanks(rowText));
    std::string_view t = row;
    for (int j = 1;;) {
      size_t comma = t.find(',');
      if (comma == std::string_view::npos) {
        scratch[j] = EntryValue(t);
        break;
      }
      scratch[j] = EntryValue(t.substr(0, comma));
      t.remove_prefix(comma + 1);
      if (++j > width) break;
    }
    double* out = m.Row(i);
    for (int j = 1; j <= stored; ++j) out[j - 1] = scratch[j];
    if (hash != std::string_view::npos) rest.remove_prefix(hash + 1);
  }
}

}  // namespace

void ReadMatrixText(Matrix& m, int n, std::string_view text) {
  ReadRows(m, n, n + 1, text);
}

Matrix ReadSquareMatrixText(int n, std::string_view text) {
  Matrix m(n, n);
  ReadRows(m, n, n, text);
  return m;
}

}  // namespace tessaly
