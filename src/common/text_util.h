// Small text helpers shared by the methods and the window layer.
#pragma once

#include <string>
#include <string_view>

namespace tessaly {

inline constexpr std::string_view kCrLf = "\r\n";

// Removes blanks (the space character only) at both ends / the start / the end.
std::string_view TrimBlanks(std::string_view s);
std::string_view TrimLeadingBlanks(std::string_view s);
std::string_view TrimTrailingBlanks(std::string_view s);

// The text with every tab turned into a blank: the readers of typed tables (matrix text,
// vectors, function tables) separate entries typed with the Tab key like blanks.
std::string TabsAsBlanks(std::string_view s);

// Replaces every non-overlapping occurrence of from by to in one left-to-right pass;
// text produced by a replacement is not scanned again.
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);

// Number of characters (UTF-8 code points) in s.
size_t CharCount(std::string_view s);

}  // namespace tessaly
