// The interpolation methods of the interpolation window (InsertValue). Each reads the
// function table typed into the input pane, prints the table and the interpolating
// function as a formula text the expression engine reads back, offers to evaluate it at a
// typed x, and offers to plot it.
#pragma once

#include "common/method_context.h"

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

// k! as a double (1 for k <= 1), multiplied up in the order k * (k-1)!.
double Factorial(int k);

}  // namespace tessaly
