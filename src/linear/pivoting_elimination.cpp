// Gaussian elimination with column pivoting and with full pivoting.
#include <cmath>
#include <utility>

#include "common/assign.h"
#include "common/number_text.h"
#include "common/text_util.h"
#include "common/work_guard.h"
#include "linear/elimination.h"
#include "linear/matrix_echo.h"
#include "linear/matrix_reader.h"
#include "linear/matrix_routines.h"
#include "linear/order_question.h"
#include "linear/residual_check.h"

namespace tessaly {

using namespace elimination_detail;

namespace {

constexpr std::string_view kSystemOrderPrompt = "输入方程组系数矩阵的阶数 n：";

// The report of both pivoting methods up to the solution label.
void AppendPivotedMatrices(std::string& out, const Matrix& a, const Matrix& b, int n, int d) {
  AppendMatrixEcho(out, a, n, n + 1, "  ");
  out += "\r\n输出方程组增广矩阵选主元、消元后的结果\r\n";
  AppendRoundedMatrix(out, b, n, n + 1, "  ", d);
}

}  // namespace

bool elimination_detail::EliminateWithColumnPivots(Matrix& B, int n, int places,
                                                   Progress* progress) {
  double m = 0;
  bool divided = true;
  for (int k = 1; k <= n; ++k) {
    ReportEliminationProgress(progress, k - 1, n);
    // The first of equally large candidates stays the pivot row.
    int p = k;
    for (int i = k + 1; i <= n; ++i)
      if (std::fabs(B(p, k)) < std::fabs(B(i, k))) p = i;
    if (p != k) {
      double* rk = B.Row(k);
      double* rp = B.Row(p);
      for (int j = k - 1; j <= n; ++j) std::swap(rk[j], rp[j]);  // columns k .. n + 1
    }
    if (!EliminateBelow(B, n, k, n + 1, places, m)) divided = false;
  }
  return divided;
}

bool EliminantFirst(Matrix& S, int m, int digits) {
  double f = 0;
  bool divided = true;
  const double* first = S.Row(1);
  for (int i = 2; i <= m; ++i) {
    double* row = S.Row(i);
    if (!SetIfFinite(f, row[0] / first[0])) divided = false;
    for (int j = 0; j <= m; ++j) SetIfFinite(row[j], Round(row[j] - f * first[j], digits + 1));
  }
  return divided;
}

void GaussTier(MethodContext& ctx) {
  ctx.result.Clear();
  auto order = AskOrder(ctx.dialogs, kSystemOrderPrompt);
  if (!order) return;
  const int n = *order;
  const uint64_t cells = static_cast<uint64_t>(n) * (n + 1);
  if (!FitsOrTell(ctx, 2 * cells + n, EliminationSteps(n))) return;
  const int d = ctx.digits;

  Matrix a(n, n + 1);
  Vector x(n);
  ReadMatrixText(a, n, TrimBlanks(ctx.input));
  Matrix b = a;

  bool divided = EliminateWithColumnPivots(b, n, d + 1, ctx.progress);
  if (!BackSubstitute(b, n, d + 1, x)) divided = false;

  std::string out;
  out.reserve(cells * 24 + 200);
  AppendPivotedMatrices(out, a, b, n, d);
  out += "\r\n输出求解结果\r\n";
  AppendSolution(out, x, n, d);
  out += "\r\nGauss列主元消去法解线性方程组";
  ctx.result.Append(out);
  if (!divided)
    WarnZeroPivot(ctx.dialogs);
  else
    CheckSolutionOrWarn(ctx.dialogs, a, n, x, {.digits = d, .roundsInside = true});
}

void GaussFull(MethodContext& ctx) {
  auto order = AskOrder(ctx.dialogs, kSystemOrderPrompt);
  if (!order) return;
  const int n = *order;
  const uint64_t cells = static_cast<uint64_t>(n) * (n + 1);
  // A, B and the trailing block of the first step; each step copies, searches, eliminates
  // and copies back its block.
  if (!FitsOrTell(ctx, 3 * cells + n, 4 * EliminationSteps(n))) return;
  const int d = ctx.digits;

  ctx.result.Clear();
  Matrix a(n, n + 1);
  Vector x(n);
  ReadMatrixText(a, n, ctx.input);
  Matrix b = a;
  std::vector<int16_t> perm(static_cast<size_t>(n) + 1);
  for (int i = 1; i <= n; ++i) perm[i] = static_cast<int16_t>(i);
  bool divided = true;  // every division by a pivot was made

  for (int k = 1; k <= n - 1; ++k) {
    ReportEliminationProgress(ctx.progress, k - 1, n - 1);
    const int m = n - k + 1;
    Matrix s(m, m + 1);
    ExtractTrailingBlock(b, n, k, s);
    int r = 1, c = 1;
    FindLargestEntry(s, m, r, c);
    SwapRowsAugmented(s, 1, r, m);
    SwapColumns(s, 1, c, m);
    SwapColumns(b, k, c + k - 1, n);
    if (c != 1) std::swap(perm[k], perm[c + k - 1]);
    if (!EliminantFirst(s, m, d)) divided = false;
    for (int i = 1; i <= m; ++i) {
      const double* from = s.Row(i);
      double* to = b.Row(i + k - 1);
      for (int j = 1; j <= m + 1; ++j) to[j + k - 2] = from[j - 1];
    }
  }
  if (!BackSubstitute(b, n, d + 1, x)) divided = false;

  std::string out;
  out.reserve(cells * 24 + 200);
  AppendPivotedMatrices(out, a, b, n, d);
  out += "\r\n输出求解结果：\r\n";
  AppendSolution(out, x, n, d, perm);
  out += "\r\nGauss全主元消去法解线性方程组\r\n";
  ctx.result.Append(out);
  if (!divided) {
    WarnZeroPivot(ctx.dialogs);
    return;
  }
  Vector typedOrder(n);  // x(i) is the unknown numbered perm(i)
  for (int i = 1; i <= n; ++i) typedOrder(perm[i]) = x(i);
  CheckSolutionOrWarn(ctx.dialogs, a, n, typedOrder, {.digits = d, .roundsInside = true});
}

}  // namespace tessaly
