// The result pane as the methods see it: an append buffer.
#pragma once

#include <string>
#include <string_view>

namespace tessaly {

class ResultPane {
 public:
  void Clear() { text_.clear(); }
  void Append(std::string_view piece) { text_.append(piece); }
  // The same for a piece that is no longer needed: an empty pane takes it over without a copy.
  void Append(std::string&& piece) {
    if (text_.empty())
      text_.swap(piece);
    else
      text_.append(piece);
  }
  // Replaces the whole text (the methods that start a fresh report in one piece).
  void SetText(std::string_view text) { text_.assign(text); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace tessaly
