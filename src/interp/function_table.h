// The function table of the interpolation window: its text format, the readers that turn
// the input pane's text into arrays, the echo they hand back, and the check every method
// makes on what was read.
//
// Text format: row 1 holds the nodes x, row 2 the values f(x), row 3 (Hermite only) the
// derivative values f'(x), one row per line (blank lines anywhere are ignored; further rows
// too). Entries are separated by a run of blanks (a tab counts as a blank) or by one comma; each entry is a constant
// formula read with EvaluateConstantText, so 1/3 or sqr(2) are valid entries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/method_context.h"

namespace tessaly {

// A table as read: parallel arrays indexed from 0, each sized by its own row (the rows may
// differ in length until the table is checked), and the echo of the table.
struct FunctionTable {
  std::vector<double> x;  // the nodes, in the order typed (not sorted, not checked)
  std::vector<double> y;  // the function values
  std::vector<double> d;  // the derivative values (three-row tables only)
  // Each row's values as plain number texts right-aligned in 24 characters, rows
  // separated by CR LF, then CR LF, "此为所输入的函数表。" and CR LF.
  std::string echo;

  // The last index n of the nodes (-1 when there are none).
  int Last() const { return static_cast<int>(x.size()) - 1; }
};

// Reads the x and f(x) rows.
FunctionTable ParseFunctionTable(std::string_view text);
// Reads the x, f(x) and f'(x) rows.
FunctionTable ParseHermiteTable(std::string_view text);

// The messages of a table that does not fit its method.
inline constexpr std::string_view kTableMessage =
    "函数表中，变量x与函数值f(x)没有一一对应或少于两组，请重新输入！";
inline constexpr std::string_view kHermiteTableMessage =
    "函数表中，变量x与函数值f(x)、导数值没有一一对应或少于两组，请重新输入！";
inline constexpr std::string_view kFourPointTableMessage =
    "函数表中，变量x与函数值f(x)没有一一对应或数据太少，请重新输入！";

// A quick lower bound of the number of nodes, counted without reading the entries: the runs
// of characters other than blanks and commas on the first line that holds one (each lies in
// an entry of its own; a comma next to a blank adds an empty entry). Lets a method refuse a
// huge table before reading it.
size_t LeastNodeCount(std::string_view text);

// Whether every row of the table has as many entries as the nodes (the derivative row
// only when `withDerivatives`) and there are at least `minPoints` nodes.
bool TableFits(const FunctionTable& table, int minPoints, bool withDerivatives = false);

// The check every method makes right after reading: when the table does not fit, shows
// `message` (OK button, the application's title), clears the result pane and returns
// false; the method then ends.
bool CheckTableOrTell(MethodContext& ctx, const FunctionTable& table, int minPoints,
                      std::string_view message = kTableMessage, bool withDerivatives = false);

// The two points linear interpolation reads on its own: the first two entries of the
// first two rows. Further entries and rows are ignored; a missing entry is read as the
// empty text.
struct TwoPointTable {
  double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
};
TwoPointTable ReadTwoPointTable(std::string_view text);

}  // namespace tessaly
