#include <cstring>

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
  AppendRightAligned(out, "X(n)", kFieldWidth);
  AppendRightAligned(out, firstTitle, kFieldWidth);
  AppendRightAligned(out, secondTitle, kFieldWidth);
  out += kCrLf;
  const size_t lines = static_cast<size_t>(grid.n) + 1;
  out.reserve(out.size() + lines * (3 * kFieldWidth + 2));
  // Each data line is put together on the stack and appended once. A number text is ASCII,
  // so its characters are its bytes.
  char line[3 * (kFieldWidth + kMaxPlainNumberText) + 2];
  char number[kMaxPlainNumberText];
  for (size_t i = 0; i < lines; ++i) {
    char* p = line;
    for (double v : {grid.x[i], columns.first[i], columns.second[i]}) {
      const size_t length = WritePlainNumberText(number, v) - number;
      if (length < kFieldWidth) {
        std::memset(p, ' ', kFieldWidth - length);
        p += kFieldWidth - length;
      }
      std::memcpy(p, number, length);
      p += length;
    }
    *p++ = '\r';
    *p++ = '\n';
    out.append(line, p - line);
  }
  return out;
}

std::string OverflowWarning(const Grid& grid, const Columns& columns) {
  if (columns.firstFailure < 0) return {};
  return "从 x = " + PlainNumberText(grid.x[columns.firstFailure]) +
         " 起计算溢出，此后的函数值不可信！";
}

std::string OdeCsv(std::string_view firstTitle, std::string_view secondTitle, const Grid& grid,
                   const Columns& columns) {
  std::string out = "X(n),";
  out.append(firstTitle).append(",").append(secondTitle).append(kCrLf);
  for (size_t i = 0; i <= static_cast<size_t>(grid.n); ++i) {
    AppendPlainNumberText(out, grid.x[i]);
    out += ',';
    AppendPlainNumberText(out, columns.first[i]);
    out += ',';
    AppendPlainNumberText(out, columns.second[i]);
    out += kCrLf;
  }
  return out;
}

}  // namespace tessaly::ode
