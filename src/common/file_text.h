// Text as the panes show it and as File Open reads its first line.
#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// The first line of a text: everything before the first CR or LF.
std::string_view FirstLine(std::string_view text);

// What File Open puts into a one-line input pane: the file's first line, up to its line
// break, decoded as a worksheet file (DecodeWorksheetBytes).
std::string FirstLineOfFile(std::string_view bytes);

// The text an editor pane shows for a report: CR LF and lone CR become LF. ToCrLf
// (common/text_encoding.h) turns it back into the report.
std::string PaneTextFromReport(std::string_view report);

}  // namespace tessaly
