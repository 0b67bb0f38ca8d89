#include "linear/matrix_routines.h"

#include <cmath>
#include <utility>

namespace tessaly {

void SwapRowsAugmented(Matrix& M, int a, int b, int m) { SwapRows(M, a, b, m + 1); }

void SwapRows(Matrix& M, int a, int b, int m) {
  if (a == b) return;
  double* ra = M.Row(a);
  double* rb = M.Row(b);
  for (int j = 0; j < m; ++j) std::swap(ra[j], rb[j]);
}

void SwapColumns(Matrix& M, int a, int b, int m) {
  if (a == b) return;
  for (int i = 1; i <= m; ++i) std::swap(M(i, a), M(i, b));
}

void FindLargestEntry(const Matrix& M, int m, int& r, int& c) {
  r = 1;
  c = 1;
  if (m < 1) return;
  double largest = std::fabs(M(1, 1));
  for (int i = 1; i <= m; ++i) {
    const double* row = M.Row(i);
    for (int j = 1; j <= m; ++j) {
      double a = std::fabs(row[j - 1]);
      if (a > largest) {
        largest = a;
        r = i;
        c = j;
      }
    }
  }
}

void ExtractTrailingBlock(const Matrix& B, int n, int k, Matrix& S) {
  for (int i = k; i <= n; ++i) {
    const double* from = B.Row(i);
    double* to = S.Row(i - k + 1);
    for (int j = k; j <= n + 1; ++j) to[j - k] = from[j - 1];
  }
}

}  // namespace tessaly
