#include "interp/difference_table.h"

#include "common/number_text.h"
#include "common/text_util.h"

namespace tessaly {

std::string DifferenceTable::Text(std::string_view orderLabel) const {
  std::string text(kCrLf);
  text += RightAligned("X(i)", 24);
  text += RightAligned("Y(i)", 24);
  for (int m = 1; m <= n_; ++m)
    text += RightAligned(PlainIntegerText(m) + std::string(orderLabel), 21);
  text += kCrLf;
  for (int i = 0; i <= n_; ++i) {
    for (int k = 0; k <= i + 1; ++k)
      text += RightAligned(LeadingBlankNumberText((*this)(i, k)), 24);
    text += kCrLf;
  }
  return text;
}

}  // namespace tessaly
