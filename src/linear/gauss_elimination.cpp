// Gaussian elimination without pivoting, and the elimination pieces the pivoting methods share.

#include "common/assign.h"
#include "common/work_guard.h"
#include "common/number_text.h"
#include "common/text_util.h"
#include "linear/elimination.h"
#include "linear/matrix_echo.h"
#include "linear/matrix_reader.h"
#include "linear/order_question.h"
#include "linear/residual_check.h"

namespace tessaly {

namespace elimination_detail {

uint64_t EliminationSteps(int n) {
  const uint64_t order = static_cast<uint64_t>(n);
  return order * order * order / 3;
}

bool EliminateBelow(Matrix& B, int n, int k, int cols, int places, double& m) {
  const double* pivotRow = B.Row(k);
  bool divided = true;
  for (int i = k + 1; i <= n; ++i) {
    double* row = B.Row(i);
    if (!SetIfFinite(m, row[k - 1] / pivotRow[k - 1])) divided = false;
    for (int j = k - 1; j < cols; ++j) SetIfFinite(row[j], Round(row[j] - m * pivotRow[j], places));
  }
  return divided;
}

bool BackSubstitute(const Matrix& B, int n, int places, Vector& x) {
  const int rhs = n + 1;
  bool divided = SetIfFinite(x(n), B(n, rhs) / B(n, n));
  for (int k = n - 1; k >= 1; --k) {
    const double* row = B.Row(k);
    double s = 0;
    for (int j = n; j >= k + 1; --j) SetIfFinite(s, x(j) * row[j - 1] + s);
    if (!SetIfFinite(x(k), Round((row[rhs - 1] - s) / row[k - 1], places))) divided = false;
  }
  return divided;
}

void WarnZeroPivot(Dialogs& dialogs) {
  dialogs.MsgBox("消元过程中出现零主元，以上求得的解不可信！", MsgButtons::Ok,
                 MsgIcon::Exclamation);
}

void AppendSolution(std::string& out, const Vector& x, int n, int places,
                    const std::vector<int16_t>& number) {
  for (int i = 1; i <= n; ++i) {
    out += "x(";
    out += PlainIntegerText(number.empty() ? i : number[i]);
    out += ")=";
    AppendRoundedNumberText(out, x(i), places);
    out += kCrLf;
  }
}

}  // namespace elimination_detail

using namespace elimination_detail;

void Gauss_1(MethodContext& ctx) {
  auto order = AskOrder(ctx.dialogs, "输入矩阵的阶数 n：", "输入数据", "3");
  if (!order) return;
  const int n = *order;
  const uint64_t cells = static_cast<uint64_t>(n) * (n + 1);
  if (!FitsOrTell(ctx, 2 * cells + n, EliminationSteps(n))) return;
  const int d = ctx.digits;

  Matrix a(n, n + 1);
  Vector x(n);
  ctx.result.Clear();
  ReadMatrixText(a, n, TrimBlanks(ctx.input));
  Matrix b = a;

  double m = 0;
  bool divided = true;  // every division by a pivot was made
  for (int k = 1; k <= n; ++k) {
    ReportEliminationProgress(ctx.progress, k - 1, n);
    if (!EliminateBelow(b, n, k, n + 1, d + 1, m)) divided = false;
  }
  if (!BackSubstitute(b, n, d + 1, x)) divided = false;

  std::string out;
  out.reserve(cells * 24 + 200);
  AppendMatrixEcho(out, a, n, n + 1, "  ");
  out += "\r\n输出方程组增广矩阵消元后的结果\r\n";
  AppendRoundedMatrix(out, b, n, n + 1, "  ", d);
  out += "\r\n输出求解结果\r\n";
  AppendSolution(out, x, n, d);
  out += "\r\nGauss消去法解线性方程组";
  ctx.result.Append(out);
  if (!divided)
    WarnZeroPivot(ctx.dialogs);
  else
    CheckSolutionOrWarn(ctx.dialogs, a, n, x, {.digits = d, .roundsInside = true});
}

}  // namespace tessaly
