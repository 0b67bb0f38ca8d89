// Newton's tangent method with a derivative typed by the user.
#include <cmath>
#include <string>

#include "common/text_util.h"
#include "pictures/step_record.h"
#include "roots/roots.h"
#include "roots/roots_common.h"

namespace tessaly {
namespace {

using roots::ReportText;

constexpr int kMaxSteps = 100;

}  // namespace

void CalculateNewton(MethodContext& ctx) {
  Dialogs& dialogs = ctx.dialogs;
  const std::string typed(TrimBlanks(ctx.input));
  ctx.result.Clear();
  std::optional<std::string> derivativeTyped =
      roots::AskText(dialogs, "输入此方程式的导数方程式", "输入导数方程", "x");
  if (!derivativeTyped) return;
  std::optional<double> start = roots::AskNumber(dialogs, "输入计算初值x0", "输入初值", "0");
  if (!start) return;
  std::optional<double> precision = roots::AskNumber(dialogs, "输入计算精度", "输入精度", "0.0001");
  if (!precision) return;
  double x0 = *start;
  const double eps = *precision;

  ReportText line;
  line << "方程的导数方程式: " << *derivativeTyped << "      初值x0 = " << x0 << "      计算精度 "
       << eps << kCrLf << kCrLf;
  ctx.result.Append(line.Text());
  std::string canonical = NormalizeFormula(typed);
  const Formula f(canonical);
  StepRecord* record = ctx.stepRecord;
  if (record) record->Begin(StepMethod::Newton, std::move(canonical), x0);
  const Formula derivative(NormalizeFormula(*derivativeTyped));

  // The values of the last completed step; 0 and 0 when none was completed.
  double x = 0;
  double fnew = 0;
  int i = 0;
  while (true) {
    std::optional<double> fx = roots::EvaluateInStep(f, x0, dialogs);
    if (!fx) return;
    std::optional<double> d = roots::EvaluateInStep(derivative, x0, dialogs);
    if (!d) return;
    ++i;
    if (*d == 0 || i > kMaxSteps) {
      dialogs.MsgBox("方法失败，在此精度下无根！");
      break;
    }
    const double next = x0 - *fx / *d;
    std::optional<double> fnext = roots::EvaluateInStep(f, next, dialogs);
    if (!fnext) return;
    x = next;
    fnew = *fnext;
    line.Clear();
    line << " x" << i << "=" << x << "    f(x" << i << ")=" << fnew << "    |x" << i << "-x"
         << i - 1 << "|=" << std::fabs(x - x0) << kCrLf;
    if (record) {
      IterationStep step;
      step.from = x0, step.fFrom = *fx, step.slope = *d, step.x = x, step.fx = fnew;
      record->Add(step, ctx.result.Text().size());
    }
    ctx.result.Append(line.Text());
    x0 = x;
    if (std::fabs(fnew) <= eps && StepRecord::Settle(record)) break;
  }

  line.Clear();
  line << kCrLf << " x=" << x << "    f(x)=" << fnew;
  ctx.result.Append(line.Text());
}

}  // namespace tessaly
