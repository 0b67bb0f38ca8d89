// The result pane as the methods see it: an append buffer.
#pragma once

#include <string>
#include <string_view>

namespace tessaly {

class ResultPane {
 public:
  void Clear() { text_.clear(); }
  void Append(std::string_view piece) { text_.append(piece); }
  // Replaces the whole text (the methods that start a fresh report in one piece).
  void SetText(std::string_view text) { text_.assign(text); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace tessaly
