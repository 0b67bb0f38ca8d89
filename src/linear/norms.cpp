// Vector norms and matrix norms. The 2-norm of a matrix is a reference value from the
// power method on Aᵀ·A, whose dominant component is kept in single precision.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/assign.h"
#include "common/number_text.h"
#include "common/text_util.h"
#include "common/work_guard.h"
#include "expr/formula.h"
#include "linear/elimination.h"
#include "linear/factorisation.h"
#include "linear/matrix_echo.h"
#include "linear/matrix_reader.h"
#include "linear/order_question.h"
#include "linear/report_pieces.h"

namespace tessaly {
namespace {

using namespace linear_report;
using elimination_detail::EliminationSteps;

// y(i) = Σ B(i, j)·x(j) over j = 1 … n for every row, each sum taken in column order.
// Four rows are summed side by side so that their additions overlap; every row's sum is
// still formed in the same order as a plain loop would form it. A sum that overflows
// leaves y(i) as it was.
void MultiplyInto(const Matrix& B, const Vector& x, Vector& y, int n) {
  int i = 1;
  for (; i + 3 <= n; i += 4) {
    const double* r0 = B.Row(i);
    const double* r1 = B.Row(i + 1);
    const double* r2 = B.Row(i + 2);
    const double* r3 = B.Row(i + 3);
    double s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    for (int j = 1; j <= n; ++j) {
      const double xj = x(j);
      s0 += r0[j - 1] * xj;
      s1 += r1[j - 1] * xj;
      s2 += r2[j - 1] * xj;
      s3 += r3[j - 1] * xj;
    }
    SetIfFinite(y(i), s0);
    SetIfFinite(y(i + 1), s1);
    SetIfFinite(y(i + 2), s2);
    SetIfFinite(y(i + 3), s3);
  }
  for (; i <= n; ++i) {
    const double* r = B.Row(i);
    double s = 0;
    for (int j = 1; j <= n; ++j) s += r[j - 1] * x(j);
    SetIfFinite(y(i), s);
  }
}

// The reference value of the 2-norm: √μ after exactly 30·n power steps on B = Aᵀ·A from
// x = (1, …, 1), μ being the dominant component of y = B·x in single precision.
double ReferenceTwoNorm(const Matrix& a, int n, Progress* progress) {
  Matrix B(n, n);
  for (int i = 1; i <= n; ++i) {
    ReportProgress(progress, i - 1, 31L * n);
    for (int j = i; j <= n; ++j) {
      double s = 0;
      for (int k = 1; k <= n; ++k) s += a(k, i) * a(k, j);
      SetIfFinite(B(i, j), s);
      B(j, i) = B(i, j);
    }
  }
  Vector x(n), y(n);
  for (int i = 1; i <= n; ++i) x(i) = 1;
  double mu = 0;
  const long steps = 30L * n;
  for (long step = 1; step <= steps; ++step) {
    if (step % 30 == 0) ReportProgress(progress, n + step / 30, 31L * n);
    MultiplyInto(B, x, y, n);
    mu = MaxModulusComponent(y, n);
    for (int i = 1; i <= n; ++i) SetIfFinite(x(i), y(i) / mu);
  }
  double norm = 0;
  SetIfFinite(norm, std::sqrt(mu));
  return norm;
}

}  // namespace

Vector ReadVectorText(std::string_view text) {
  const std::string untabbed = TabsAsBlanks(text);
  std::string_view t = TrimBlanks(untabbed);
  while (!t.empty() && (t.front() == ' ' || t.front() == '\r' || t.front() == '\n'))
    t.remove_prefix(1);
  std::string s = ReplaceAll(t, "         ", " ");
  s = ReplaceAll(s, "     ", " ");
  s = ReplaceAll(s, "   ", " ");
  s = ReplaceAll(s, "  ", " ");
  s = ReplaceAll(s, "  ", " ");
  s.insert(0, "0 ");
  // Only the first line counts (a typed "#" ends it as well).
  size_t lineEnd = s.find_first_of("\r\n#");
  if (lineEnd != std::string::npos) s.resize(lineEnd);
  std::string_view line = TrimBlanks(s);

  // Pieces between single blanks; the first is the "0" put in front.
  std::vector<std::string_view> pieces;
  for (size_t start = 0;;) {
    size_t blank = line.find(' ', start);
    pieces.push_back(line.substr(start, blank == std::string_view::npos ? blank : blank - start));
    if (blank == std::string_view::npos) break;
    start = blank + 1;
  }
  Vector v(static_cast<int>(pieces.size()) - 1);
  for (size_t p = 1; p < pieces.size(); ++p) {
    std::string entry(pieces[p]);
    v(static_cast<int>(p)) = EvaluateConstantText(entry);
  }
  return v;
}

double MaxModulusComponent(const Vector& y, int m) {
  double best = y(1);
  for (int i = 2; i <= m; ++i)
    if (std::fabs(y(i)) > std::fabs(best)) best = y(i);
  // Single precision, rounded to nearest; a value beyond its range is returned unrounded
  // rather than lost.
  if (std::fabs(best) > std::numeric_limits<float>::max()) return best;
  return static_cast<double>(static_cast<float>(best));
}

void VectorModel(MethodContext& ctx) {
  ctx.result.Clear();
  const Vector v = ReadVectorText(TrimBlanks(ctx.input));
  const int m = v.Size();
  if (m <= 0) return;

  double sum = 0, squares = 0, largest = std::fabs(v(1));
  for (int i = 1; i <= m; ++i) {
    SetIfFinite(sum, sum + std::fabs(v(i)));
    SetIfFinite(squares, squares + v(i) * v(i));
    if (i >= 2 && std::fabs(v(i)) > largest) largest = std::fabs(v(i));
  }
  std::string out;
  AppendVectorLine(out, v, m, "    ");
  out.append(kCrLf)
      .append("以上是所要求解的向量，接下来输出向量的范数")
      .append(kCrLf)
      .append(kCrLf);
  out.append("向量的1范数为： ");
  AppendPlainNumberText(out, sum);
  out.append(kCrLf)
      .append("向量的2范数为： ")
      .append(RoundedNumberText(std::sqrt(squares), ctx.digits));
  out.append(kCrLf).append("向量的无穷范数为： ");
  AppendPlainNumberText(out, largest);
  out.append(kCrLf);
  ctx.result.Append(out);
}

void MatrixModel(MethodContext& ctx) {
  auto order = AskOrder(ctx.dialogs, "输入数组的阶数 n：", "输入数据");
  if (!order) return;
  const int n = *order;
  // Aᵀ·A takes n³/2 steps, the power steps 30·n³.
  const uint64_t cube = MatrixDoubles(n, n) * static_cast<uint64_t>(n);
  if (!FitsOrTell(ctx,
                  MatrixDoubles(n, n + 1) + MatrixDoubles(n, n) + 2 * static_cast<uint64_t>(n + 1),
                  30 * cube + cube / 2))
    return;
  ctx.result.Clear();
  Matrix a(n, n + 1);
  ReadMatrixText(a, n, ctx.input);

  // 1-norm: the largest column sum; a later column wins only when strictly greater.
  double norm1 = 0;
  for (int j = 1; j <= n; ++j) {
    double s = 0;
    for (int i = 1; i <= n; ++i) SetIfFinite(s, s + std::fabs(a(i, j)));
    if (j == 1 || s > norm1) norm1 = s;
  }
  double normInf = 0, squares = 0;
  for (int i = 1; i <= n; ++i) {
    double s = 0;
    for (int j = 1; j <= n; ++j) {
      SetIfFinite(s, s + std::fabs(a(i, j)));
      SetIfFinite(squares, squares + a(i, j) * a(i, j));
    }
    if (i == 1 || s > normInf) normInf = s;
  }
  const double norm2 = ReferenceTwoNorm(a, n, ctx.progress);

  std::string out;
  AppendMatrixEcho(out, a, n, n, "    ");
  out.append(kCrLf)
      .append("以上是所要求解的矩阵，接下来输出矩阵的范数")
      .append(kCrLf)
      .append(kCrLf);
  out.append("矩阵的1范数为： ");
  AppendPlainNumberText(out, norm1);
  out.append(kCrLf).append(kCrLf).append("矩阵的2范数为(参考值)： ");
  out.append(RoundedNumberText(norm2, ctx.digits)).append(kCrLf).append(kCrLf);
  out.append("矩阵的F范数为： ").append(RoundedNumberText(std::sqrt(squares), ctx.digits));
  out.append(kCrLf).append(kCrLf).append("矩阵的无穷范数为： ");
  AppendPlainNumberText(out, normInf);
  out.append(kCrLf).append(kCrLf);
  ctx.result.Append(out);
}

}  // namespace tessaly
