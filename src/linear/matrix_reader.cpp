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

// The blank collapsing of the reading: the passes that replace 9, 5, 3 and 2 blanks by one,
// then every blank by a comma, then ",," by ",". Each pass is one left-to-right replacement,
// so it acts on every maximal run on its own: a run of L blanks becomes L / p + L % p blanks
// for p = 9, 5, 3, 2 in turn, and a run of C commas becomes C / 2 + C % 2. Computing the
// runs directly gives the same text as the six passes in a single scan.
size_t BlanksAfterCollapsing(size_t blanks) {
  for (size_t p : {9, 5, 3, 2}) blanks = blanks / p + blanks % p;
  return blanks;
}

std::string CollapseBlanks(std::string_view s) {
  // The result is never longer than s, so it is written over a copy of s.
  std::string out(s);
  const size_t n = out.size();
  size_t w = 0;
  size_t i = 0;
  while (i < n) {
    const char c = out[i];
    if (c != ' ' && c != ',') {
      out[w++] = c;
      ++i;
      continue;
    }
    // A run of blanks and commas: after the blank passes it is a run of commas.
    size_t commas = 0;
    while (i < n && (out[i] == ' ' || out[i] == ',')) {
      if (out[i] == ',') {
        ++commas;
        ++i;
        continue;
      }
      size_t blanks = 0;
      while (i < n && out[i] == ' ') ++blanks, ++i;
      commas += BlanksAfterCollapsing(blanks);
    }
    for (size_t k = commas / 2 + commas % 2; k > 0; --k) out[w++] = ',';
  }
  out.resize(w);
  return out;
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

// The passes "#," -> "#" and then ",#" -> "#". Neither pattern can overlap itself, so a
// left-to-right pass removes every comma directly after a "#", and the second every comma
// directly before a "#" in the text the first one left.
void DropCommasNextToSeparators(std::string& s) {
  size_t w = 0;
  char before = '\0';
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (!(c == ',' && before == '#')) s[w++] = c;
    before = c;
  }
  s.resize(w);
  w = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == ',' && i + 1 < s.size() && s[i + 1] == '#') continue;
    s[w++] = s[i];
  }
  s.resize(w);
}

bool HasDoubledComma(std::string_view s) {
  for (size_t i = 1; i < s.size(); ++i)
    if (s[i] == ',' && s[i - 1] == ',') return true;
  return false;
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
  DropCommasNextToSeparators(s);
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
    // The row is collapsed again; a row without blanks or doubled commas stays as it is.
    rowText = TrimLeadingBlanks(rowText);
    std::string row;
    std::string_view t = rowText;
    if (rowText.find(' ') != std::string_view::npos || HasDoubledComma(rowText)) {
      row = CollapseBlanks(rowText);
      t = row;
    }
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
