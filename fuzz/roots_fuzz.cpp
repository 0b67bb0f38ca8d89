// libFuzzer target of the root finders and their step pictures: on any typed formula and
// any answers, every method must end without a crash or undefined behaviour, every recorded
// step must point at its own report line, and the picture of any number of steps, fitted
// or zoomed anywhere, must be built without a crash and with a usable view.
//
// The first byte picks the method (low 3 bits) and, with the second, the steps shown and a
// zoom; the next lines, up to an empty line, are the answers to the input boxes; the rest is
// the input pane's text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_answers.h"
#include "common/method_context.h"
#include "common/result_pane.h"
#include "common/scripted_dialogs.h"
#include "pictures/root_pictures.h"
#include "roots/roots.h"

namespace {

using Method = void (*)(tessaly::MethodContext&);
constexpr Method kMethods[] = {tessaly::CalculateDichotomy, tessaly::CalculateIterative,
                               tessaly::IterativeSpeedUp,   tessaly::CalculateAitken,
                               tessaly::CalculateNewton,    tessaly::CalculateXianJie};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const Method method = kMethods[(data[0] & 7) % 6];
  const int shown = data[1] % 103;
  const double zoom = std::ldexp(1.0, (data[0] >> 3) % 32 - 16);
  std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  std::vector<std::string> answers = FuzzAnswers(rest);

  tessaly::ResultPane pane;
  tessaly::ScriptedDialogs dialogs(answers);
  tessaly::StepRecord record;
  tessaly::MethodContext ctx{std::string(rest), pane, dialogs};
  ctx.stepRecord = &record;
  method(ctx);

  const std::string& report = pane.Text();
  for (size_t k = 0; k < record.steps.size(); ++k) {
    const std::string line = " x" + std::to_string(k + 1);
    if (report.compare(record.steps[k].reportOffset, line.size(), line) != 0) std::abort();
  }
  const tessaly::ViewBox fitted = tessaly::FitStepView(record, shown);
  if (!std::isfinite(fitted.right - fitted.left) || !(fitted.right > fitted.left) ||
      !std::isfinite(fitted.top - fitted.bottom) || !(fitted.top > fitted.bottom))
    std::abort();
  const double cx = fitted.left / 2 + fitted.right / 2, cy = fitted.top / 2 + fitted.bottom / 2;
  const double w = (fitted.right - fitted.left) * zoom, h = (fitted.top - fitted.bottom) * zoom;
  const tessaly::ViewBox zoomed{cx - w / 2, cy + h / 2, cx + w / 2, cy - h / 2};
  for (const tessaly::ViewBox* view : {static_cast<const tessaly::ViewBox*>(nullptr), &zoomed}) {
    const tessaly::DisplayList d =
        tessaly::DrawStepPicture(record, {.shown = shown, .view = view, .width = 200, .height = 150});
    if (!d.hasView) std::abort();
  }
  return 0;
}
