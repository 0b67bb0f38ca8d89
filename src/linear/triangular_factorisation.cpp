// Triangular factorisation A = L·U in the compact (Doolittle) order, the LU solver, and the
// solver with a row exchange before each column of L. None of them rounds while computing;
// only the printed values are rounded.
#include <string>

#include "common/assign.h"
#include "common/number_text.h"
#include "common/text_util.h"
#include "common/work_guard.h"
#include "linear/elimination.h"
#include "linear/factorisation.h"
#include "linear/matrix_echo.h"
#include "linear/matrix_reader.h"
#include "linear/matrix_routines.h"
#include "linear/order_question.h"
#include "linear/report_pieces.h"
#include "linear/residual_check.h"

namespace tessaly {
namespace {

using namespace linear_report;
using elimination_detail::EliminationSteps;

constexpr std::string_view kLuNotSuitable = "此方法不合适！";
constexpr std::string_view kTierLuNotSuitable = "此方法不合适!";
constexpr std::string_view kSystemOrderPrompt = "输入方程组系数矩阵的阶数 n：";

// Σ L(i, r)·U(r, j) over r = 1 … upto.
double RowColumnSum(const Matrix& L, const Matrix& U, int i, int j, int upto) {
  double sum = 0;
  for (int r = 1; r <= upto; ++r) SetIfFinite(sum, sum + L(i, r) * U(r, j));
  return sum;
}

// Doolittle on the first n columns of a. L is unit lower triangular, U upper triangular
// (both created zero by the caller). A zero U(k, k) met before computing column k of L
// shows notSuitable and returns false.
bool Doolittle(const Matrix& a, int n, Matrix& L, Matrix& U, Dialogs& dialogs,
               std::string_view notSuitable, Progress* progress) {
  for (int i = 1; i <= n; ++i) L(i, i) = 1;
  for (int k = 1; k <= n; ++k) {
    ReportProgress(progress, k - 1, n);
    for (int j = k; j <= n; ++j) SetIfFinite(U(k, j), a(k, j) - RowColumnSum(L, U, k, j, k - 1));
    for (int i = k + 1; i <= n; ++i) {
      if (U(k, k) == 0) {
        dialogs.MsgBox(notSuitable);
        return false;
      }
      SetIfFinite(L(i, k), (a(i, k) - RowColumnSum(L, U, i, k, k - 1)) / U(k, k));
    }
  }
  return true;
}

// L·y = b, then U·x = y. A zero U(i, i) in the back substitution shows notSuitable and
// returns false.
bool Substitute(const Matrix& L, const Matrix& U, const Vector& b, int n, Vector& y, Vector& x,
                Dialogs& dialogs, std::string_view notSuitable) {
  SetIfFinite(y(1), b(1));
  for (int i = 2; i <= n; ++i) {
    double sum = 0;
    for (int r = 1; r < i; ++r) SetIfFinite(sum, sum + L(i, r) * y(r));
    SetIfFinite(y(i), b(i) - sum);
  }
  for (int i = n; i >= 1; --i) {
    if (U(i, i) == 0) {
      dialogs.MsgBox(notSuitable);
      return false;
    }
    double sum = 0;
    for (int r = i + 1; r <= n; ++r) SetIfFinite(sum, sum + U(i, r) * x(r));
    SetIfFinite(x(i), (y(i) - sum) / U(i, i));
  }
  return true;
}

// Doubles allocated by a solver: the augmented matrix (twice for TierLU's echo copy),
// L, U and the vectors.
uint64_t SolverDoubles(int n, int augmentedCopies) {
  return augmentedCopies * MatrixDoubles(n, n + 1) + 2 * MatrixDoubles(n, n) +
         4 * static_cast<uint64_t>(n + 1);
}

// The report blocks after the b line: L, U, y and x, then the closing line.
void AppendSolution(std::string& out, const Matrix& L, const Matrix& U, const Vector& y,
                    const Vector& x, int n, std::string_view lLabel, std::string_view uLabel,
                    int factorDigits, int solutionDigits, std::string_view closing) {
  out.append(kCrLf).append(lLabel).append(kCrLf);
  AppendRoundedMatrix(out, L, n, n, "    ", factorDigits);
  out.append(kCrLf).append(uLabel).append(kCrLf);
  AppendSpacedRoundedMatrix(out, U, n, "     ", factorDigits);
  out.append(kCrLf).append("输出求解LY=b后的 Y(n)").append(kCrLf);
  for (int i = 1; i <= n; ++i) {
    AppendIndexedValue(out, "y", i, y(i), factorDigits);
    out.append(kCrLf);
  }
  out.append(kCrLf).append("输出求解UX=Y后的 X(n)，亦既方程组的解：").append(kCrLf);
  for (int i = 1; i <= n; ++i) {
    AppendIndexedValue(out, "x", i, x(i), solutionDigits);
    out.append(kCrLf);
  }
  out.append(kCrLf).append(closing);
}

}  // namespace

int ArgMaxIndex(const Vector& v, int lo, int hi) {
  int best = lo;
  for (int i = lo + 1; i <= hi; ++i)
    if (v(i) > v(best)) best = i;
  return best;
}

void MatrixBreak(MethodContext& ctx, std::string_view notSuitable) {
  ctx.result.Clear();
  auto order = AskOrder(ctx.dialogs, "输入矩阵的阶数 n：", "输入数据", "3");
  if (!order) return;
  const int n = *order;
  if (!FitsOrTell(ctx, SolverDoubles(n, 1), EliminationSteps(n))) return;

  Matrix aug(n, n + 1);
  ReadMatrixText(aug, n, TrimBlanks(ctx.input));
  Matrix L(n, n), U(n, n);
  if (!Doolittle(aug, n, L, U, ctx.dialogs, notSuitable, ctx.progress)) return;

  std::string out;
  AppendMatrixEcho(out, aug, n, n, "    ");
  out.append(kCrLf)
      .append("以上是所要分解的矩阵，接下来输出三角分解后的下三角矩阵L(n)")
      .append(kCrLf);
  AppendRoundedMatrix(out, L, n, n, "    ", ctx.digits);
  out.append(kCrLf).append("输出矩阵三角分解后的上三角矩阵U(n)").append(kCrLf);
  AppendSpacedRoundedMatrix(out, U, n, "     ", ctx.digits);
  ctx.result.Append(out);
}

void LU_break(MethodContext& ctx) {
  ctx.result.Clear();
  auto order = AskOrder(ctx.dialogs, kSystemOrderPrompt);
  if (!order) return;
  const int n = *order;
  if (!FitsOrTell(ctx, SolverDoubles(n, 1), EliminationSteps(n))) return;

  Matrix aug(n, n + 1);
  ReadMatrixText(aug, n, TrimBlanks(ctx.input));
  Vector b(n), y(n), x(n);
  for (int i = 1; i <= n; ++i) b(i) = aug(i, n + 1);
  Matrix L(n, n), U(n, n);
  if (!Doolittle(aug, n, L, U, ctx.dialogs, kLuNotSuitable, ctx.progress)) return;
  if (!Substitute(L, U, b, n, y, x, ctx.dialogs, kLuNotSuitable)) return;

  const int d = ctx.digits;
  std::string out;
  AppendMatrixEcho(out, aug, n, n + 1, "    ");
  out.append(kCrLf)
      .append("以上是方程组的增广矩阵，接下来输出方程组的系数矩阵A、方程组的常数项向量b：")
      .append(kCrLf);
  AppendMatrixEcho(out, aug, n, n, "    ");
  out.append(kCrLf);
  AppendVectorLine(out, b, n, "    ");
  AppendSolution(out, L, U, y, x, n, "输出方程组的系数矩阵LU分解后的下三角矩阵L(n)",
                 "输出方程组的系数矩阵LU分解后的上三角矩阵U(n)", d + 1, d, "LU分解法解线性方程组");
  ctx.result.Append(out);
  CheckSolutionOrWarn(ctx.dialogs, aug, n, x, {.digits = d});
}

void TierLU(MethodContext& ctx) {
  auto order = AskOrder(ctx.dialogs, kSystemOrderPrompt);
  if (!order) return;
  const int n = *order;
  if (!FitsOrTell(ctx, SolverDoubles(n, 2), EliminationSteps(n))) return;
  ctx.result.Clear();

  Matrix aug(n, n + 1);
  ReadMatrixText(aug, n, ctx.input);
  const Matrix typed = aug;  // the echo shows the system as typed, before any exchange
  Matrix L(n, n), U(n, n);
  Vector s(n);
  for (int i = 1; i <= n; ++i) L(i, i) = 1;

  for (int k = 1; k <= n - 1; ++k) {
    ReportProgress(ctx.progress, k - 1, n - 1);
    // The candidates for U(k, k): what each remaining row would give as the pivot.
    for (int i = k; i <= n; ++i) {
      s(i) = 0;
      SetIfFinite(s(i), aug(i, k) - RowColumnSum(L, U, i, k, k - 1));
    }
    const int t = ArgMaxIndex(s, k, n);
    SwapRowsAugmented(aug, k, t, n);
    SwapRows(L, k, t, n);
    SwapRows(U, k, t, n);
    // The exchange moved ones off the diagonal of L: make it unit lower triangular again.
    for (int i = 1; i <= n; ++i) {
      L(i, i) = 1;
      for (int j = i + 1; j <= n; ++j) L(i, j) = 0;
    }
    U(k, k) = s(t);
    aug(k, k) = s(t);
    // s is not exchanged: row t now holds the row whose candidate was s(k).
    SetIfFinite(L(t, k), s(k) / s(t));
    for (int i = k + 1; i <= n; ++i)
      if (i != t) SetIfFinite(L(i, k), s(i) / s(t));
    for (int j = k + 1; j <= n; ++j)
      SetIfFinite(U(k, j), aug(k, j) - RowColumnSum(L, U, k, j, k - 1));
  }
  SetIfFinite(U(n, n), aug(n, n) - RowColumnSum(L, U, n, n, n - 1));

  Vector b(n), y(n), x(n);
  for (int i = 1; i <= n; ++i) b(i) = aug(i, n + 1);
  if (!Substitute(L, U, b, n, y, x, ctx.dialogs, kTierLuNotSuitable)) return;

  const int d = ctx.digits;
  std::string out;
  AppendMatrixEcho(out, typed, n, n + 1, "    ");
  out.append(kCrLf)
      .append("以上是方程组的增广矩阵")
      .append(kCrLf)
      .append("接下来输出方程组的计算后的系数矩阵A、方程组的常数项向量b：")
      .append(kCrLf);
  AppendRoundedMatrix(out, aug, n, n, "    ", d);
  out.append(kCrLf);
  AppendVectorLine(out, b, n, "    ");
  AppendSolution(out, L, U, y, x, n, "输出方程组的系数矩阵列主元三角分解后的下三角矩阵L(n)",
                 "输出方程组的系数矩阵列主元三角分解后的上三角矩阵U(n)", d, d,
                 "列主元三角分解法解线性方程组");
  ctx.result.Append(out);
  CheckSolutionOrWarn(ctx.dialogs, typed, n, x, {.digits = d});
}

}  // namespace tessaly
