#include "worksheet/file_text.h"

namespace tessaly {

std::string_view FirstLine(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
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
