// Fixed-point iteration x = phi(x) and its two accelerations: a factor q, and Aitken's
// extrapolation from two plain steps.
#include <cmath>
#include <string>

#include "common/text_util.h"
#include "pictures/step_record.h"
#include "roots/roots.h"
#include "roots/roots_common.h"

namespace tessaly {
namespace {

using roots::ReportText;

constexpr int kIterativeMaxSteps = 100;
constexpr int kSpeedUpMaxSteps = 50;
constexpr int kAitkenMaxSteps = 100;

constexpr std::string_view kNoRootMessage = "本方法在此初值、精度下无根！";

// The closing line of the accelerated methods: steps taken, the solution and f there.
void AppendSolutionSummary(MethodContext& ctx, int steps, double x) {
  ReportText summary;
  summary << kCrLf << "迭代" << steps << "次"
          << "   解x=" << x << "     f(x)=" << roots::InputFormulaValue(ctx.input, x);
  ctx.result.Append(summary.Text());
}

}  // namespace

void CalculateIterative(MethodContext& ctx) {
  Dialogs& dialogs = ctx.dialogs;
  std::optional<std::string> phiTyped =
      roots::AskText(dialogs, "输入函数方程式等价的迭代方程式(即x=)：", "输入迭代方程", "x");
  if (!phiTyped) return;
  std::optional<double> start = roots::AskIterationStart(dialogs);
  if (!start) return;
  std::optional<double> precision = roots::AskIterationPrecision(dialogs);
  if (!precision) return;
  double x0 = *start;
  const double eps = *precision;

  ReportText line;
  line << "函数方程式等价的迭代方程式为:" << *phiTyped << "    精度=" << eps << kCrLf << kCrLf
       << " x0=" << x0 << kCrLf;
  ctx.result.SetText(line.Text());
  std::string canonical = NormalizeFormula(*phiTyped);
  const Formula phi(canonical);
  StepRecord* record = ctx.stepRecord;
  if (record) record->Begin(StepMethod::FixedPoint, std::move(canonical), x0);

  double x = 0;
  int i = 0;
  while (true) {
    std::optional<double> next = roots::EvaluateInStep(phi, x0, dialogs);
    if (!next) return;
    x = *next;
    const double xold = x0;
    x0 = x;
    ++i;
    const double change = std::fabs(x - xold);
    line.Clear();
    line << " x" << i << " = " << x << "  |x" << i << "-"
         << "x" << i - 1 << "|"
         << " = " << change << kCrLf;
    if (record) {
      IterationStep step;
      step.from = xold, step.x = x;
      record->Add(step, ctx.result.Text().size());
    }
    ctx.result.Append(line.Text());
    if (change < eps && StepRecord::Settle(record)) break;
    if (i >= kIterativeMaxSteps) {
      dialogs.MsgBox("此法不合适，可能是迭代方程式不收敛。");
      break;
    }
  }

  line.Clear();
  line << kCrLf << "迭代 " << i << " 次; "
       << "  结果x= " << x << "    f(x)=" << roots::InputFormulaValue(ctx.input, x);
  ctx.result.Append(line.Text());
}

void IterativeSpeedUp(MethodContext& ctx) {
  Dialogs& dialogs = ctx.dialogs;
  std::optional<std::string> phiTyped =
      roots::AskText(dialogs, "输入函数方程式迭代的方程式：", "输入迭代的方程式", "x");
  if (!phiTyped) return;
  std::optional<double> start = roots::AskIterationStart(dialogs);
  if (!start) return;
  std::optional<double> factor =
      roots::AskNumber(dialogs, "输入函数方程式迭代的因子0<q<1：", "输入迭代的因子值", "0.45");
  if (!factor) return;
  const double q = *factor;
  if (!(q > 0 && q < 1)) {
    dialogs.MsgBox("迭代的因子值有误！迭代的因子q范围0<q<1");
    return;
  }
  std::optional<double> precision = roots::AskIterationPrecision(dialogs);
  if (!precision) return;
  double x0 = *start;
  const double eps = *precision;

  const std::string phiCanonical = NormalizeFormula(*phiTyped);
  const Formula phi(phiCanonical);
  StepRecord* record = ctx.stepRecord;
  if (record) record->Begin(StepMethod::FixedPointSpeedUp, phiCanonical, x0);
  ReportText line;
  line << "函数方程式的迭代方程式: " << phiCanonical << "    初值x0=" << x0 << "    精度e=" << eps
       << "    迭代的因子q=" << q << kCrLf << kCrLf;
  ctx.result.SetText(line.Text());

  double x = 0;
  int i = 0;
  while (true) {
    std::optional<double> plain = roots::EvaluateInStep(phi, x0, dialogs);
    if (!plain) return;
    const double y = *plain;
    x = y / (1 - q) - q * x0 / (1 - q);
    ++i;
    const double change = std::fabs(y - x0);
    line.Clear();
    line << " x" << i << "1=" << y << "       x" << i << "2=" << x << "     |x" << i << "-x"
         << i - 1 << "|=" << change << kCrLf;
    if (record) {
      IterationStep step;
      step.from = x0, step.x = y, step.accelerated = x;
      record->Add(step, ctx.result.Text().size());
    }
    ctx.result.Append(line.Text());
    if (change < eps && StepRecord::Settle(record)) break;
    // The plain iterate, not the accelerated value, carries the iteration on.
    x0 = y;
    if (i >= kSpeedUpMaxSteps) {
      dialogs.MsgBox(kNoRootMessage);
      break;
    }
  }
  AppendSolutionSummary(ctx, i, x);
}

void CalculateAitken(MethodContext& ctx) {
  Dialogs& dialogs = ctx.dialogs;
  std::optional<std::string> phiTyped =
      roots::AskText(dialogs, "输入函数方程式迭代的方程式：", "输入迭代的方程式", "x");
  if (!phiTyped) return;
  std::optional<double> start = roots::AskIterationStart(dialogs);
  if (!start) return;
  std::optional<double> precision = roots::AskIterationPrecision(dialogs);
  if (!precision) return;
  double x0 = *start;
  const double eps = *precision;

  ReportText line;
  line << "函数方程式迭代的方程式: " << *phiTyped << "    初值x0=" << x0 << "    精度e=" << eps
       << kCrLf << kCrLf;
  ctx.result.SetText(line.Text());
  std::string canonical = NormalizeFormula(*phiTyped);
  const Formula phi(canonical);
  StepRecord* record = ctx.stepRecord;
  if (record) record->Begin(StepMethod::Aitken, std::move(canonical), x0);

  double extrapolated = 0;
  int i = 0;
  while (true) {
    std::optional<double> x1 = roots::EvaluateInStep(phi, x0, dialogs);
    if (!x1) return;
    std::optional<double> x2 = roots::EvaluateInStep(phi, *x1, dialogs);
    if (!x2) return;
    // A zero denominator (phi already fixed at x0) gives not-a-number, which the
    // stopping test never accepts; the cap then ends the run.
    extrapolated = (*x2 * x0 - *x1 * *x1) / (x0 + (*x2 - 2 * *x1));
    ++i;
    const double change = std::fabs(extrapolated - x0);
    line.Clear();
    line << " x" << i << "1=" << *x1 << "     x" << i << "2=" << *x2 << "     x" << i << "="
         << extrapolated << "     |x" << i << "-x" << i - 1 << "|=" << change << kCrLf;
    if (record) {
      IterationStep step;
      step.from = x0, step.a = *x1, step.b = *x2, step.x = step.accelerated = extrapolated;
      record->Add(step, ctx.result.Text().size());
    }
    ctx.result.Append(line.Text());
    if (change < eps && StepRecord::Settle(record)) break;
    x0 = extrapolated;
    if (i >= kAitkenMaxSteps) {
      dialogs.MsgBox(kNoRootMessage);
      break;
    }
  }
  AppendSolutionSummary(ctx, i, extrapolated);
}

}  // namespace tessaly
