// The interpolation methods of the interpolation window (InsertValue). Each reads the
// function table typed into the input pane, prints the table and the interpolating
// function as a formula text the expression engine reads back, offers to evaluate it at a
// typed x, and offers to plot it.
#pragma once

#include "common/matrix.h"
#include "common/method_context.h"
#include "interp/formula_text.h"

namespace tessaly {

// Linear interpolation through the first two points ("线性插值").
void cLinerInsert(MethodContext& ctx);
// Parabolic interpolation through the first three points ("抛物线插值").
void cParabolaInsert(MethodContext& ctx);
// One line per node interval ("分段线性插值").
void cSubsectionLInS(MethodContext& ctx);
// One parabola per three neighbouring nodes ("分段抛物线插值").
void cSubsectionPInS(MethodContext& ctx);
// The Lagrange polynomial through all points ("拉格朗日插值多项式").
void cLagrangeInsert(MethodContext& ctx);
// The Newton polynomial with its divided-difference table ("牛顿插值多项式").
void cNewtonInsert(MethodContext& ctx);
// Hermite interpolation of values and first derivatives ("埃尔米特插值").
void cHermite(MethodContext& ctx);
// Newton's forward and backward formulas on equally spaced nodes, with the difference
// table ("牛顿前插公式", "牛顿后插公式").
void cINPreNewton(MethodContext& ctx);
void cINPostNewton(MethodContext& ctx);

// The cubic spline through the table, one cubic per node interval, written with the first
// derivatives m0 … mn at the nodes ("用节点处一阶导数表示的样条函数") or with the second
// derivatives M0 … Mn ("用节点处二阶导数表示的样条函数"), the two end values typed: end first
// derivatives ("给定两端点处的一阶导数值") or end second derivatives ("给定两端点处的二阶导数值").
void cTBRORankOne(MethodContext& ctx);
void cTBRORankTwo(MethodContext& ctx);
void cTBRTRankOne(MethodContext& ctx);
void cTBRTRankTwo(MethodContext& ctx);
// The least-squares polynomial of a typed degree, from the normal equations
// ("最小二乘曲线拟合").
void CMinRideCurve(MethodContext& ctx);

// The three diagonals of a tridiagonal matrix of order k, 1-based: sub(i) = A(i, i-1) for
// i = 2 … k, diag(i) = A(i, i), super(i) = A(i, i+1) for i = 1 … k-1.
struct Tridiagonal {
  explicit Tridiagonal(int k) : sub(k), diag(k), super(k) {}
  Vector sub, diag, super;
};

// Solves A x = d by the chase method (A = L U with bidiagonal factors, no pivoting); x is
// made 1 … k. A step whose arithmetic fails (a zero pivot, an overflow) is skipped and
// noted in `steps`, and its target keeps what it held (a solution entry stays 0). Returns
// false when a pivot was zero.
bool SolveTridiagonal(const Tridiagonal& A, const Vector& d, Vector& x, SkippedSteps& steps);

// Solves A x = b for a symmetric A of order k by the factorisation A = L D Lᵀ (L unit
// lower-triangular, D diagonal, no pivoting); only the lower triangle and the diagonal of A
// are read, and x is made 1 … k. Failing steps are skipped and noted as in
// SolveTridiagonal. Returns false when an entry of D was zero (a singular A).
bool SolveNormalEquations(const Matrix& A, Vector& x, const Vector& b, int k, SkippedSteps& steps);

// k! as a double (1 for k <= 1), multiplied up in the order k * (k-1)!.
double Factorial(int k);

}  // namespace tessaly
