// Jacobi rotations: each step annihilates the off-diagonal entry of largest modulus with a
// plane rotation A1 = R·A·Rᵀ, prints the new matrix and the rotation, and gathers the
// eigenvectors in V = R1ᵀ·R2ᵀ·…·Rkᵀ, so that A·V = V·Ak and column j of V belongs to the j-th
// diagonal entry of the final matrix. A, A1 and the rotation stay in full precision; V is
// rounded to the window's Decimal digits after every rotation.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "common/assign.h"
#include "common/chart_run.h"
#include "common/number_text.h"
#include "common/text_util.h"
#include "common/work_guard.h"
#include "eigen/eigen.h"
#include "eigen/eigen_routines.h"
#include "eigen/eigenpair_check.h"
#include "linear/matrix_echo.h"
#include "linear/matrix_reader.h"
#include "linear/order_question.h"

namespace tessaly {
namespace {

constexpr double kPi = 3.14159265358979;
// Rotations are numbered from 0; the method gives up after rotation 100, the 101st.
constexpr int kLastRotation = 100;
// Entries of the final matrix smaller than this in modulus are printed as 0.
constexpr double kPrintedAsZero = 4.94065645841247E-20;

Matrix Identity(int n) {
  Matrix m(n, n);
  for (int i = 1; i <= n; ++i) m(i, i) = 1;
  return m;
}

// The rotation's sine and cosine and those of the double angle. A statement that does not
// give a finite value leaves its variable as it was.
struct Rotation {
  double s = 0, c = 0, sin2 = 0, cos2 = 0, t = 0;

  void Aim(const Matrix& a, int p, int q) {
    const double app = a(p, p), aqq = a(q, q), apq = a(p, q);
    if (app == aqq) {
      const double theta = apq > 0 ? kPi / 4 : -kPi / 4;
      s = std::sin(theta);
      c = std::cos(theta);
      sin2 = std::sin(2 * theta);
      cos2 = std::cos(2 * theta);
      return;
    }
    SetIfFinite(t, 2 * apq / (app - aqq));
    SetIfFinite(cos2, 1 / std::sqrt(t * t + 1));
    SetIfFinite(c, std::sqrt((1 + cos2) / 2));
    // Where t² overflows, t/√(t² + 1) is ±1 to double precision: the same modulus as
    // 1/√(1/t² + 1), with the sign of t.
    if (!SetIfFinite(sin2, t / std::sqrt(t * t + 1)))
      SetIfFinite(sin2, std::copysign(1 / std::sqrt(1 / (t * t) + 1), t));
    SetIfFinite(s, sin2 / (2 * c));
  }
};

// a1 = R·a·Rᵀ for the rotation in the plane (p, q); a1 starts as a copy of a, and an update
// that does not give a finite value leaves a1's copy of the entry.
void Rotate(const Matrix& a, int n, int p, int q, const Rotation& r, Matrix& a1) {
  a1 = a;
  const double app = a(p, p), aqq = a(q, q), apq = a(p, q);
  const double s = r.s, c = r.c;
  SetIfFinite(a1(p, p), c * c * app + 2 * apq * s * c + s * s * aqq);
  SetIfFinite(a1(q, q), s * s * app - 2 * apq * s * c + c * c * aqq);
  const double offDiagonal = 0.5 * (aqq - app) * r.sin2 + r.cos2 * apq;
  SetIfFinite(a1(p, q), offDiagonal);
  SetIfFinite(a1(q, p), offDiagonal);
  for (int j = 1; j <= n; ++j) {
    if (j == p || j == q) continue;
    const double rowP = c * a(p, j) + s * a(q, j);
    const double rowQ = -s * a(p, j) + c * a(q, j);
    SetIfFinite(a1(p, j), rowP);
    SetIfFinite(a1(j, p), rowP);
    SetIfFinite(a1(q, j), rowQ);
    SetIfFinite(a1(j, q), rowQ);
  }
}

// The text of an n × n matrix in fields, kept from one rotation to the next so that only the
// entries that change are written again: a rotation changes rows and columns p and q of A1,
// and four entries of R. Every plain number text is at most 22 characters, so each field fills
// exactly its kFieldWidth characters in the text; should one ever be longer, the text is
// written whole from the matrix instead.
class FieldText {
 public:
  FieldText(const Matrix& m, int n)
      : n_(n), rowLength_(static_cast<size_t>(n) * kFieldWidth + kCrLf.size()) {
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) AppendVectorField(text_, m(i, j));
      text_.append(kCrLf);
    }
    whole_ = text_.size() == rowLength_ * n;
  }

