// The secant method: each new point is where the chord through the two previous points
// meets the axis.
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

void CalculateXianJie(MethodContext& ctx) {
  Dialogs& dialogs = ctx.dialogs;
  std::string canonical = NormalizeFormula(TrimBlanks(ctx.input));
  const Formula f(canonical);
  ctx.result.Clear();
  std::optional<double> lower = roots::AskNumber(dialogs, "区间下界", "输入数值", "0");
  if (!lower) return;
  std::optional<double> upper = roots::AskNumber(dialogs, "区间上界", "输入数值", "1");
  if (!upper) return;
  std::optional<double> valuePrecision =
      roots::AskNumber(dialogs, "函数值精度", "输入精度", "0.0001");
  if (!valuePrecision) return;
  std::optional<double> stepPrecision =
      roots::AskNumber(dialogs, "函数根迭代精度", "输入精度", "0.0001");
  if (!stepPrecision) return;
  StepRecord* record = ctx.stepRecord;
  if (record) record->Begin(StepMethod::Secant, std::move(canonical), *lower, *upper);
  const double eps1 = *valuePrecision;
  const double eps2 = *stepPrecision;

  ReportText line;
  line << " 区间:[" << *lower << "  ,  " << *upper << "]        函数值精度 " << eps1
       << "   根迭代精度 " << eps2 << kCrLf << kCrLf;
  ctx.result.Append(line.Text());

  double xcur = *lower;
  double xnew = *upper;
  double fnew = 0;
  int i = 0;
  while (true) {
    const double xprev = xcur;
    xcur = xnew;
    std::optional<double> fprev = roots::EvaluateInStep(f, xprev, dialogs);
    if (!fprev) return;
    std::optional<double> fcur = roots::EvaluateInStep(f, xcur, dialogs);
    if (!fcur) return;
    // Equal function values give an infinite or not-a-number point; the run goes on to
    // its stopping test or its cap.
    xnew = xcur - (xcur - xprev) * *fcur / (*fcur - *fprev);
    std::optional<double> fx = roots::EvaluateInStep(f, xnew, dialogs);
    if (!fx) return;
    fnew = *fx;
    ++i;
    line.Clear();
    line << " x" << i << "=" << xnew << "    f(x" << i << ")=" << fnew << kCrLf;
    if (record) {
      IterationStep step;
      step.a = xprev, step.fa = *fprev, step.b = xcur, step.fb = *fcur;
      step.x = xnew, step.fx = fnew;
      record->Add(step, ctx.result.Text().size());
    }
    ctx.result.Append(line.Text());
    if (i > kMaxSteps) {
      dialogs.MsgBox("方法失败，或许在此精度下无根！");
      break;
    }
    if ((std::fabs(fnew) < eps1 || std::fabs(xnew - xcur) < eps2) && StepRecord::Settle(record))
      break;
  }

  line.Clear();
  line << kCrLf << "迭代" << i << "次"
       << "   解x=" << xnew << "     f(x)=" << fnew;
  ctx.result.Append(line.Text());
}

}  // namespace tessaly
