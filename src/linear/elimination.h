// Gaussian elimination with and without pivoting, the determinant and the inverse by
// column-pivot elimination: the methods of the linear-systems window (the determinant and
// the inverse also serve the eigenvalue window).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/matrix.h"
#include "common/method_context.h"

namespace tessaly {

// Gaussian elimination without pivoting ("Gauss消去法").
void Gauss_1(MethodContext& ctx);
// Gaussian elimination with column pivoting ("Gauss列主元消去法").
void GaussTier(MethodContext& ctx);
// Gaussian elimination with full pivoting ("Gauss全主元消去法").
void GaussFull(MethodContext& ctx);
// The determinant by column-pivot elimination ("列主元求行列式").
void A_range(MethodContext& ctx);
// The inverse by Gauss-Jordan elimination with column pivoting ("列主元求逆矩阵").
void A_matrix(MethodContext& ctx);

// Eliminates the first column of the m by m + 1 matrix S below its first row, in place;
// every updated entry is rounded to digits + 1 decimals. Returns false when a division by
// the pivot S(1, 1) failed and was skipped.
bool EliminantFirst(Matrix& S, int m, int digits);

namespace elimination_detail {

// n^3 / 3: the inner steps of eliminating an order-n matrix.
uint64_t EliminationSteps(int n);

// Rows k + 1 .. n of B minus the multiple of row k that clears column k, over columns
// k .. cols, each updated entry rounded to `places` decimals. m is the multiplier: a
// division that fails leaves the multiplier of the previous row. Returns false when a
// division by the pivot B(k, k) failed and was skipped.
bool EliminateBelow(Matrix& B, int n, int k, int cols, int places, double& m);

// Column-pivot elimination of the augmented matrix B (n by n + 1): in step k the row with
// the largest entry of column k from row k on is exchanged with row k over columns
// k .. n + 1, then the rows below are eliminated as by EliminateBelow. Returns false when
// a division by a pivot failed and was skipped.
bool EliminateWithColumnPivots(Matrix& B, int n, int places, Progress* progress = nullptr);

// x(n) = B(n, n + 1) / B(n, n), then x(k) for k = n - 1 down to 1, each rounded to
// `places` decimals; a division that fails leaves its unknown at 0. Returns false when a
// division by a diagonal entry failed and was skipped.
bool BackSubstitute(const Matrix& B, int n, int places, Vector& x);

// After the report of an elimination in which a division by a pivot was skipped: the
// solution printed is not to be trusted.
void WarnZeroPivot(Dialogs& dialogs);

// One line "x(i)=value" per unknown, the value rounded to `places` decimals; unknown i is
// numbered number(i) (the identity when number is empty).
void AppendSolution(std::string& out, const Vector& x, int n, int places,
                    const std::vector<int16_t>& number = {});

}  // namespace elimination_detail

}  // namespace tessaly
