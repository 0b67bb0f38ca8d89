// Worksheet text as the panes show it.
#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// The first line of a text: everything before the first CR or LF.
std::string_view FirstLine(std::string_view text);

// The text an editor pane shows for a report: CR LF and lone CR become LF. ToCrLf
// (common/text_encoding.h) turns it back into the report.
std::string PaneTextFromReport(std::string_view report);

}  // namespace tessaly
