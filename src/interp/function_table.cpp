#include "interp/function_table.h"

#include "common/number_text.h"
#include "common/text_builder.h"
#include "common/text_util.h"
#include "expr/formula.h"

namespace tessaly {
namespace {

// Line breaks become "#", character for character.
void MarkLineBreaks(std::string& s) {
  for (char& c : s)
    if (c == '\r' || c == '\n') c = '#';
}

// Runs of blanks become one blank and then one comma. Each pass replaces the
// non-overlapping occurrences left to right; together they shrink any run of up to 2068
// blanks to one.
std::string BlanksToCommas(std::string s) {
  for (std::string_view run : {"         ", "       ", "     ", "   ", "  ", "  "})
    s = ReplaceAll(s, run, " ");
  return ReplaceAll(s, " ", ",");
}

std::string CollapseRowMarks(std::string s) {
  for (std::string_view run : {"#########", "#######", "#####", "###", "##", "##"})
    s = ReplaceAll(s, run, "#");
  return s;
}

std::string_view SkipMarks(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == '#' || s[i] == ',')) ++i;
  return s.substr(i);
}

double EntryValue(std::string_view entry) {
  std::string text(entry);
  return EvaluateConstantText(text);
}

// Reads `rows` rows of the marked-up text into `out`, in order.
void ReadRows(std::string_view text, std::vector<std::vector<double>*> out) {
  const std::string untabbed = TabsAsBlanks(text);
  std::string s = (TextBuilder() << "#" << TrimLeadingBlanks(untabbed) << "#").Take();
  MarkLineBreaks(s);
  s = CollapseRowMarks(BlanksToCommas(std::move(s)));
  s = ReplaceAll(s, "#,", "#");
  s = ReplaceAll(s, ",#", "#");

  std::string_view rest = s;
  for (std::vector<double>* values : out) {
    rest = SkipMarks(rest);
    const size_t end = rest.find('#');
    std::string_view row = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    values->clear();
    if (row.empty()) continue;  // a row that is not there has no entries
    size_t start = 0;
    while (true) {
      const size_t comma = row.find(',', start);
      values->push_back(EntryValue(row.substr(start, comma - start)));
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
  }
}

std::string Echo(std::initializer_list<const std::vector<double>*> rows) {
  std::string echo;
  bool first = true;
  for (const std::vector<double>* row : rows) {
    if (!first) echo += kCrLf;
    first = false;
    for (double v : *row) echo += RightAligned(PlainNumberText(v), 24);
  }
  echo += kCrLf;
  echo += "此为所输入的函数表。";
  echo += kCrLf;
  return echo;
}

// The text before the first of `marks`, or nothing when none of them occurs.
std::string_view TextBefore(std::string_view s, std::string_view marks, bool& found) {
  const size_t p = s.find_first_of(marks);
  found = p != std::string_view::npos;
  return found ? s.substr(0, p) : std::string_view();
}

}  // namespace

FunctionTable ParseFunctionTable(std::string_view text) {
  FunctionTable t;
  ReadRows(text, {&t.x, &t.y});
  t.echo = Echo({&t.x, &t.y});
  return t;
}

FunctionTable ParseHermiteTable(std::string_view text) {
  FunctionTable t;
  ReadRows(text, {&t.x, &t.y, &t.d});
  t.echo = Echo({&t.x, &t.y, &t.d});
  return t;
}

size_t LeastNodeCount(std::string_view text) {
  size_t count = 0;
  bool inRun = false;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      if (count > 0) break;
      inRun = false;
    } else if (c == ' ' || c == ',') {
      inRun = false;
    } else if (!inRun) {
      inRun = true;
      ++count;
    }
  }
  return count;
}

bool TableFits(const FunctionTable& table, int minPoints, bool withDerivatives) {
  const size_t count = table.x.size();
  if (table.y.size() != count) return false;
  if (withDerivatives && table.d.size() != count) return false;
  return count >= static_cast<size_t>(minPoints);
}

bool CheckTableOrTell(MethodContext& ctx, const FunctionTable& table, int minPoints,
                      std::string_view message, bool withDerivatives) {
  if (TableFits(table, minPoints, withDerivatives)) return true;
  ctx.dialogs.MsgBox(message);
  ctx.result.Clear();
  return false;
}

TwoPointTable ReadTwoPointTable(std::string_view text) {
  const std::string untabbed = TabsAsBlanks(text);
  std::string s = (TextBuilder() << TrimLeadingBlanks(untabbed) << "#").Take();
  MarkLineBreaks(s);
  s = BlanksToCommas(std::move(s));
  s = ReplaceAll(s, "#,", "#");
  s = ReplaceAll(s, ",#", "#");
  for (std::string_view run : {"###", "##", "##"}) s = ReplaceAll(s, run, "#");

  // Each piece is cut off with the mark that ends it; a piece whose mark is missing is
  // the empty text, and then nothing is cut off.
  std::string_view rest = SkipMarks(s);
  bool found = false;
  const std::string_view x0 = TextBefore(rest, ",", found);
  if (found) rest.remove_prefix(x0.size() + 1);
  const std::string_view x1 = TextBefore(rest, "#,", found);
  if (const size_t mark = rest.find('#'); mark != std::string_view::npos)
    rest.remove_prefix(mark + 1);
  rest = SkipMarks(rest);
  const std::string_view y0 = TextBefore(rest, ",", found);
  if (found) rest.remove_prefix(y0.size() + 1);
  const std::string_view y1 = TextBefore(rest, "#,", found);

  TwoPointTable t;
  t.x0 = EntryValue(x0);
  t.x1 = EntryValue(x1);
  t.y0 = EntryValue(y0);
  t.y1 = EntryValue(y1);
  return t;
}

}  // namespace tessaly
