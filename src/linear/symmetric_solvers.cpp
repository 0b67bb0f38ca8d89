// The square-root method (A = L·Lᵀ) and the improved square-root method (A = L·D·Lᵀ) for
// symmetric systems. They compute in full precision and round only what they print.
#include <cmath>
#include <string>

#include "common/assign.h"
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

constexpr std::string_view kMendSqrtNotSuitable = "此方法不合适#";
constexpr std::string_view kArrayOrderPrompt = "输入数组的阶数 n：";

// Doubles allocated: the augmented matrix, A, L (and Lᵀ) and the vectors.
uint64_t SymmetricDoubles(int n) {
  return MatrixDoubles(n, n + 1) + 3 * MatrixDoubles(n, n) + 4 * static_cast<uint64_t>(n + 1);
}

// The blocks both methods start with: the echo, A and b.
void AppendSystem(std::string& out, const Matrix& aug, const Vector& b, int n) {
  AppendMatrixEcho(out, aug, n, n + 1, "    ");
  out.append(kCrLf)
      .append("以上是方程组的增广矩阵，接下来输出方程组的系数矩阵A、方程组的常数项向量b")
      .append(kCrLf);
  AppendMatrixEcho(out, aug, n, n, "     ");
  out.append(kCrLf);
  AppendVectorLine(out, b, n, "     ");
  out.append(kCrLf).append("输出方程组的系数矩阵LU分解后的下三角矩阵L(n)").append(kCrLf);
}

// The y and x blocks and the two closing lines.
void AppendSolution(std::string& out, const Vector& y, const Vector& x, int n, int yDigits,
                    int xDigits, std::string_view closing, std::string_view note) {
  out.append(kCrLf).append("输出求解LY=b后的 Y(n)").append(kCrLf);
  for (int i = 1; i <= n; ++i) {
    out.append(kCrLf);
    AppendIndexedValue(out, "y", i, y(i), yDigits);
  }
  out.append(kCrLf).append("输出求解UX=Y后的 X，亦既方程组的解：").append(kCrLf);
  for (int i = 1; i <= n; ++i) {
    AppendIndexedValue(out, "x", i, x(i), xDigits);
    out.append(kCrLf);
  }
  out.append(kCrLf).append(closing).append(kCrLf).append(note);
}

// The augmented matrix, and A's right-hand side as a vector.
Vector RightHandSide(const Matrix& aug, int n) {
  Vector b(n);
  for (int i = 1; i <= n; ++i) b(i) = aug(i, n + 1);
  return b;
}

}  // namespace

void SqrtRoot(MethodContext& ctx) {
  ctx.result.Clear();
  auto order =
      AskOrder(ctx.dialogs, "确定方程组的系数矩阵A是对称正定的后，输入方程组系数矩阵的阶数 n：");
  if (!order) return;
  const int n = *order;
  if (!FitsOrTell(ctx, SymmetricDoubles(n), EliminationSteps(n))) return;

  Matrix aug(n, n + 1);
  ReadMatrixText(aug, n, ctx.input);
  const Vector b = RightHandSide(aug, n);
  Matrix L(n, n);

  // A diagonal entry of L must be the square root of a positive number: a radicand that is
  // negative or zero means A is not positive definite, and the divisions by L(k, k) that
  // follow would only produce garbage.
  auto diagonal = [&](int k, double radicand) {
    SetIfFinite(L(k, k), std::sqrt(radicand));
    if (!(L(k, k) > 0)) {
      ctx.dialogs.MsgBox(kSqrtRootNotPositiveMessage);
      return false;
    }
    return true;
  };
  if (!diagonal(1, aug(1, 1))) return;
  for (int i = 2; i <= n; ++i) SetIfFinite(L(i, 1), aug(i, 1) / L(1, 1));
  for (int k = 2; k <= n; ++k) {
    ReportProgress(ctx.progress, k - 1, n);
    double squares = 0;
    for (int m = 1; m < k; ++m) SetIfFinite(squares, squares + L(k, m) * L(k, m));
    if (!diagonal(k, aug(k, k) - squares)) return;
    for (int i = k + 1; i <= n; ++i) {
      double sum = 0;
      for (int m = 1; m < k; ++m) SetIfFinite(sum, sum + L(i, m) * L(k, m));
      SetIfFinite(L(i, k), (aug(i, k) - sum) / L(k, k));
    }
  }

  // Forward with L, backward with Lᵀ (read from L: Lᵀ(i, m) = L(m, i)).
  Vector y(n), x(n);
  for (int i = 1; i <= n; ++i) {
    double sum = 0;
    for (int m = 1; m < i; ++m) SetIfFinite(sum, sum + L(i, m) * y(m));
    SetIfFinite(y(i), (b(i) - sum) / L(i, i));
  }
  for (int i = n; i >= 1; --i) {
    double sum = 0;
    for (int m = i + 1; m <= n; ++m) SetIfFinite(sum, sum + L(m, i) * x(m));
    SetIfFinite(x(i), (y(i) - sum) / L(i, i));
  }

  const int d = ctx.digits;
  std::string out;
  AppendSystem(out, aug, b, n);
  AppendRoundedMatrix(out, L, n, n, "     ", d + 1);
  AppendSolution(out, y, x, n, d + 1, d, "平方根法解线性方程组。",
                 "注意：本方法仅对未知数x的系数矩阵是对称正定矩阵时有效。");
  ctx.result.Append(out);
  // Every diagonal entry of L was the root of a positive number: a symmetric A is positive
  // definite, so only an unsymmetric one can have been solved wrongly.
  CheckSolutionOrWarn(ctx.dialogs, aug, n, x, {.digits = d},
                      IsSymmetric(aug, n) ? std::string_view() : kNotSymmetricReason);
}

