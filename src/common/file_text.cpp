#include "common/file_text.h"

#include "common/text_encoding.h"

namespace tessaly {

std::string_view FirstLine(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

std::string FirstLineOfFile(std::string_view bytes) {
  // The line is read up to its line feed and decoded on its own, so what follows it cannot
  // change how it is decoded.
  const size_t lf = bytes.find('\n');
  const std::string text =
      DecodeWorksheetBytes(lf == std::string_view::npos ? bytes : bytes.substr(0, lf + 1));
  return std::string(FirstLine(text));
}

std::string PaneTextFromReport(std::string_view report) {
  std::string out;
  out.reserve(report.size());
  for (size_t i = 0; i < report.size(); ++i) {
    char c = report[i];
    if (c == '\r') {
      out.push_back('\n');
      if (i + 1 < report.size() && report[i + 1] == '\n') ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace tessaly
