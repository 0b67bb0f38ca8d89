#include "common/number_text.h"
#include "common/text_util.h"
#include "ode/ode.h"

namespace tessaly::ode {

namespace {
constexpr int kFieldWidth = 24;
}  // namespace

std::string OdeTable(std::string_view firstTitle, std::string_view secondTitle,
                     const Grid& grid, const Columns& columns) {
  std::string out;
  out.reserve(static_cast<size_t>(grid.n + 2) * (3 * kFieldWidth + 2));
  AppendRightAligned(out, "X(n)", kFieldWidth);
  AppendRightAligned(out, firstTitle, kFieldWidth);
  AppendRightAligned(out, secondTitle, kFieldWidth);
  out += kCrLf;
  std::string number;
  for (int i = 0; i <= grid.n; ++i) {
    for (double v : {grid.x[i], columns.first[i], columns.second[i]}) {
      number.clear();
      AppendPlainNumberText(number, v);
      AppendRightAligned(out, number, kFieldWidth);
    }
    out += kCrLf;
  }
  return out;
}

}  // namespace tessaly::ode
