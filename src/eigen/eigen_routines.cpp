#include "eigen/eigen_routines.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/assign.h"
#include "common/number_text.h"
#include "common/text_util.h"

namespace tessaly {
namespace {

// Σ p(i, j)·q(j, k) over j = 1 … inner, adding term by term and skipping a term whose
// addition does not give a finite sum.
double TermByTermSum(const Matrix& p, const Matrix& q, int i, int k, int inner) {
  double sum = 0;
  for (int j = 1; j <= inner; ++j) SetIfFinite(sum, sum + p(i, j) * q(j, k));
  return sum;
}

}  // namespace

bool RoundedMatrixProduct(const Matrix& p, const Matrix& q, int rows, int inner, int cols,
                          int digits, Matrix& r) {
  if (r.Rows() != rows || r.Cols() != cols) r = Matrix(rows, cols);
  std::vector<double> sums(static_cast<size_t>(cols));
  bool complete = true;
  for (int i = 1; i <= rows; ++i) {
    // Row i of p times q, accumulated row of q by row of q: every sums[k] still adds its
    // terms in increasing j, so it is the same sum as the entry-by-entry loop, and the
    // inner loop runs along contiguous rows.
    std::fill(sums.begin(), sums.end(), 0.0);
    const double* pRow = p.Row(i);
    for (int j = 0; j < inner; ++j) {
      const double pij = pRow[j];
      const double* qRow = q.Row(j + 1);
      double* s = sums.data();
      for (int k = 0; k < cols; ++k) s[k] += pij * qRow[k];
    }
    double* rRow = r.Row(i);
    for (int k = 0; k < cols; ++k) {
      double sum = sums[k];
      // A sum that is not finite met an overflowing term: add term by term, skipping it.
      if (!std::isfinite(sum)) {
        sum = TermByTermSum(p, q, i, k + 1, inner);
        complete = false;
      }
      rRow[k] = Round(sum, digits);
    }
  }
  return complete;
}

bool RoundedMatrixVectorProduct(const Matrix& a, const Vector& x, int n, int digits, Vector& y) {
  if (y.Size() != n) y = Vector(n);
  bool complete = true;
  for (int i = 1; i <= n; ++i) {
    const double* row = a.Row(i);
    double sum = 0;
    for (int j = 1; j <= n; ++j) sum += row[j - 1] * x(j);
    if (!std::isfinite(sum)) {
      sum = 0;
      for (int j = 1; j <= n; ++j) SetIfFinite(sum, sum + row[j - 1] * x(j));
      complete = false;
    }
    y(i) = Round(sum, digits);
  }
  return complete;
}

double MaxComponent(const Vector& v, int n) {
  double largest = -1.79769313486231E+308;
  for (int i = 1; i <= n; ++i)
    if (v(i) > largest) largest = v(i);
  return largest;
}

SolveOutcome TriangularSolve(Dialogs& dialogs, const Matrix& l, const Matrix& u, const Vector& b,
                             int n, int digits, Vector& y, Vector& x) {
  y = Vector(n);
  x = Vector(n);
  bool complete = true;
  // Σ row[j - 1]·v(j) over j = from … to, added term by term; a term whose addition would
  // overflow is skipped (only looked for when the plain sum is not finite).
  auto sum = [&complete](const double* row, const Vector& v, int from, int to) {
    double s = 0;
    for (int j = from; j <= to; ++j) s += row[j - 1] * v(j);
    if (std::isfinite(s)) return s;
    complete = false;
    s = 0;
    for (int j = from; j <= to; ++j) SetIfFinite(s, s + row[j - 1] * v(j));
    return s;
  };
  auto set = [&complete](double& target, double value) {
    if (!SetIfFinite(target, value)) complete = false;
  };
  set(y(1), b(1));
  for (int i = 2; i <= n; ++i) set(y(i), Round(b(i) - sum(l.Row(i), y, 1, i - 1), digits));
  for (int k = n; k >= 1; --k) {
    const double s = sum(u.Row(k), x, k + 1, n);
    if (u(k, k) == 0) {
      dialogs.MsgBox("此方法不合适！");
      return SolveOutcome::ZeroPivot;
    }
    set(x(k), Round((y(k) - s) / u(k, k), digits));
  }
  return complete ? SolveOutcome::Solved : SolveOutcome::Overflow;
}

std::pair<int, int> LargestOffDiagonal(const Matrix& m, int rowBound, int colBound) {
  std::pair<int, int> at{0, 0};
  double largest = 0;
  for (int i = 1; i <= rowBound; ++i) {
    for (int j = i + 1; j <= colBound; ++j) {
      const double modulus = std::fabs(m(i, j));
      if (modulus > largest) {
        largest = modulus;
        at = {i, j};
      }
    }
  }
  return at;
}

void AppendVectorField(std::string& out, double v) {
  AppendRightAlignedNumberText(out, v, kFieldWidth);
}

void AppendVectorListing(std::string& out, const Vector& v, int n, VectorLayout layout) {
  for (int i = 1; i <= n; ++i) {
    AppendVectorField(out, v(i));
    if (layout == VectorLayout::Stacked) out.append(kCrLf);
  }
}

void AppendFieldMatrix(std::string& out, const Matrix& m, int n, double zeroBelow) {
  for (int i = 1; i <= n; ++i) {
    const double* row = m.Row(i);
    for (int j = 0; j < n; ++j) AppendVectorField(out, std::fabs(row[j]) < zeroBelow ? 0 : row[j]);
    out.append(kCrLf);
  }
}

void ReserveReport(std::string& out, uint64_t bytes) {
  constexpr uint64_t kLargestReservation = uint64_t{64} << 20;
  out.reserve(static_cast<size_t>(std::min(bytes, kLargestReservation)));
}

std::optional<double> AskEigenPrecision(Dialogs& dialogs, std::string_view defaultText) {
  const std::string reply =
      dialogs.InputBox("输入矩阵特征值的精度值 eps：", "输入数据", defaultText);
  const std::string_view trimmed = TrimBlanks(reply);
  if (trimmed.empty()) return std::nullopt;
  // A number too large for a double fails to read and leaves eps 0.
  double eps = 0;
  SetIfFinite(eps, LeadingNumber(trimmed));
  return eps;
}

}  // namespace tessaly
