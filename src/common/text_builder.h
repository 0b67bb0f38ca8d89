// A text built by appending pieces: literal texts, numbers as their plain number text and
// integers as their plain integer text. Reports and formula texts are built this way, in
// one buffer, never by re-copying what is already there.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "common/number_text.h"

namespace tessaly {

class TextBuilder {
 public:
  TextBuilder& operator<<(std::string_view piece) {
    text_.append(piece);
    return *this;
  }
  TextBuilder& operator<<(const char* piece) { return *this << std::string_view(piece); }
  TextBuilder& operator<<(const std::string& piece) { return *this << std::string_view(piece); }
  TextBuilder& operator<<(double value) {
    AppendPlainNumberText(text_, value);
    return *this;
  }
  TextBuilder& operator<<(int value) {
    text_.append(PlainIntegerText(value));
    return *this;
  }
  const std::string& Text() const { return text_; }
  // The text, moved out; the builder is empty afterwards.
  std::string Take() { return std::exchange(text_, std::string()); }
  void Clear() { text_.clear(); }

 private:
  std::string text_;
};

}  // namespace tessaly
