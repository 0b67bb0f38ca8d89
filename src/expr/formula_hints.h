// Hints for typed formulas that read unlike common notation. The expression language reads
// `2x` as 2 (there is no implied product), takes the sign in `2^-1` or `2*-3` as a value of
// its own, and has no `sqrt`, `ln` or `**`: a student who types them gets another number
// without knowing why. The windows show the hint beside the formula; the reading itself
// does not change.
#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// The hint for the first such pattern in a typed formula ("提示：请写成 2*x"), with the
// fragment as typed and as it should be written; the empty text when there is none. The
// formula is looked at as the reading sees it: "f(x)=" and anything after "=" dropped,
// letters in lower case, blanks and line breaks removed.
std::string FormulaHint(std::string_view typed);

}  // namespace tessaly
