#include "interp/formula_text.h"

#include "common/text_util.h"

namespace tessaly {

std::string CleanUpA(std::string_view text) {
  std::string s = ReplaceAll(text, "++", "+");
  s = ReplaceAll(s, "--", "+");
  s = ReplaceAll(s, "+-", "-");
  return ReplaceAll(s, "-+", "-");
}

std::string CleanUpB(std::string_view text) {
  std::string s = ReplaceAll(text, "+-", "-");
  s = ReplaceAll(s, "-+", "-");
  s = ReplaceAll(s, "--", "+");
  return ReplaceAll(s, "++", "+");
}

void TellSkippedSteps(MethodContext& ctx, const SkippedSteps& steps) {
  if (steps.Any()) ctx.dialogs.MsgBox(kSkippedStepsMessage, MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace tessaly
