// The chase method for tridiagonal systems: A = L·U with bidiagonal factors, then L·y = D
// and U·x = y. Only the three diagonals and the right-hand column of the typed matrix are
// used; the report shows the typed matrix with every other entry set to 0.
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

using namespace linear_report;
using elimination_detail::EliminationSteps;

void Purase(MethodContext& ctx) {
  auto order = AskOrder(ctx.dialogs, "输入数组的阶数 n：");
  if (!order) return;
  const int n = *order;
  if (!FitsOrTell(ctx, MatrixDoubles(n, n + 1) + 8 * static_cast<uint64_t>(n + 1), n)) return;
  ctx.result.Clear();

  Matrix ab(n, n + 1);
  ReadMatrixText(ab, n, ctx.input);
  // sub, main and super diagonal, right-hand side, multipliers, pivots.
  Vector a(n), bd(n), c(n), dv(n), l(n), u(n), y(n), x(n);
  for (int i = 1; i <= n; ++i) {
    bd(i) = ab(i, i);
    dv(i) = ab(i, n + 1);
    if (i >= 2) a(i) = ab(i, i - 1);
    if (i <= n - 1) c(i) = ab(i, i + 1);
  }

  // A zero pivot leaves x undefined: say so instead of printing values that mean nothing.
  auto pivotUsable = [&](int i) {
    if (u(i) != 0) return true;
    ctx.dialogs.MsgBox(kPuraseZeroPivotMessage);
    return false;
  };
  SetIfFinite(u(1), bd(1));
  if (!pivotUsable(1)) return;
  for (int i = 2; i <= n; ++i) {
    SetIfFinite(l(i), a(i) / u(i - 1));
    SetIfFinite(u(i), bd(i) - l(i) * c(i - 1));
    if (!pivotUsable(i)) return;
  }
  SetIfFinite(y(1), dv(1));
  for (int i = 2; i <= n; ++i) SetIfFinite(y(i), dv(i) - l(i) * y(i - 1));
  SetIfFinite(x(n), y(n) / u(n));
  for (int i = n - 1; i >= 1; --i) SetIfFinite(x(i), (y(i) - c(i) * x(i + 1)) / u(i));

  const Matrix typed = ab;  // the answer is checked against the system as typed
  // The system actually solved: everything off the three diagonals (right-hand column
  // excepted) is shown as 0.
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      if (j < i - 1 || i + 1 < j) ab(i, j) = 0;

  const int d = ctx.digits;
  std::string out;
  AppendMatrixEcho(out, ab, n, n + 1, "    ");
  out.append(kCrLf)
      .append("以上是三对角线形方程组的增广矩阵")
      .append(kCrLf)
      .append("接下来输出方程组的系数矩阵A、方程组的常数项向量D(n)")
      .append(kCrLf);
  AppendMatrixEcho(out, ab, n, n, "     ");
  out.append(kCrLf);
  AppendRoundedVectorLine(out, dv, n, "     ", d + 1);
  out.append(kCrLf).append("输出求解LY=D后的 Y(n)");
  for (int i = 1; i <= n; ++i) {
    out.append(kCrLf);
    AppendIndexedValue(out, "y", i, y(i), d + 1);
  }
  out.append(kCrLf).append(kCrLf).append("输出求解UX=Y后的 X，亦既方程组的解：").append(kCrLf);
  for (int i = 1; i <= n; ++i) {
    AppendIndexedValue(out, "x", i, x(i), d);
    out.append(kCrLf);
  }
  out.append(kCrLf)
      .append("追赶法解三对角线性方程组。")
      .append(kCrLf)
      .append("注意：本方法仅适合于三对角线性方程组。");
  ctx.result.Append(out);
  CheckSolutionOrWarn(ctx.dialogs, typed, n, x, {.digits = d});
}

}  // namespace tessaly