  void Set(int i, int j, double v) {
    if (!whole_) return;
    field_.clear();
    AppendVectorField(field_, v);
    if (field_.size() != static_cast<size_t>(kFieldWidth)) {
      whole_ = false;
      return;
    }
    text_.replace(Offset(i, j), kFieldWidth, field_);
  }

  // Rows and columns p and q of m; an entry equal to its mirror image shares its text.
  void SetRowsAndColumns(const Matrix& m, int p, int q) {
    for (int row : {p, q}) {
      for (int j = 1; j <= n_; ++j) {
        Set(row, j, m(row, j));
        if (!whole_) return;
        if (m(j, row) == m(row, j))  // equal values have the same text
          text_.replace(Offset(j, row), kFieldWidth, field_);
        else
          Set(j, row, m(j, row));
      }
    }
  }

  // Appends the text of m, which must hold the values set.
  void AppendTo(std::string& out, const Matrix& m) const {
    if (whole_)
      out.append(text_);
    else
      AppendFieldMatrix(out, m, n_);
  }

 private:
  size_t Offset(int i, int j) const {
    return (i - 1) * rowLength_ + static_cast<size_t>(j - 1) * kFieldWidth;
  }

  int n_;
  size_t rowLength_;
  std::string text_, field_;
  bool whole_ = true;
};

void AppendFinalBlock(std::string& out, const Matrix& a, const Matrix& v, int n) {
  out.append("\r\n\r\n以下矩阵中对角线元素即为所求的特征值：\r\n");
  AppendFieldMatrix(out, a, n, kPrintedAsZero);
  out.append("\r\n    以下矩阵中列向量即为所求的特征向量（R1*R2*......*Rn）：\r\n");
  AppendFieldMatrix(out, v, n);
  out.append("\r\n\r\n此方法只适合于对称矩阵！  编程算法有待进一步完善。\r\n");
}

// Checks the pairs (A1(j, j), column j of V) against the typed matrix and warns once, with
// the worst relative residual, when one fails. Every off-diagonal entry of A1 is below eps,
// which leaves a residual of up to (n - 1)·eps; each of the k rotations rounds two columns of
// V to the Decimal digits, which moves a column by up to k·√(2n) units of the last decimal.
void CheckRotationPairs(Dialogs& dialogs, const Matrix& typed, const Matrix& a1, const Matrix& v,
                        int n, int k, double eps, int digits) {
  const double order = n;
  const EigenpairAllowance allowance{.value = (order - 1) * std::sqrt(order) * eps,
                                     .component = k * std::sqrt(2 * order) * DecimalUnit(digits)};
  double worst = 0;
  bool fails = false;
  for (int j = 1; j <= n; ++j) {
    // A diagonal entry the report prints as 0 is checked as 0.
    const double lambda = std::fabs(a1(j, j)) < kPrintedAsZero ? 0 : a1(j, j);
    const EigenpairCheck check = CheckEigenpair(typed, n, lambda, v, j, allowance);
    if (!check.fails) continue;
    fails = true;
    worst = std::max(worst, check.relative);
  }
  if (fails) WarnEigenpairFails(dialogs, worst);
}

// Doubles and inner steps for an order n: A, A1, R, Rᵀ and V twice; per rotation the copy of
// A, the product for V and the 2·n² fields of A1 and R.
uint64_t JacobiDoubles(uint64_t n) { return 6 * n * n; }
uint64_t JacobiSteps(uint64_t n) {
  return (kLastRotation + 1) * (n * n * n + n * n + 2 * n * n * kFieldSteps);
}

