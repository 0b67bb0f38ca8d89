// Bisection: halve the starting interval until its width or |f| at the midpoint falls to
// the precision.
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

// Whether f(a) times f(c) is 0 or more, decided by the signs so that a product that would
// overflow or underflow still picks the right half. Not-a-number picks the lower half.
bool SameSideOrZero(double fa, double fc) {
  if (std::isnan(fa) || std::isnan(fc)) return false;
  if (fa == 0 || fc == 0) return true;
  return (fa > 0) == (fc > 0);
}

// Both nonzero, finite and of one sign: the interval need not hold a root.
bool SameSignNonZero(double fa, double fb) {
  if (!std::isfinite(fa) || !std::isfinite(fb) || fa == 0 || fb == 0) return false;
  return (fa > 0) == (fb > 0);
}

constexpr std::string_view kNoSignChangeWarning =
    "初始区间两端的函数值同号，此区间内不一定有根，以上结果不可信！";

}  // namespace

void CalculateDichotomy(MethodContext& ctx) {
  Dialogs& dialogs = ctx.dialogs;
  std::string_view typed = TrimBlanks(ctx.input);
  std::optional<double> lower =
      roots::AskNumber(dialogs, "输入函数方程式迭代的初值下界：", "输入初值", "0");
  if (!lower) return;
  std::optional<double> upper =
      roots::AskNumber(dialogs, "输入函数方程式迭代的初值上界：", "输入初值", "1");
  if (!upper) return;
  std::optional<double> precision = roots::AskIterationPrecision(dialogs);
  if (!precision) return;
  ctx.result.Clear();
  std::string canonical = NormalizeFormula(typed);
  const Formula f(canonical);
  StepRecord* record = ctx.stepRecord;
  if (record) record->Begin(StepMethod::Bisection, std::move(canonical), *lower, *upper);
  double a = *lower;
  double b = *upper;
  const double eps = *precision;

  ReportText line;
  line << " 初始隔根区间： [" << a << "  ,  " << b << "]"
       << "       精度为：" << eps << kCrLf << kCrLf;
  ctx.result.Append(line.Text());

  double fLower = 0;  // f at the typed lower bound: f(a) of the first step
  for (int i = 1;; ++i) {
    std::optional<double> fa = roots::EvaluateInStep(f, a, dialogs);
    if (!fa) return;
    if (i == 1) fLower = *fa;
    const double c = (a + b) / 2;
    std::optional<double> fc = roots::EvaluateInStep(f, c, dialogs);
    if (!fc) return;
    IterationStep step;
    if (record) step.a = a, step.b = b, step.x = c, step.fx = *fc;
    if (SameSideOrZero(*fa, *fc)) {
      a = c;
    } else {
      b = c;
    }
    line.Clear();
    line << " x" << i << " = " << c << "   f(x" << i << ")=" << *fc << "        隔根区间： [" << a
         << "  ,  " << b << "]" << kCrLf;
    if (record) record->Add(step, ctx.result.Text().size());
    ctx.result.Append(line.Text());
    if (i > kMaxSteps) {
      dialogs.MsgBox("此区间在此精度下无根！");
      break;
    }
    // b - a keeps its sign: a start with a > b stops after the first step.
    if ((b - a <= eps || std::fabs(*fc) <= eps) && StepRecord::Settle(record)) break;
  }
  // The steps never look at the sign of f at the typed upper bound. When both typed ends
  // have one sign the last line is no root the steps have bracketed: say so.
  if (SameSignNonZero(fLower, f.Evaluate(*upper)))
    dialogs.MsgBox(kNoSignChangeWarning, MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace tessaly
