// libFuzzer target of the eigenvalue methods: on any typed matrix and any answers, every
// method must end without a crash, without undefined behaviour and within its bounds, and
// its report must be well formed (CR LF line ends only).
//
// The first byte picks the method (low 3 bits) and the Decimal digits (top bits, 1 to 15);
// the next lines, up to an empty line, are the answers to the input boxes, where "y" and "n"
// answer the questions; the rest is the input pane's text. Orders above 6 are cut to 6 so
// that each run stays short.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_answers.h"
#include "common/method_context.h"
#include "common/number_text.h"
#include "common/result_pane.h"
#include "common/scripted_dialogs.h"
#include "eigen/eigen.h"

namespace {

using Method = void (*)(tessaly::MethodContext&);
constexpr Method kMethods[] = {tessaly::MatrixMi, tessaly::MatrixCircleMove, tessaly::MatrixFanMi,
                               tessaly::ClassicalJacobi, tessaly::JacobiPassBarrier};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const Method method = kMethods[(data[0] & 7) % 5];
  const int digits = 1 + (data[0] >> 3) % 15;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

  std::vector<std::string> answers = FuzzAnswers(rest);
  // The first answer is the order.
  if (!answers.empty() && tessaly::LeadingNumber(answers[0]) > 6) answers[0] = "6";

  tessaly::ScriptedDialogs dialogs(answers);
  tessaly::ResultPane pane;
  tessaly::MethodContext ctx{std::string(rest), pane, dialogs, digits};
  try {
    method(ctx);
  } catch (const tessaly::ScriptError&) {
    return 0;  // an answer that is neither yes nor no at a question
  }
  const std::string& report = pane.Text();
  for (size_t i = 0; i < report.size(); ++i) {
    const bool lineEnd = report[i] == '\n' && i > 0 && report[i - 1] == '\r';
    const bool carriage = report[i] == '\r' && i + 1 < report.size() && report[i + 1] == '\n';
    if ((report[i] == '\n' && !lineEnd) || (report[i] == '\r' && !carriage)) std::abort();
  }
  return 0;
}
