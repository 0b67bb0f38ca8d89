// The root-finding methods of the nonlinear-equations window (Ultra). Each solves
// f(x) = 0 for the formula typed into the input pane, asks its other values in input
// boxes and writes a step-by-step report into the result pane.
#pragma once

#include "common/method_context.h"

namespace tessaly {

// Bisection on a typed interval ("二分法").
void CalculateDichotomy(MethodContext& ctx);
// Fixed-point iteration x = phi(x) ("迭代法").
void CalculateIterative(MethodContext& ctx);
// Fixed-point iteration with an acceleration factor q ("迭代-加速法").
void IterativeSpeedUp(MethodContext& ctx);
// Aitken-accelerated fixed-point iteration ("埃特金加速法").
void CalculateAitken(MethodContext& ctx);
// Newton's method with a typed derivative ("牛顿切线法").
void CalculateNewton(MethodContext& ctx);
// Two-point secant method ("弦截法").
void CalculateXianJie(MethodContext& ctx);

}  // namespace tessaly
