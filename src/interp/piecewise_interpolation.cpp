// Piecewise interpolation: a line per node interval, or a parabola per three neighbouring
// nodes. Each piece is printed as its own formula; a typed x is evaluated with the piece
// that belongs to it.
#include <string>
#include <vector>

#include "common/text_builder.h"
#include "common/text_util.h"
#include "common/work_guard.h"
#include "interp/formula_text.h"
#include "interp/function_table.h"
#include "interp/interpolation.h"
#include "interp/run_skeleton.h"

namespace tessaly {
namespace {

bool Between(double x, double a, double b) { return (a <= x && x <= b) || (b <= x && x <= a); }

// The piece for x among pieces 1 .. last, where piece i covers [x(i-1), x(i+span-1)]:
// x <= x1 takes piece 1, x at or past x(last) the last piece; between, x takes the piece
// of the interval to its left up to the midpoint of [xi, x(i+1)], and the next piece from
// there on. The rule assumes increasing nodes; when it finds nothing (nodes in another
// order), the first piece whose interval holds x is taken, else piece 1.
int ChoosePiece(double x, const std::vector<double>& nodes, int last, int span) {
  if (x <= nodes[1]) return 1;
  if (x >= nodes[last]) return last;
  const int n = static_cast<int>(nodes.size()) - 1;
  for (int i = 1; i <= n - 1; ++i) {
    const double m = (nodes[i] + nodes[i + 1]) / 2;
    if (nodes[i] < x && x <= m) return i;
    if (m < x && x <= nodes[i + 1]) return i + 1 <= last ? i + 1 : last;
  }
  for (int i = 1; i <= last; ++i)
    if (Between(x, nodes[i - 1], nodes[i - 1 + span])) return i;
  return 1;
}

// The evaluation prompt and line of the piecewise methods.
void EvaluatePiece(MethodContext& ctx, const std::vector<std::string>& pieces,
                   const std::vector<double>& nodes, int last, int span) {
  const auto at = AskEvaluationPoint(ctx.dialogs);
  if (!at) return;
  std::string piece = pieces[ChoosePiece(*at, nodes, last, span)];
  const double value = EvaluateBuiltFormula(piece, *at);
  ctx.result.Append((TextBuilder() << kCrLf << "函数式 F(x) 在 x=" << *at << " 的近似值为："
                                   << kCrLf << "    F(" << *at << ")=" << value << kCrLf)
                        .Text());
}

}  // namespace

void cSubsectionLInS(MethodContext& ctx) {
  const FunctionTable t = ParseFunctionTable(ctx.input);
  if (!CheckTableOrTell(ctx, t, 2)) return;
  if (!TableFitsOrTell(ctx, t.x.size())) return;
  const int n = t.Last();
  const std::vector<double>& x = t.x;
  TextBuilder report;
  report << t.echo << kCrLf << kCrLf << "各个区间的线性插值函数输出如下：" << kCrLf << kCrLf;

  SkippedSteps steps;
  std::vector<std::string> pieces(n + 1);  // pieces 1 .. n
  double g = 0, h = 0;  // a coefficient that cannot be computed keeps the previous piece's
  for (int i = 1; i <= n; ++i) {
    const double a = x[i - 1], b = x[i];
    steps.SetQuotient(g, t.y[i - 1], a - b);
    steps.SetQuotient(h, t.y[i], b - a);
    pieces[i] =
        CleanUpB((TextBuilder() << g << "*(x-" << b << ")+" << h << "*(x-" << a << ")").Text());
    report << "区间[" << a << "," << b << "]的线性插值函数是：" << kCrLf << "    F(x)=" << pieces[i]
           << kCrLf << kCrLf;
  }
  ctx.result.SetText(report.Text());
  TellSkippedSteps(ctx, steps);

  EvaluatePiece(ctx, pieces, x, n, 1);
  OfferPiecesPlot(ctx, pieces, x, 2);
}

void cSubsectionPInS(MethodContext& ctx) {
  const FunctionTable t = ParseFunctionTable(ctx.input);
  if (!CheckTableOrTell(ctx, t, 3)) return;
  if (!TableFitsOrTell(ctx, t.x.size())) return;
  const int n = t.Last();
  const std::vector<double>& x = t.x;
  TextBuilder report;
  report << t.echo << kCrLf << kCrLf << "各个区间的抛物插值函数输出如下：" << kCrLf << kCrLf;

  SkippedSteps steps;
  std::vector<std::string> pieces(n);  // pieces 1 .. n-1
  double ka = 0, kb = 0, kc = 0;
  for (int i = 1; i <= n - 1; ++i) {
    const double a = x[i - 1], b = x[i], c = x[i + 1];
    steps.SetQuotient(ka, t.y[i - 1], (a - b) * (a - c));
    steps.SetQuotient(kb, t.y[i], (b - a) * (b - c));
    steps.SetQuotient(kc, t.y[i + 1], (c - a) * (c - b));
    TextBuilder piece;
    piece << ka << "*(x-" << b << ")*(x-" << c << ")+" << kb << "*(x-" << a << ")*(x-" << c << ")+"
          << kc << "*(x-" << a << ")*(x-" << b << ")";
    pieces[i] = CleanUpB(piece.Text());
    report << "区间[" << a << "," << c << "]的抛物插值函数是：" << kCrLf << "    F(x)=" << pieces[i]
           << kCrLf << kCrLf;
  }
  ctx.result.SetText(report.Text());
  TellSkippedSteps(ctx, steps);

  EvaluatePiece(ctx, pieces, x, n - 1, 2);
  OfferPiecesPlot(ctx, pieces, x, 3);
}

}  // namespace tessaly
