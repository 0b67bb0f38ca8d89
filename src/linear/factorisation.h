// The triangular factorisations, the symmetric and tridiagonal solvers, the stationary
// iterations, the norms and the matrix tests of the linear-systems window (the norms, the
// tests and MatrixBreak also serve the eigenvalue window).
#pragma once

#include <string_view>

#include "common/matrix.h"
#include "common/method_context.h"

namespace tessaly {

// The not-suitable message of MatrixBreak in each window.
inline constexpr std::string_view kMatrixBreakMessageLinear = "此方法不合适#";
inline constexpr std::string_view kMatrixBreakMessageEigen = "此方法不合适!";

// Shown by SqrtRoot when a radicand is not positive (the matrix is not positive definite)
// and by Purase when a pivot of the chase is zero; the command then ends with an empty
// result pane.
inline constexpr std::string_view kSqrtRootNotPositiveMessage =
    "系数矩阵不是对称正定矩阵，平方根法不适用！";
inline constexpr std::string_view kPuraseZeroPivotMessage = "追赶过程中出现零主元，追赶法不适用！";

// Triangular factorisation A = L·U (Doolittle); shows L and U. notSuitable is the window's
// message for a zero pivot.
void MatrixBreak(MethodContext& ctx, std::string_view notSuitable = kMatrixBreakMessageLinear);
// Solves the system by A = L·U, L·y = b, U·x = y.
void LU_break(MethodContext& ctx);
// The same with a row exchange before each column of L (largest candidate by signed value).
void TierLU(MethodContext& ctx);

// Cholesky A = L·Lᵀ.
void SqrtRoot(MethodContext& ctx);
// A = L·D·Lᵀ.
void MendSqrt(MethodContext& ctx);
// The chase method for tridiagonal systems.
void Purase(MethodContext& ctx);

// Stationary iterations.
void JacobiDie(MethodContext& ctx);
void Gauss_SeidelDie(MethodContext& ctx);
void SorDie(MethodContext& ctx);

// Norms and matrix tests.
void VectorModel(MethodContext& ctx);
void MatrixModel(MethodContext& ctx);
void CMatrixJudge(MethodContext& ctx);
void StrictMatrixJudge(MethodContext& ctx);

// The index of the largest of v(lo) … v(hi) by signed value; only a strictly greater
// element replaces the one found, so the first maximum wins.
int ArgMaxIndex(const Vector& v, int lo, int hi);

// The vector typed on the first line of text: entries separated by blanks (a tab counts as one), each read with
// EvaluateConstantText. Commas do not separate entries.
Vector ReadVectorText(std::string_view text);

// The component of y(1) … y(m) of largest modulus, with its sign, rounded to single
// precision. A later component is taken only when its modulus is strictly greater.
double MaxModulusComponent(const Vector& y, int m);

}  // namespace tessaly
