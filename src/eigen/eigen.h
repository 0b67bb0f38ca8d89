// The eigenvalue methods of the eigenvalue window (MatrixCValueCVector). Each reads a square
// matrix from the input pane, asks its values in input boxes and writes a step-by-step report
// into the result pane, rounding what it computes to the window's Decimal digits.
#pragma once

#include "common/method_context.h"

namespace tessaly {

// The dominant eigenvalue from the ratios of successive iterates A^k·x0 ("幂法").
void MatrixMi(MethodContext& ctx);
// The power method on A − P·I, then P added back ("原点平移法").
void MatrixCircleMove(MethodContext& ctx);
// The eigenvalue of smallest modulus by repeated solves with A = L·U ("反幂法").
void MatrixFanMi(MethodContext& ctx);
// All eigenvalues and eigenvectors of a symmetric matrix by plane rotations, each
// annihilating the off-diagonal entry of largest modulus ("古典雅可比法"); the threshold
// command ("雅可比过关法") runs the same procedure.
void ClassicalJacobi(MethodContext& ctx);
void JacobiPassBarrier(MethodContext& ctx);

}  // namespace tessaly
