// The shared routines where a plausible slip would not show in the reports above: the product
// rounds each sum once and skips only the overflowing term, the largest component is taken
// by signed value, and the first of equal off-diagonal entries wins.
#include "eigen/eigen_routines.h"

#include <gtest/gtest.h>

#include <utility>

namespace tessaly {
namespace {

Matrix Of(int rows, int cols, std::initializer_list<double> entries) {
  Matrix m(rows, cols);
  auto it = entries.begin();
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) m(i, j) = *it++;
  return m;
}

TEST(EigenRoutines, ProductRoundsEachSumOnceAndSkipsOverflowingTerms) {
  Matrix r;
  // 1/3 + 1/3 rounds to 0.666667; rounding each term first would give 0.666666.
  EXPECT_TRUE(
      RoundedMatrixProduct(Of(1, 2, {1.0 / 3, 1.0 / 3}), Of(2, 2, {1, 0, 1, 2}), 1, 2, 2, 6, r));
  EXPECT_EQ(r(1, 1), 0.666667);
  EXPECT_EQ(r(1, 2), 0.666667);
  // 1E+308 + 1E+308 overflows and is skipped; the sum goes on with -1E+308.
  EXPECT_FALSE(
      RoundedMatrixProduct(Of(1, 3, {1e308, 1e308, -1e308}), Of(3, 1, {1, 1, 1}), 1, 3, 1, 6, r));
  EXPECT_EQ(r(1, 1), 0);
  Vector y;
  Vector x(3);
  x(1) = x(2) = x(3) = 1;
  EXPECT_FALSE(
      RoundedMatrixVectorProduct(Of(3, 3, {1e308, 1e308, -1e308, 1, 2, 3, 0, 0, 0}), x, 3, 6, y));
  EXPECT_EQ(y(1), 0);
  EXPECT_EQ(y(2), 6);
}

TEST(EigenRoutines, MaxComponentAndLargestOffDiagonal) {
  Vector v(3);
  v(1) = -5, v(2) = -1, v(3) = -2;
  EXPECT_EQ(MaxComponent(v, 3), -1);  // by signed value, not by modulus
  // The first entry of largest modulus in the upper triangle, row by row.
  const Matrix m = Of(3, 3, {9, 2, -3, 7, 9, 3, 0, 0, 9});
  EXPECT_EQ(LargestOffDiagonal(m, 3, 3), std::make_pair(1, 3));
  EXPECT_EQ(LargestOffDiagonal(Of(2, 2, {1, 0, 5, 1}), 2, 2), std::make_pair(0, 0));
  EXPECT_EQ(LargestOffDiagonal(m, 0, 3), std::make_pair(0, 0));
}

}  // namespace
}  // namespace tessaly
