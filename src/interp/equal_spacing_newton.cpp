// Newton's forward and backward formulas on equally spaced nodes: the table of finite
// differences and the polynomial written with the differences at the head (forward) or
// the tail (backward) of the table. The step is x1 - x0; the spacing is not checked.
#include <cmath>
#include <string>
#include <vector>

#include "common/text_builder.h"
#include "common/text_util.h"
#include "interp/difference_table.h"
#include "interp/formula_text.h"
#include "interp/function_table.h"
#include "interp/interpolation.h"
#include "interp/run_skeleton.h"

namespace tessaly {
namespace {

void EqualSpacingNewton(MethodContext& ctx, bool forward) {
  const FunctionTable t = ParseFunctionTable(ctx.input);
  if (!CheckTableOrTell(ctx, t, 3)) return;
  if (!SquareTableFitsOrTell(ctx, t.x.size())) return;
  const int n = t.Last();
  const std::vector<double>& x = t.x;

  SkippedSteps steps;
  double h = 0;
  steps.Set(h, x[1] - x[0]);
  DifferenceTable dt(n);
  for (int i = 0; i <= n; ++i) {
    dt(i, 0) = x[i];
    dt(i, 1) = t.y[i];
  }
  for (int k = 2; k <= n + 1; ++k)
    for (int i = k - 1; i <= n; ++i) steps.Set(dt(i, k), dt(i, k - 1) - dt(i - 1, k - 1));

  // Term t: the t-th difference at the head (or tail) over h^t t!, times the factors of
  // the first (or last) t nodes. A term whose coefficient cannot be computed is left out.
  TextBuilder built, product;
  built << (forward ? t.y[0] : t.y[n]);
  for (int k = 1; k <= n; ++k) {
    product << "*(x-" << (forward ? x[k - 1] : x[n - k + 1]) << ")";
    const double difference = forward ? dt(k, k + 1) : dt(n, k + 1);
    if (const auto c = steps.Quotient(difference, std::pow(h, k) * Factorial(k)))
      built << "+" << *c << product.Text();
  }
  std::string formula = CleanUpA(built.Text());

  TextBuilder report;
  report << t.echo << kCrLf << "差分表输出如下：" << dt.Text(" 阶差分") << kCrLf << "得出 " << n
         << (forward ? " 次牛顿向前插值多项式为：" : " 次牛顿向后插值多项式为：") << kCrLf
         << " N(x)=" << formula << kCrLf;
  ctx.result.SetText(report.Text());
  TellSkippedSteps(ctx, steps);

  EvaluationPrompt prompt;
  if (forward) {
    prompt.firstLine = "想要求出f(x)在x=？处的近似值吗(牛顿前插公式计算表头值比较准确)？";
    prompt.title = "牛顿前插公式";
    prompt.defaultText = "0";
  } else {
    prompt.firstLine = "想要求出f(x)在x=？处的近似值吗(牛顿后插公式计算表尾值比较准确)？";
    prompt.title = "牛顿后插公式";
    prompt.defaultText = "1";
  }
  if (const auto at = AskEvaluationPoint(ctx.dialogs, prompt)) {
    const double value = EvaluateBuiltFormula(formula, *at);
    ctx.result.Append(EvaluationLine("N", *at, value));
  }
  OfferFormulaPlot(ctx, formula, x.front(), x.back());
}

}  // namespace

double Factorial(int k) {
  double f = 1;
  for (int i = 2; i <= k; ++i) f = i * f;
  return f;
}

void cINPreNewton(MethodContext& ctx) { EqualSpacingNewton(ctx, true); }
void cINPostNewton(MethodContext& ctx) { EqualSpacingNewton(ctx, false); }

}  // namespace tessaly
