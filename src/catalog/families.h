// The registration function of each method family. Each family registers its methods in
// the order of its window's menu.
#pragma once

#include "common/form_command.h"
#include "common/method_registry.h"

namespace tessaly {

// Gaussian elimination, pivoting, determinant and inverse (LinearFrm, MatrixCValueCVector).
void RegisterEliminationMethods(MethodRegistry& r);
// Triangular factorisations, symmetric and tridiagonal solvers, iterations, norms and
// matrix tests (LinearFrm, MatrixCValueCVector).
void RegisterFactorisationMethods(MethodRegistry& r);
// The power-type and Jacobi rotation methods (MatrixCValueCVector).
void RegisterEigenMethods(MethodRegistry& r);
// Linear, parabolic, piecewise, Lagrange, Newton, equal-spacing Newton, Hermite and cubic
// spline interpolation, and least-squares curve fitting (InsertValue).
void RegisterInterpolationMethods(MethodRegistry& r);
// The root-finding methods (Ultra).
void RegisterUltraMethods(MethodRegistry& r);

// The quadrature windows and the function plot window (ValueCalculus' children).
void RegisterCalculusCommands(FormCommandRegistry& r);
// The buttons of the ODE windows (UsDi_Euler, UsDi_RungeKutta, UsDi_Adams).
void RegisterOdeCommands(FormCommandRegistry& r);

}  // namespace tessaly