void RunJacobiRotations(MethodContext& ctx, std::string_view chartName) {
  Dialogs& dialogs = ctx.dialogs;
  auto order = AskOrder(dialogs, "输入矩阵的阶数 n：", "输入数据", "3");
  if (!order || *order < 2) return;
  const int n = *order;
  const auto size = static_cast<uint64_t>(n);
  if (!FitsOrTell(ctx, JacobiDoubles(size), JacobiSteps(size))) return;
  Matrix a = ReadSquareMatrixText(n, TrimBlanks(ctx.input));
  const Matrix typed = a;
  auto eps = AskEigenPrecision(dialogs, "0.001");
  if (!eps) return;
  const int d = ctx.digits;

  ctx.result.Clear();
  std::string out;
  // Every rotation prints two matrices in fields.
  ReserveReport(out, (kLastRotation + 2) * (2 * size * (size * kFieldWidth + 2) + 200));
  AppendMatrixEcho(out, a, n, n, "    ");
  out.append("\r\n以上是所要求解的矩阵\r\n");

  Matrix v = Identity(n), r = Identity(n), rt = Identity(n), a1, product;
  FieldText printedA(a, n), printedR(r, n);  // the fields of A1 and of R
  Rotation rotation;
  int k = 0;
  int p = 0, q = 0;
  std::tie(p, q) = LargestOffDiagonal(a, n, n);
  // The chart follows the largest off-diagonal modulus from the matrix typed (rotation 0)
  // through every rotation.
  ChartRun* chart = ctx.chartRun;
  if (chart) {
    chart->Begin(ChartKind::OffDiagonal, ctx.input, std::string(chartName), *eps);
    chart->Add(0, p != 0 ? std::fabs(a(p, q)) : 0);
  }
  bool gaveUp = false;
  while (p != 0) {
    rotation.Aim(a, p, q);
    const double s = rotation.s, c = rotation.c;
    Rotate(a, n, p, q, rotation, a1);
    // V·Rᵀ: column j of V stays the eigenvector of the j-th diagonal entry of A1.
    for (Matrix* m : {&r, &rt}) {
      (*m)(p, p) = c;
      (*m)(q, q) = c;
    }
    r(p, q) = rt(q, p) = s;
    r(q, p) = rt(p, q) = -s;
    RoundedMatrixProduct(v, rt, n, n, n, d, product);
    std::swap(v, product);

    out.append("\r\n第 ").append(PlainIntegerText(k)).append(" 次正交相似变换的矩阵A1：\r\n");
    printedA.SetRowsAndColumns(a1, p, q);
    printedA.AppendTo(out, a1);
    out.append("\r\n主元行p、列q下标为： p=").append(PlainIntegerText(p));
    out.append("  q=").append(PlainIntegerText(q)).append("  并且sin0=");
    AppendPlainNumberText(out, s);
    out.append("    cos0=");
    AppendPlainNumberText(out, c);
    out.append("\r\n\r\n    正交矩阵R是：\r\n");
    for (int i : {p, q})
      for (int j : {p, q}) printedR.Set(i, j, r(i, j));
    printedR.AppendTo(out, r);

    // R back to the identity for the next rotation.
    for (Matrix* m : {&r, &rt}) {
      (*m)(p, p) = 1;
      (*m)(q, q) = 1;
      (*m)(p, q) = 0;
      (*m)(q, p) = 0;
    }
    for (int i : {p, q})
      for (int j : {p, q}) printedR.Set(i, j, r(i, j));
    std::swap(a, a1);
    ++k;
    std::tie(p, q) = LargestOffDiagonal(a, n, n);
    if (chart) chart->Add(k, p != 0 ? std::fabs(a(p, q)) : 0);
    if (k > kLastRotation) {
      gaveUp = true;
      break;
    }
    if (p != 0 && std::fabs(a(p, q)) < *eps) break;
  }

  if (gaveUp) {
    ctx.result.Append(std::move(out));
    out.clear();
    const MsgResult answer = dialogs.MsgBox(
        "此方法不适合这个矩阵，计算被迫终止，请重新选择其他方法。\r\n结果是否还要查看？",
        MsgButtons::YesNo, MsgIcon::Exclamation, "警告", MsgDefault::Second);
    if (answer == MsgResult::Yes)
      out.append("\r\n\r\n此方法不适合这个矩阵，计算被迫终止。");
    else
      ctx.result.Clear();
  }
  AppendFinalBlock(out, a, v, n);
  ctx.result.Append(std::move(out));
  if (!gaveUp) CheckRotationPairs(dialogs, typed, a, v, n, k, *eps, d);
}

}  // namespace

void ClassicalJacobi(MethodContext& ctx) { RunJacobiRotations(ctx, "Jacobi旋转法"); }

void JacobiPassBarrier(MethodContext& ctx) { RunJacobiRotations(ctx, "Jacobi过关法"); }

}  // namespace tessaly
