// libFuzzer target of what a worksheet window (and tessaly-cli) makes of a file's bytes:
// DecodeWorksheetBytes, ToCrLf, FirstLineOfFile, InputTextFromFile and the method menu's
// rule. Any bytes must give valid UTF-8, a first line without a line break, line breaks
// that are all CR LF, and the menu enabled exactly when something besides blanks is left.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/text_encoding.h"
#include "common/file_text.h"
#include "worksheet/worksheet_rules.h"

namespace {

[[noreturn]] void Fail(const char* what, size_t size) {
  std::fprintf(stderr, "%s on %zu bytes\n", what, size);
  std::abort();
}

bool OnlyCrLfBreaks(std::string_view t) {
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '\r' && (i + 1 >= t.size() || t[i + 1] != '\n')) return false;
    if (t[i] == '\n' && (i == 0 || t[i - 1] != '\r')) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessaly;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string text = DecodeWorksheetBytes(bytes);
  if (!IsValidUtf8(text)) Fail("decoded text is not UTF-8", size);

  const std::string line = FirstLineOfFile(bytes);
  if (!IsValidUtf8(line)) Fail("first line is not UTF-8", size);
  if (line.find_first_of("\r\n") != std::string::npos) Fail("first line has a line break", size);
  // A file that is UTF-8 throughout decodes its first line as the whole file does.
  if (IsValidUtf8(bytes) && line != FirstLine(text)) Fail("first line differs", size);
  if (InputTextFromFile("Ultra", bytes) != line) Fail("one-line pane differs", size);

  const std::string pane = InputTextFromFile("LinearFrm", bytes);
  if (!OnlyCrLfBreaks(pane)) Fail("pane has a lone CR or LF", size);

  const bool blank = pane.find_first_not_of(' ') == std::string::npos;
  if (MethodMenuEnabled(pane) == blank) Fail("menu rule differs", size);
  return 0;
}
