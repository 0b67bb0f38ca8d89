// Interpolating polynomials written out as textbook formulas with the numbers filled in:
// linear and parabolic interpolation through the first points, the Lagrange and Newton
// polynomials through all points, and Hermite interpolation of values and derivatives.
// A formula is never simplified; it is evaluated as the text it is.
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/text_builder.h"
#include "common/text_util.h"
#include "interp/difference_table.h"
#include "interp/formula_text.h"
#include "interp/function_table.h"
#include "interp/interpolation.h"
#include "interp/run_skeleton.h"

namespace tessaly {
namespace {

// "(x-" & xj & ")" for every node, formatted once.
std::vector<std::string> NodeFactors(const std::vector<double>& x) {
  std::vector<std::string> factors;
  factors.reserve(x.size());
  for (double xj : x) factors.push_back((TextBuilder() << "(x-" << xj << ")").Take());
  return factors;
}

// The Lagrange weight of node i: the product of (xi - xj) over j != i. A factor that
// overflows is skipped and the product keeps what it held.
double Weight(const std::vector<double>& x, size_t i, SkippedSteps& steps) {
  double w = 1;
  for (size_t j = 0; j < x.size(); ++j)
    if (j != i) steps.Set(w, w * (x[i] - x[j]));
  return w;
}

// Appends the Lagrange basis text of node i: the factors of every other node joined by
// "*".
void AppendBasis(TextBuilder& out, const std::vector<std::string>& factors, size_t i) {
  bool first = true;
  for (size_t j = 0; j < factors.size(); ++j) {
    if (j == i) continue;
    if (!first) out << "*";
    first = false;
    out << factors[j];
  }
}

// Removes the last character (the "+" after the last term), when there is one.
std::string DropLast(std::string s) {
  if (!s.empty()) s.pop_back();
  return s;
}

}  // namespace

void cLinerInsert(MethodContext& ctx) {
  const TwoPointTable t = ReadTwoPointTable(ctx.input);
  SkippedSteps steps;
  double a = 0, b = 0;
  steps.SetQuotient(a, t.y0, t.x0 - t.x1);
  steps.SetQuotient(b, t.y1, t.x1 - t.x0);
  std::string formula =
      CleanUpB((TextBuilder() << a << "*(x-" << t.x1 << ")+" << b << "*(x-" << t.x0 << ")").Text());

  TextBuilder report;
  report << "  " << t.x0 << "    " << t.x1 << kCrLf << "  " << t.y0 << "    " << t.y1 << kCrLf
         << kCrLf << "以上是插值函数两点的函数表。" << kCrLf << kCrLf << "所求的线形插值函数为："
         << kCrLf << "     L(x)=" << formula << kCrLf << kCrLf;
  ctx.result.SetText(report.Text());
  TellSkippedSteps(ctx, steps);

  if (const auto x = AskEvaluationPoint(ctx.dialogs)) {
    const double value = EvaluateBuiltFormula(formula, *x);
    ctx.result.Append((TextBuilder() << "函数式 F(x) 在 " << *x << " 点上的线形插值的近似值为："
                                     << kCrLf << "    " << value)
                          .Text());
  }
  OfferFormulaPlot(ctx, formula, t.x0, t.x1);
}

void cParabolaInsert(MethodContext& ctx) {
  const FunctionTable t = ParseFunctionTable(ctx.input);
  if (!CheckTableOrTell(ctx, t, 3)) return;
  const std::vector<double>& x = t.x;
  const std::vector<double>& y = t.y;
  SkippedSteps steps;
  double c0 = 0, c1 = 0, c2 = 0;
  steps.SetQuotient(c0, y[0], (x[0] - x[1]) * (x[0] - x[2]));
  steps.SetQuotient(c1, y[1], (x[1] - x[0]) * (x[1] - x[2]));
  steps.SetQuotient(c2, y[2], (x[2] - x[0]) * (x[2] - x[1]));
  TextBuilder built;
  built << c0 << "*(x-" << x[1] << ")*(x-" << x[2] << ")+" << c1 << "*(x-" << x[0] << ")*(x-"
        << x[2] << ")+" << c2 << "*(x-" << x[0] << ")*(x-" << x[1] << ")";
  std::string formula = CleanUpA(built.Text());

  TextBuilder report;
  report << "  " << x[0] << "   " << x[1] << "   " << x[2] << kCrLf << "  " << y[0] << "   " << y[1]
         << "   " << y[2] << kCrLf << kCrLf << "以上是抛物线插值（即二次拉格朗日插值）的函数表。"
         << kCrLf << kCrLf << "所求的抛物线插值（即二次拉格朗日插值）的函数为：" << kCrLf
         << " L(x)=" << formula << kCrLf;
  ctx.result.SetText(report.Text());
  TellSkippedSteps(ctx, steps);

  if (const auto at = AskEvaluationPoint(ctx.dialogs)) {
    const double value = EvaluateBuiltFormula(formula, *at);
    ctx.result.Append(EvaluationLine("L", *at, value, false));
  }
  OfferFormulaPlot(ctx, formula, x[0], x[2]);
}

void cLagrangeInsert(MethodContext& ctx) {
  const FunctionTable t = ParseFunctionTable(ctx.input);
  if (!CheckTableOrTell(ctx, t, 3)) return;
  if (!SquareTableFitsOrTell(ctx, t.x.size())) return;
  const int n = t.Last();

  SkippedSteps steps;
  const std::vector<std::string> factors = NodeFactors(t.x);
  TextBuilder built;
  for (size_t i = 0; i < t.x.size(); ++i) {
    const double w = Weight(t.x, i, steps);
    // A term whose coefficient cannot be computed is left out.
    if (const auto c = steps.Quotient(t.y[i], w)) {
      built << *c << "*";
      AppendBasis(built, factors, i);
      built << "+";
    }
  }
  std::string formula = CleanUpA(DropLast(built.Take()));

  TextBuilder report;
  report << t.echo << kCrLf << "得出 " << n << " 次拉格朗日插值多项式为：" << kCrLf
         << " L(x)=" << formula << kCrLf;
  ctx.result.SetText(report.Text());
  TellSkippedSteps(ctx, steps);

  if (const auto at = AskEvaluationPoint(ctx.dialogs)) {
    const double value = EvaluateBuiltFormula(formula, *at);
    ctx.result.Append(EvaluationLine("L", *at, value));
  }
  OfferFormulaPlot(ctx, formula, t.x.front(), t.x.back());
}

void cNewtonInsert(MethodContext& ctx) {
  const FunctionTable t = ParseFunctionTable(ctx.input);
  if (!CheckTableOrTell(ctx, t, 3)) return;
  if (!SquareTableFitsOrTell(ctx, t.x.size())) return;
  const int n = t.Last();
  const std::vector<double>& x = t.x;

  SkippedSteps steps;
  DifferenceTable dd(n);
  for (int i = 0; i <= n; ++i) {
    dd(i, 0) = x[i];
    dd(i, 1) = t.y[i];
  }
  for (int k = 2; k <= n + 1; ++k)
    for (int i = k - 1; i <= n; ++i)
      steps.SetQuotient(dd(i, k), dd(i, k - 1) - dd(i - 1, k - 1), x[i] - x[i - k + 1]);

  // Term k: the divided difference of order k at row k, times the factors of the first k
  // nodes.
  TextBuilder built, product;
  built << t.y[0];
  for (int k = 1; k <= n; ++k) {
    product << "*(x-" << x[k - 1] << ")";
    built << "+" << dd(k, k + 1) << product.Text();
  }
  std::string formula = CleanUpA(built.Text());

  TextBuilder report;
  report << t.echo << kCrLf << "差商表输出如下：" << dd.Text(" 阶差商") << kCrLf << "得出 " << n
         << " 次牛顿插值多项式为：" << kCrLf << " N(x)=" << formula << kCrLf;
  ctx.result.SetText(report.Text());
  TellSkippedSteps(ctx, steps);

  if (const auto at = AskEvaluationPoint(ctx.dialogs)) {
    const double value = EvaluateBuiltFormula(formula, *at);
    ctx.result.Append(EvaluationLine("N", *at, value));
  }
  OfferFormulaPlot(ctx, formula, x.front(), x.back());
}

void cHermite(MethodContext& ctx) {
  const FunctionTable t = ParseHermiteTable(ctx.input);
  if (!CheckTableOrTell(ctx, t, 3, kHermiteTableMessage, true)) return;
  if (!SquareTableFitsOrTell(ctx, t.x.size())) return;
  const int n = t.Last();
  const std::vector<double>& x = t.x;

  SkippedSteps steps;
  const std::vector<std::string> factors = NodeFactors(x);
  TextBuilder values, derivatives;  // the two halves of the formula
  for (size_t i = 0; i < x.size(); ++i) {
    const double w = Weight(x, i, steps);
    if (w == 0) steps.Note();  // written into the formula as a divisor
    TextBuilder square;        // "(" & Hi & ")^2", Hi = Li & "/(" & wi & ")"
    square << "(";
    AppendBasis(square, factors, i);
    square << "/(" << w << "))^2";
    double s = 0;  // the sum of 1 / (xi - xj) over j != i
    for (size_t j = 0; j < x.size(); ++j)
      if (j != i)
        if (const auto q = steps.Quotient(1, x[i] - x[j])) steps.Set(s, s + *q);
    values << t.y[i] << "*(1-2*(x-" << x[i] << ")*(" << s << "))*" << square.Text() << "+";
    derivatives << "+" << t.d[i] << "*(x-" << x[i] << ")*" << square.Text();
  }
  std::string formula = CleanUpA(DropLast(values.Take()) + derivatives.Text());

  TextBuilder report;
  report << t.echo << kCrLf << "得出 " << 2 * n + 1 << " 次埃尔米特插值多项式为：" << kCrLf
         << " H(x)=" << formula << "    " << kCrLf << kCrLf
         << "此为一般情形的埃尔米特插值，即指所满足的插值条件中，函数值的个数与导数值的个数相等。"
         << kCrLf;
  ctx.result.SetText(report.Text());
  TellSkippedSteps(ctx, steps);

  EvaluationPrompt prompt;
  prompt.trimReply = false;
  if (const auto at = AskEvaluationPoint(ctx.dialogs, prompt)) {
    const double value = EvaluateBuiltFormula(formula, *at);
    ctx.result.Append(EvaluationLine("H", *at, value));
  }
  OfferFormulaPlot(ctx, formula, x.front(), x.back());
}

}  // namespace tessaly
