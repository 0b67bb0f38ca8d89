#include "worksheet/worksheet_rules.h"

#include <cmath>

#include "common/file_text.h"
#include "common/number_text.h"
#include "common/text_encoding.h"
#include "common/text_util.h"

namespace tessaly {

int ParseDecimalDigits(std::string_view answer, int maxDigits) {
  // nearbyint rounds halves to even in the default rounding mode; huge answers (beyond
  // 16 bits, or infinite) fall to the maximum, a NaN to the minimum.
  double r = std::nearbyint(LeadingNumber(answer));
  if (!(r >= 1)) return 1;
  if (r > maxDigits) return maxDigits;
  return static_cast<int>(r);
}

std::string InputTextFromFile(std::string_view window, std::string_view bytes) {
  if (HasOneLineInput(window)) return FirstLineOfFile(bytes);
  return ToCrLf(DecodeWorksheetBytes(bytes));
}

bool MethodMenuEnabled(std::string_view inputText) { return !TrimBlanks(inputText).empty(); }

bool HasOneLineInput(std::string_view window) { return window == "Ultra"; }

std::optional<TextRange> DeleteRange(std::u16string_view input, int selStart, int selLength,
                                     int focusedLength) {
  if (selStart == focusedLength) return std::nullopt;
  const int size = static_cast<int>(input.size());
  if (selStart < 0 || selStart > size) return std::nullopt;
  TextRange range{selStart, selLength};
  if (range.length == 0) {
    range.length = 1;
    if (selStart < size && input[selStart] == u'\r') range.length = 2;
  }
  if (range.start + range.length > size) range.length = size - range.start;
  if (range.length <= 0) return std::nullopt;
  return range;
}

double ClampSplitPosition(double x, double outerWidth) {
  if (x < 1500) x = 1500;
  if (x > outerWidth - 1500) x = outerWidth - 1500;
  return x;
}

double ClampGhostBar(double p, double outerWidth) {
  if (p < 500) return 500;
  if (p > outerWidth - 500) return outerWidth - 500;
  return p;
}

double ClampGhostBarVertical(double p, double innerHeight, double statusBarHeight) {
  if (p < 750) return 750;
  if (p > innerHeight - 750 - statusBarHeight) return innerHeight - 750 - statusBarHeight;
  return p;
}

double SnapOuterSize(double size, double minimum) {
  return size < minimum ? kSnappedOuterSize : size;
}

}  // namespace tessaly
