// The input boxes' answers a fuzz input carries: its lines, up to the first empty one.
// `rest` is left holding what follows them (the input pane's text).
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline std::vector<std::string> FuzzAnswers(std::string_view& rest) {
  std::vector<std::string> answers;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (line.empty()) break;
    answers.emplace_back(line);
  }
  return answers;
}
