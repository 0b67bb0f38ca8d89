// Worksheet text as the panes show it.
#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// The first line of a text: everything before the first CR or LF.
std::string_view FirstLine(std::string_view text);

// What File Open puts into a one-line input pane: the file's first line, up to its line
// break, decoded as a worksheet file (DecodeWorksheetBytes).
std::string FirstLineOfFile(std::string_view bytes);

// The input pane's text, as the methods read it, after File Open loaded a file with these
// bytes into the window's input pane: the first line for a one-line pane, else the whole
// decoded text with CR LF line breaks.
std::string InputTextFromFile(std::string_view window, std::string_view bytes);

// The text an editor pane shows for a report: CR LF and lone CR become LF. ToCrLf
// (common/text_encoding.h) turns it back into the report.
std::string PaneTextFromReport(std::string_view report);

}  // namespace tessaly
