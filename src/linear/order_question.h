// Asking a matrix method's order n.
#pragma once

#include <optional>
#include <string_view>

#include "common/dialogs.h"

namespace tessaly {

// Shows the order question and returns n: the leading number of the answer rounded to an
// integer (halves to even); a number beyond 16 bits (also one too large for a double) is
// taken as 32767 (or -32768), which every method's size guard refuses with its message.
// Returns nothing when n is below 1 (an empty answer and Cancel give 0): the method then
// ends silently.
std::optional<int> AskOrder(Dialogs& dialogs, std::string_view prompt, std::string_view title = {},
                            std::string_view defaultText = {});

}  // namespace tessaly
