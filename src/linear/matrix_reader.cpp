#include "linear/matrix_reader.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "common/text_util.h"
#include "expr/formula.h"
#include "expr/scan_rules.h"

namespace tessaly {
namespace {

// The reading rewrites the text with a series of replacement passes. Each pass replaces
// every non-overlapping occurrence in one left-to-right scan, so a pass whose pattern is a run
// of one character acts on every maximal run of that character on its own: p of them in a
// row are replaced by one, so a run of L becomes L / p + L % p. The passes are computed here
// from the runs directly, in one scan, with the same result.
size_t RunAfterPasses(size_t length, std::initializer_list<size_t> passes) {
  if (length < 2) return length;  // the common single blank, comma or separator
  for (size_t p : passes) length = length / p + length % p;
  return length;
}

// The passes are chained as stages that take the text one character at a time; each
// stage hands what it keeps to the next. Every stage gives out at most as many characters as
// it has taken, so the whole chain can write its result over the text it is reading.

// Writes the characters it is given one after another from `out` on.
struct PlainOutput {
  char* out;
  size_t written = 0;
  void Put(char c) { out[written++] = c; }
};

// The passes "#####", "###" and "##" to "#".
struct SeparatorRunsStage {
  PlainOutput& next;
  size_t run = 0;
  void Put(char c) {
    if (c == '#') {
      ++run;
      return;
    }
    Finish();
    next.Put(c);
  }
  void Finish() {
    for (run = RunAfterPasses(run, {5, 3, 2}); run > 0; --run) next.Put('#');
  }
};

// Line breaks to "#", then the passes "#," -> "#" and ",#" -> "#". Neither pattern can
// overlap itself, so the first pass drops every comma directly after a "#" and the second
// every comma directly before a "#" in the text the first one left.
struct RowSeparatorsStage {
  SeparatorRunsStage& next;
  char before = '\0';   // the previous character taken
  char pending = '\0';  // the last character the first pass kept, not yet handed on
  bool hasPending = false;
  void Put(char c) {
    if (c == '\n' || c == '\r') c = '#';
    const bool dropped = c == ',' && before == '#';
    before = c;
    if (dropped) return;
    if (hasPending && !(pending == ',' && c == '#')) next.Put(pending);
    pending = c;
    hasPending = true;
  }
  void Finish() {
    if (hasPending) next.Put(pending);
    hasPending = false;
  }
};

// The blank collapsing: 9, 5, 3 and 2 blanks to one, every blank to a comma, ",," to ",".
// Tells in doubledCommas whether the result still holds two commas in a row.
template <typename Stage>
void CollapseBlanks(const char* text, size_t n, Stage& next, bool& doubledCommas) {
  size_t i = 0;
  doubledCommas = false;
  while (i < n) {
    const char c = text[i];
    if (c != ' ' && c != ',') {
      ++i;
      next.Put(c);
      continue;
    }
    // A run of blanks and commas: after the blank passes it is a run of commas.
    size_t commas = 0;
    while (i < n && (text[i] == ' ' || text[i] == ',')) {
      if (text[i] == ',') {
        ++commas;
        ++i;
        continue;
      }
      size_t blanks = 0;
      while (i < n && text[i] == ' ') ++blanks, ++i;
      commas += RunAfterPasses(blanks, {9, 5, 3, 2});
    }
    commas = RunAfterPasses(commas, {2});
    if (commas == 1) {  // the usual single separator
      next.Put(',');
      continue;
    }
    if (commas > 1) doubledCommas = true;
    for (; commas > 0; --commas) next.Put(',');
  }
}

// The whole text made ready for cutting into rows: blanks collapsed, line breaks turned
// into "#" separators, a closing "#" appended and runs of separators collapsed.
std::string PrepareText(std::string_view text, bool& doubledCommas) {
  std::string s = TabsAsBlanks(text);
  s = std::string(TrimBlanks(s));
  s.push_back('#');  // room for the closing separator
  PlainOutput output{s.data()};
  SeparatorRunsStage runs{output};
  RowSeparatorsStage rows{runs};
  CollapseBlanks(s.data(), s.size() - 1, rows, doubledCommas);
  rows.Finish();
  runs.Put('#');
  runs.Finish();
  s.resize(output.written);
  return s;
}

// A row collapsed again.
std::string CollapseRow(std::string_view row) {
  std::string out(row);
  PlainOutput output{out.data()};
  bool unused = false;
  CollapseBlanks(out.data(), out.size(), output, unused);
  out.resize(output.written);
  return out;
}

// The value of an entry that is one numeral (an optional sign, digits with at most one
// decimal point, an optional exponent part), read with the expression engine's own numeral
// reading instead of a whole evaluation; nothing for any other entry. A numeral that the
// scan would not take as a number (such as -.0) is also left to the full evaluation.
std::optional<double> NumeralValue(std::string_view t) {
  if (!t.empty() && t.back() == '#') t.remove_suffix(1);  // a row's closing separator
  const expr::Numeral numeral = expr::ReadNumeral(t);
  if (!numeral.isNumber || numeral.length != t.size()) return std::nullopt;
  return numeral.value;
}

double EntryValue(std::string_view t) {
  if (auto v = NumeralValue(t)) return *v;
  std::string entry(t);
  return EvaluateConstantText(entry);
}

// Fills rows 1 .. n of m from text, reading `width` entries per row.
void ReadRows(Matrix& m, int n, int width, std::string_view text) {
  n = std::min(n, m.Rows());
  if (n < 1 || width < 1) return;
  const int stored = std::min(width, m.Cols());
  std::vector<double> scratch(static_cast<size_t>(width) + 1, 0.0);

  bool doubledCommas = false;
  const std::string s = PrepareText(text, doubledCommas);

  // The rest of the text still to read; rows are cut from its front without copying it.
  std::string_view rest = s;
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '#')) rest.remove_prefix(1);

  for (int i = 1; i <= n; ++i) {
    size_t hash = rest.find('#');
    std::string_view rowText =
        hash == std::string_view::npos ? std::string_view{} : rest.substr(0, hash + 1);
    // The row is collapsed again. The text has no blanks left, so only a doubled comma
    // can change, and there is none unless the first collapsing left one.
    std::string row;
    std::string_view t = rowText;
    if (doubledCommas) {
      row = CollapseRow(TrimLeadingBlanks(rowText));
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

void ReadMatrixText(Matrix& m, int n, std::string_view text) { ReadRows(m, n, n + 1, text); }

Matrix ReadSquareMatrixText(int n, std::string_view text) {
  Matrix m(std::max(n, 0), std::max(n, 0));
  ReadRows(m, n, n, text);
  return m;
}

}  // namespace tessaly
