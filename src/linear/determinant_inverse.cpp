// The determinant and the inverse of a square matrix by column-pivot elimination.
#include <cmath>
#include <utility>

#include "common/assign.h"
#include "common/number_text.h"
#include "common/text_util.h"
#include "common/work_guard.h"
#include "linear/elimination.h"
#include "linear/matrix_echo.h"
#include "linear/matrix_reader.h"
#include "linear/order_question.h"
#include "linear/pivot_determinant.h"
#include "linear/residual_check.h"

namespace tessaly {

using namespace elimination_detail;

namespace {

constexpr std::string_view kMatrixOrderPrompt = "输入矩阵的阶数 n：";

// Asks the order, checks the doubles and inner steps the command needs for it against the
// budgets, clears the result pane and reads the matrix (augmented form, n + 1 entries per
// row). Returns the order, or 0 when the command ends.
int AskAndRead(MethodContext& ctx, uint64_t doublesFor(int), uint64_t stepsFor(int), Matrix& a) {
  auto order = AskOrder(ctx.dialogs, kMatrixOrderPrompt);
  if (!order) return 0;
  const int n = *order;
  if (!FitsOrTell(ctx, doublesFor(n), stepsFor(n))) return 0;
  ctx.result.Clear();
  a = Matrix(n, n + 1);
  ReadMatrixText(a, n, ctx.input);
  return n;
}

uint64_t Cells(int rows, int cols) { return static_cast<uint64_t>(rows) * cols; }

}  // namespace

void A_range(MethodContext& ctx) {
  Matrix a;
  const int n = AskAndRead(
      ctx, [](int n) { return Cells(n, n + 1) + Cells(n, n); }, EliminationSteps, a);
  if (n == 0) return;
  const int d = ctx.digits;

  Matrix D(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) D(i, j) = a(i, j);
  int swaps = 0;
  const double det = PivotDeterminant(D, swaps);

  std::string out;
  out.reserve(Cells(n, n) * 24 + 300);
  AppendMatrixEcho(out, a, n, n, "  ");
  out += "\r\n输出行列式选主元、消元后的结果\r\n";
  AppendRoundedMatrix(out, D, n, n, "  ", d + 1);
  out += "\r\n行、列共交换 ";
  out += PlainIntegerText(swaps);
  out += " 次\r\n\r\n行列式的值为：\r\n   ";
  AppendRoundedNumberText(out, det, d);
  out += "\r\n\r\n选主元消去法的应用——求行列式的值。";
  ctx.result.Append(out);
}

void A_matrix(MethodContext& ctx) {
  Matrix a;
  // Gauss-Jordan: every step updates all other rows over up to 2n columns.
  const int n = AskAndRead(
      ctx, [](int n) { return Cells(n, n + 1) + Cells(n, 2 * n); },
      [](int n) { return 9 * EliminationSteps(n) / 2; }, a);
  if (n == 0) return;
  const int d = ctx.digits;
  const int width = 2 * n;

  Matrix w(n, width);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) w(i, j) = a(i, j);
    w(i, n + i) = 1;
  }

  double f = 0;  // a failed division leaves the multiplier of the previous row
  bool divided = true;  // every division by a pivot was made
  for (int k = 1; k <= n; ++k) {
    ReportProgress(ctx.progress, k - 1, n);
    int p = k;
    for (int i = k + 1; i <= n; ++i)
      if (std::fabs(w(p, k)) < std::fabs(w(i, k))) p = i;
    if (p != k) {
      double* rk = w.Row(k);
      double* rp = w.Row(p);
      for (int j = k - 1; j < width; ++j) std::swap(rk[j], rp[j]);
    }
    const double* pivotRow = w.Row(k);
    for (int i = 1; i <= n; ++i) {
      if (i == k) continue;
      double* row = w.Row(i);
      if (!SetIfFinite(f, row[k - 1] / pivotRow[k - 1])) divided = false;
      for (int j = k - 1; j < width; ++j)
        SetIfFinite(row[j], Round(row[j] - f * pivotRow[j], d + 1));
    }
    // The pivot row divided by its pivot; with a zero pivot every division fails and the
    // row keeps its values.
    double* row = w.Row(k);
    const double q = row[k - 1];
    for (int j = 0; j < width; ++j)
      if (!SetIfFinite(row[j], row[j] / q)) divided = false;
  }

  std::string out;
  out.reserve(Cells(n, 3 * n) * 24 + 300);
  AppendMatrixEcho(out, a, n, n, "  ");
  out += "\r\n输出矩阵选主元、消元后的结果\r\n";
  AppendRoundedMatrix(out, w, n, width, "  ", d + 1);
  out += "\r\n矩阵的逆为：\r\n";
  for (int i = 1; i <= n; ++i) {
    const double* row = w.Row(i);
    for (int j = n; j < width; ++j) {
      out += "  ";
      AppendRoundedNumberText(out, row[j], d);
    }
    out += kCrLf;
  }
  out += "\r\n\r\n选主元消去法的应用——求矩阵的逆。";
  ctx.result.Append(out);
  // A skipped division leaves W as it stood: what is printed is no inverse.
  if (!divided) {
    ctx.dialogs.MsgBox("矩阵是奇异矩阵，以上求得的逆矩阵不可信！", MsgButtons::Ok,
                       MsgIcon::Exclamation);
    return;
  }
  const ResidualCheck check = CheckInverse(a, n, w, n + 1, d);
  if (check.fails) WarnInverseFails(ctx.dialogs, check.relative);
}

}  // namespace tessaly
