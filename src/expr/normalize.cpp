// NormalizeFormula: the twelve rewriting steps, each one pass over the text.
#include <string>
#include <string_view>

#include "common/text_util.h"
#include "expr/formula.h"

namespace tessaly {
namespace {

void ReplaceIn(std::string& s, std::string_view from, std::string_view to) {
  if (s.find(from) == std::string::npos) return;
  s = ReplaceAll(s, from, to);
}

void RemoveChars(std::string& s, std::string_view chars) {
  if (s.find_first_of(chars) == std::string::npos) return;
  size_t w = 0;
  for (char c : s)
    if (chars.find(c) == std::string_view::npos) s[w++] = c;
  s.resize(w);
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Step 8. Positions count characters from 1 and are 16-bit integers: a sign at position
// 32767 or beyond counts as absent, and the loop stops when the start position reaches
// 32767.
void MarkSigns(std::string& s) {
  constexpr long kLimit = 32767;
  size_t p = s.find_first_of("+-");
  if (p == std::string::npos) return;
  std::string out;
  out.reserve(s.size() + s.size() / 8 + 4);
  size_t copied = 0;     // input bytes already copied to out
  size_t counted = 0;    // input bytes whose continuation bytes are counted
  long continuation = 0; // continuation bytes in s[0, counted)
  long inserted = 0;     // "+" inserted so far
  long start = 1;        // the start position
  for (; p != std::string::npos; p = s.find_first_of("+-", p + 1)) {
    for (; counted < p; ++counted)
      if (IsContinuationByte(s[counted])) ++continuation;
    long position = static_cast<long>(p) - continuation + 1 + inserted;
    if (position < start) continue;  // the character skipped after the previous sign
    if (position >= kLimit) break;
    out.append(s, copied, p + 1 - copied);
    copied = p + 1;
    char next = p + 1 < s.size() ? s[p + 1] : '\0';
    bool digitNext = (next >= '0' && next <= '9') || next == '.';
    char before = p > 0 ? s[p - 1] : '\0';
    if (digitNext && position != 1 && before != '+' && before != '-' && before != '(') {
      out += '+';
      ++inserted;
    }
    start = position + 2;
    if (start >= kLimit) break;
  }
  out.append(s, copied, std::string::npos);
  s = std::move(out);
}

// True when no step changes the text: digits and points, with at most a sign in front
// (a plain numeral, the usual matrix entry).
bool IsPlainNumeral(std::string_view t) {
  size_t i = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0;
  for (; i < t.size(); ++i)
    if (!((t[i] >= '0' && t[i] <= '9') || t[i] == '.')) return false;
  return true;
}

}  // namespace

std::string NormalizeFormula(std::string_view text) {
  if (IsPlainNumeral(text)) return std::string(text);
  std::string s(text);
  ReplaceIn(s, "f(x)=", "");                                    // 1
  ReplaceIn(s, "f(x)", "");                                     // 2
  if (size_t eq = s.find('='); eq != std::string::npos) s.resize(eq);  // 3
  for (char& c : s)                                             // 4
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  RemoveChars(s, " ");                                          // 5
  for (size_t i = 0; i + 1 < s.size(); ++i)                     // 6
    if (s[i] == 'e' && (s[i + 1] == '+' || s[i + 1] == '-')) s[i] = 'E';
  RemoveChars(s, "\r\n");                                       // 7
  MarkSigns(s);                                                 // 8
  ReplaceIn(s, "pi", "+3.14159265358979");                      // 9
  if (s.size() >= 2 && (s[0] == '+' || s[0] == '-') &&          // 10
      ((s[1] >= 'a' && s[1] <= 'z') || s[1] == '('))
    s.insert(s.begin(), '0');
  ReplaceIn(s, "exp", "eyp");                                   // 11
  ReplaceIn(s, "log10", "lgg");
  ReplaceIn(s, "log2", "lg2");
  ReplaceIn(s, "E-+", "E-");                                    // 12
  ReplaceIn(s, "E++", "E+");
  return s;
}

}  // namespace tessaly
