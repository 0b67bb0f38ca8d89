// The positive-definiteness test by leading principal minors and the strict diagonal
// dominance test.
#include <cmath>
#include <string>

#include "common/number_text.h"
#include "common/text_util.h"
#include "common/work_guard.h"
#include "linear/elimination.h"
#include "linear/factorisation.h"
#include "linear/matrix_echo.h"
#include "linear/matrix_reader.h"
#include "linear/order_question.h"
#include "linear/pivot_determinant.h"
#include "linear/report_pieces.h"
#include "linear/residual_check.h"

namespace tessaly {

using namespace linear_report;
using elimination_detail::EliminationSteps;

void CMatrixJudge(MethodContext& ctx) {
  auto order = AskOrder(ctx.dialogs, "输入矩阵的阶数 n：");
  if (!order) return;
  const int n = *order;
  // One elimination of k³/3 steps per leading minor: about n⁴/12 in all.
  const uint64_t square = MatrixDoubles(n, n) + MatrixDoubles(n, 1);
  if (!FitsOrTell(ctx, MatrixDoubles(n, n + 1) + MatrixDoubles(n, n), square * square / 12)) return;
  ctx.result.Clear();
  Matrix a(n, n + 1);
  ReadMatrixText(a, n, ctx.input);

  std::string out;
  AppendMatrixEcho(out, a, n, n, "  ");
  out.append(kCrLf)
      .append("以上是该矩阵的各元素")
      .append(kCrLf)
      .append("下面输出各阶顺序主子式的值：")
      .append(kCrLf);
  bool positive = true;
  for (int k = 1; k <= n && positive; ++k) {
    // The minors cost k³ each: progress counts their work.
    ReportProgress(ctx.progress, int64_t{k} * k * k * k / 4, int64_t{n} * n * n * n / 4);
    Matrix minor(k, k);
    for (int i = 1; i <= k; ++i)
      for (int j = 1; j <= k; ++j) minor(i, j) = a(i, j);
    int swaps = 0;
    const double det = PivotDeterminant(minor, swaps);
    out.append("  ").append(PlainIntegerText(k)).append(" 阶顺序主子式的值为： ");
    out.append(RoundedNumberText(det, ctx.digits)).append(kCrLf);
    if (!(det > 0)) {
      out.append(kCrLf)
          .append("第 ")
          .append(PlainIntegerText(k))
          .append(" 阶顺序主子式的值不大于 0 ，该矩阵非正定。")
          .append(kCrLf);
      positive = false;
    }
  }
  if (positive) {
    out.append(kCrLf).append("该矩阵各阶顺序主子式的值全大于 0 ，是正定矩阵。").append(kCrLf);
  }
  ctx.result.Append(out);
  if (!IsSymmetric(a, n)) WarnMinorsNeedSymmetry(ctx.dialogs);
}

void StrictMatrixJudge(MethodContext& ctx) {
  auto order = AskOrder(ctx.dialogs, "输入矩阵的阶数 n：");
  if (!order) return;
  const int n = *order;
  if (!FitsOrTell(ctx, MatrixDoubles(n, n + 1), MatrixDoubles(n, n))) return;
  ctx.result.Clear();
  Matrix a(n, n + 1);
  ReadMatrixText(a, n, ctx.input);

  std::string out;
  AppendMatrixEcho(out, a, n, n, "  ");
  out.append(kCrLf)
      .append("以上是该矩阵的元素")
      .append(kCrLf)
      .append("下面输出各行的判断结果：")
      .append(kCrLf);
  for (int i = 1; i <= n; ++i) {
    // A sum of moduli that overflows is infinite, which no diagonal entry exceeds.
    double others = 0;
    for (int j = 1; j <= n; ++j)
      if (j != i) others += std::fabs(a(i, j));
    if (!(std::fabs(a(i, i)) > others)) {
      out.append("第 ")
          .append(PlainIntegerText(i))
          .append(" 行对角元素的绝对值不严格大于同行的其他元素的绝对值之和")
          .append(kCrLf)
          .append(kCrLf)
          .append("因此该矩阵不是严格对角占优矩阵。")
          .append(kCrLf);
      ctx.result.Append(out);
      return;
    }
  }
  out.append("该矩阵每一行对角元素的绝对值都严格大于同行的其他元素的绝对值之和")
      .append(kCrLf)
      .append(kCrLf)
      .append("因此该矩阵是严格对角占优矩阵。")
      .append(kCrLf)
      .append(kCrLf)
      .append("同时该矩阵也为非奇异矩阵。");
  ctx.result.Append(out);
}

}  // namespace tessaly
