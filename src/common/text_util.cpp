#include "common/text_util.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tessaly {

std::string_view TrimLeadingBlanks(std::string_view s) {
  size_t b = 0;
  while (b < s.size() && s[b] == ' ') ++b;
  return s.substr(b);
}

std::string_view TrimTrailingBlanks(std::string_view s) {
  size_t e = s.size();
  while (e > 0 && s[e - 1] == ' ') --e;
  return s.substr(0, e);
}

std::string_view TrimBlanks(std::string_view s) { return TrimTrailingBlanks(TrimLeadingBlanks(s)); }

std::string TabsAsBlanks(std::string_view s) {
  std::string out(s);
  std::replace(out.begin(), out.end(), '\t', ' ');
  return out;
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(s);
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  while (true) {
    size_t hit = s.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(s.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(s.substr(pos));
  return out;
}

size_t CharCount(std::string_view s) {
  // Every byte but the continuation bytes (10xxxxxx) starts a character; eight bytes at a
  // time, a continuation byte being one whose top bit is set and whose next bit is not.
  size_t continuations = 0, i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    uint64_t w;
    std::memcpy(&w, s.data() + i, sizeof w);
    const uint64_t marks = (w & ~(w << 1) & 0x8080808080808080ULL) >> 7;  // 0 or 1 per byte
    continuations += (marks * 0x0101010101010101ULL) >> 56;              // their sum
  }
  for (; i < s.size(); ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++continuations;
  return s.size() - continuations;
}

}  // namespace tessaly
