#include "pictures/residual_run.h"

#include <cmath>

namespace tessaly {
namespace {

const char* NameOf(StepMethod m) {
  switch (m) {
    case StepMethod::Bisection: return "二分法";
    case StepMethod::FixedPoint: return "简单迭代法";
    case StepMethod::FixedPointSpeedUp: return "迭代加速法";
    case StepMethod::Aitken: return "Aitken加速法";
    case StepMethod::Newton: return "Newton法";
    case StepMethod::Secant: return "弦截法";
    case StepMethod::None: break;
  }
  return "";
}

}  // namespace

ChartRun ResidualRun(const StepRecord& record, std::string problem) {
  ChartRun run;
  if (record.method == StepMethod::None || record.steps.empty()) return run;
  run.Begin(ChartKind::Residual, std::move(problem), NameOf(record.method));
  const bool fixedPoint = record.method == StepMethod::FixedPoint ||
                          record.method == StepMethod::FixedPointSpeedUp ||
                          record.method == StepMethod::Aitken;
  for (size_t k = 0; k < record.steps.size(); ++k) {
    const IterationStep& s = record.steps[k];
    run.Add(static_cast<double>(k + 1), fixedPoint ? std::fabs(s.x - s.from) : std::fabs(s.fx));
  }
  return run;
}

}  // namespace tessaly
