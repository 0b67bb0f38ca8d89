#include "linear/order_question.h"

#include "common/number_text.h"

namespace tessaly {

std::optional<int> AskOrder(Dialogs& dialogs, std::string_view prompt, std::string_view title,
                            std::string_view defaultText) {
  std::string answer = dialogs.InputBox(prompt, title, defaultText);
  auto n = ToInt16Held(LeadingNumber(answer));
  if (!n || *n < 1) return std::nullopt;
  return *n;
}

}  // namespace tessaly
