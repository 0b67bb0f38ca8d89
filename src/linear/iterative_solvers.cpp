// The stationary iterations: Jacobi, Gauss-Seidel and successive over-relaxation. They
// share one skeleton: ask the precision, the order, the initial vector (and w), sweep until
// two successive iterates agree within the precision or 1000 sweeps have passed, then
// print the system, the number of sweeps and the solution.
#include <cmath>
#include <string>

#include "common/assign.h"
#include "common/chart_run.h"
#include "common/number_text.h"
#include "common/text_util.h"
#include "common/work_guard.h"
#include "linear/elimination.h"
#include "linear/factorisation.h"
#include "linear/matrix_echo.h"
#include "linear/matrix_reader.h"
#include "linear/order_question.h"
#include "linear/report_pieces.h"
#include "linear/residual_check.h"

namespace tessaly {
namespace {

using namespace linear_report;
using elimination_detail::EliminationSteps;

enum class Sweep { Jacobi, GaussSeidel, Sor };

struct IterationTexts {
  std::string_view zeroDiagonal;
  std::string_view sweepLimit;
  std::string_view closing;
};

IterationTexts TextsOf(Sweep kind) {
  switch (kind) {
    case Sweep::Jacobi:
      return {"此方法不合适,请选择其他方法!", "本方法不适合解此线形方程组，请用其他方法再试一下!",
              "Jacobi迭代法解线性方程组"};
    case Sweep::GaussSeidel:
      return {"此方法不合适,请选择其他方！", "本方法不适合解此线形方程组，请用其他方法再试一下！",
              "Gauss-Seidel迭代法解线性方程组"};
    case Sweep::Sor:
      break;
  }
  return {"此方法不合适,请选择其他方法！", "本方法不适合解此线形方程组，请用其他方法再试一下！",
          "逐次超松弛(SOR)迭代法解线性方程组"};
}

constexpr int kSweepLimit = 1000;

void Iterate(MethodContext& ctx, Sweep kind) {
  const IterationTexts texts = TextsOf(kind);
  Dialogs& dialogs = ctx.dialogs;
  ctx.result.Clear();

  // A reply too large for a double fails to read and leaves its variable as it was.
  double e = 0;
  SetIfFinite(e, LeadingNumber(dialogs.InputBox("输入迭代精度 e：", "确定迭代精度", "1E-05")));
  if (e > 0.1) {
    // No asks again, until the user accepts the coarse precision.
    while (dialogs.MsgBox("精度设置不好，确实要这样设置，将会导致结果运算误差太大。",
                          MsgButtons::YesNo, MsgIcon::Question, "精度设置提示",
                          MsgDefault::Second) != MsgResult::Yes) {
    }
  }
  auto order = AskOrder(dialogs, "输入数组的阶数 n：", "输入数据", "0");
  if (!order) return;
  const int n = *order;
  // At most kSweepLimit sweeps of n·n steps each.
  if (!FitsOrTell(ctx, MatrixDoubles(n, n + 1) + 2 * static_cast<uint64_t>(n + 1),
                  kSweepLimit * MatrixDoubles(n, n)))
    return;

  Matrix ab(n, n + 1);
  ReadMatrixText(ab, n, ctx.input);
  Vector x0(n), x(n);
  for (int i = 1; i <= n; ++i) {
    std::string prompt = "请给出解x0(" + PlainIntegerText(i) + ")的初始值:";
    SetIfFinite(x0(i), LeadingNumber(dialogs.InputBox(prompt, "输入初始值", "0")));
  }
  double w = 1;
  if (kind == Sweep::Sor) {
    SetIfFinite(w, LeadingNumber(dialogs.InputBox(
        "当0<w<1 时，称为低松弛迭代法(SUR法)\r\n当w>1 时，称为高松弛迭代法(SOR法)\r\n"
        "当w=1 时，即为高斯—塞德耳迭代法",
        "输入松弛因子 w ,默认w=1。", "1")));
    if (w <= 0) w = 1;
  }

  ChartRun* chart = ctx.chartRun;
  if (chart) {
    std::string name = kind == Sweep::Jacobi        ? "Jacobi"
                       : kind == Sweep::GaussSeidel ? "Gauss-Seidel"
                                                    : "SOR ω=" + PlainNumberText(w);
    chart->Begin(ChartKind::Change, ctx.input, std::move(name), e);
  }

  x = x0;
  int k = 0;
  for (;;) {
    ReportProgress(ctx.progress, k, 0);  // sweeps: the total is unknown
    for (int i = 1; i <= n; ++i) {
      const double* row = ab.Row(i);  // row[j - 1] = A(i, j)
      double s = 0;
      for (int j = 1; j <= n; ++j) {
        // Jacobi uses only the previous iterate; Gauss-Seidel this sweep's values where it
        // has them; SOR this sweep's values before the diagonal and the previous ones from it.
        const double xj = kind == Sweep::Jacobi || (kind == Sweep::Sor && j >= i) ? x0(j) : x(j);
        s += row[j - 1] * xj;
      }
      const double diagonal = row[i - 1];
      if (diagonal == 0) {
        dialogs.MsgBox(texts.zeroDiagonal);
        return;
      }
      const double start = kind == Sweep::GaussSeidel ? x(i) : x0(i);
      const double next = start + w * (row[n] - s) / diagonal;
      // Iterates that overflow belong to a diverging iteration: it would never settle.
      if (!std::isfinite(next)) {
        dialogs.MsgBox(texts.sweepLimit);
        return;
      }
      x(i) = next;
    }
    bool converged = true;
    for (int i = 1; i <= n && converged; ++i) converged = std::fabs(x(i) - x0(i)) <= e;
    ++k;
    if (chart) {
      double change = 0;
      for (int i = 1; i <= n; ++i) change = std::fmax(change, std::fabs(x(i) - x0(i)));
      chart->Add(k, change);
    }
    if (k > kSweepLimit) {
      dialogs.MsgBox(texts.sweepLimit);
      return;
    }
    if (converged) break;
    x0 = x;
  }

  std::string out;
  AppendMatrixEcho(out, ab, n, n + 1, "  ");
  if (kind == Sweep::Sor) {
    out.append(kCrLf).append("松弛因子 w=");
    AppendPlainNumberText(out, w);
  }
  out.append(kCrLf).append("迭代").append(PlainIntegerText(k)).append("次 ， 求得方程组的解为：");
  out.append(kCrLf);
  for (int i = 1; i <= n; ++i) {
    AppendIndexedValue(out, "x", i, x(i), ctx.digits);
    out.append(kCrLf);
  }
  out.append(kCrLf).append(texts.closing);
  ctx.result.Append(out);
  CheckSolutionOrWarn(ctx.dialogs, ab, n, x,
                      {.digits = ctx.digits, .precision = e, .relaxation = w});
}

}  // namespace

void JacobiDie(MethodContext& ctx) { Iterate(ctx, Sweep::Jacobi); }
void Gauss_SeidelDie(MethodContext& ctx) { Iterate(ctx, Sweep::GaussSeidel); }
void SorDie(MethodContext& ctx) { Iterate(ctx, Sweep::Sor); }

}  // namespace tessaly