void MendSqrt(MethodContext& ctx) {
  auto order = AskOrder(ctx.dialogs, kArrayOrderPrompt);
  if (!order) return;
  const int n = *order;
  if (!FitsOrTell(ctx, SymmetricDoubles(n), EliminationSteps(n))) return;
  ctx.result.Clear();

  Matrix aug(n, n + 1);
  ReadMatrixText(aug, n, ctx.input);
  const Vector b = RightHandSide(aug, n);
  Matrix L(n, n);
  Vector dg(n);  // the diagonal of D

  for (int i = 1; i <= n; ++i) L(i, i) = 1;
  SetIfFinite(dg(1), aug(1, 1));
  for (int i = 2; i <= n; ++i) {
    ReportProgress(ctx.progress, i - 1, n);
    for (int j = 1; j < i; ++j) {
      if (dg(j) == 0) {
        ctx.dialogs.MsgBox(kMendSqrtNotSuitable);
        return;
      }
      double sum = 0;
      for (int k = 1; k < j; ++k) SetIfFinite(sum, sum + L(i, k) * dg(k) * L(j, k));
      SetIfFinite(L(i, j), (aug(i, j) - sum) / dg(j));
    }
    double sum = 0;
    for (int k = 1; k < i; ++k) SetIfFinite(sum, sum + L(i, k) * L(i, k) * dg(k));
    SetIfFinite(dg(i), aug(i, i) - sum);
  }

  Vector y(n), x(n);
  for (int i = 1; i <= n; ++i) {
    double sum = 0;
    for (int k = 1; k < i; ++k) SetIfFinite(sum, sum + L(i, k) * y(k));
    SetIfFinite(y(i), b(i) - sum);
  }
  for (int i = n; i >= 1; --i) {
    double sum = 0;
    for (int k = i + 1; k <= n; ++k) SetIfFinite(sum, sum + L(k, i) * x(k));
    if (dg(i) == 0) {
      ctx.dialogs.MsgBox(kMendSqrtNotSuitable);
      return;
    }
    SetIfFinite(x(i), y(i) / dg(i) - sum);
  }

  const int d = ctx.digits;
  std::string out;
  AppendSystem(out, aug, b, n);
  AppendRoundedMatrix(out, L, n, n, "     ", d + 1);
  out.append("接下来输出分解式A=L*D*L' 中D的主对角线元素：").append(kCrLf);
  AppendRoundedVectorLine(out, dg, n, "     ", d + 1);
  AppendSolution(out, y, x, n, d, d, "改进的平方根法解线性方程组",
                 "注意：本方法仅对未知数x的系数矩阵是对称矩阵时有效。");
  ctx.result.Append(out);
  std::string_view reason;
  if (!IsSymmetric(aug, n)) {
    reason = kNotSymmetricReason;
  } else {
    // A symmetric A is positive definite exactly when every entry of D is positive.
    for (int i = 1; i <= n && reason.empty(); ++i)
      if (!(dg(i) > 0)) reason = kNotPositiveDefiniteReason;
  }
  CheckSolutionOrWarn(ctx.dialogs, aug, n, x, {.digits = d}, reason);
}

}  // namespace tessaly
