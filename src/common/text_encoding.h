// Decoding the bytes of a worksheet text file and the line breaks of an input pane.
#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// Whether bytes are valid UTF-8.
bool IsValidUtf8(std::string_view bytes);

// The text of a worksheet file as UTF-8: valid UTF-8 (a leading byte-order mark is
// dropped) is taken as it is, anything else is decoded as GB18030.
std::string DecodeWorksheetBytes(std::string_view bytes);

// The input pane's line breaks are CR LF: a lone LF or a lone CR becomes CR LF.
std::string ToCrLf(std::string_view text);

}  // namespace tessaly
