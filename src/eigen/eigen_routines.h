// The routines the eigenvalue methods share: products rounded to the window's Decimal
// digits, the triangular solve of the inverse power method, the largest off-diagonal entry
// of the Jacobi rotations, and the report pieces (vector fields, listings, matrices in
// fields).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/dialogs.h"
#include "common/matrix.h"

namespace tessaly {

// The width of a vector field and of a matrix printed in fields.
inline constexpr int kFieldWidth = 24;

// r = p·q for p (rows × inner) and q (inner × cols): r(i, k) is the sum of p(i, j)·q(j, k)
// over j = 1 … inner in increasing order, rounded once to `digits` decimals. r is made
// rows × cols. A term whose addition would overflow is skipped and the sum goes on without
// it (the continue-on-error rule); the return value tells whether every term was added.
bool RoundedMatrixProduct(const Matrix& p, const Matrix& q, int rows, int inner, int cols,
                          int digits, Matrix& r);

// y = a·x for the first n rows and columns of a, each component rounded to `digits`
// decimals; y is made of size n. Returns whether every term was added (as above).
bool RoundedMatrixVectorProduct(const Matrix& a, const Vector& x, int n, int digits, Vector& y);

// The largest component of v(1 … n) by signed value; the first of equal maxima wins.
double MaxComponent(const Vector& v, int n);

enum class SolveOutcome {
  Solved,
  ZeroPivot,  // a zero diagonal entry of U stopped the back substitution
  Overflow,   // some statement overflowed and was skipped
};

// Solves L·y = b (L unit lower triangular) and then U·x = y, rounding every component but
// y(1) to `digits` decimals; y and x are made fresh zero vectors of size n. A zero U(k, k)
// shows "此方法不合适！" and leaves x(k) … x(1) at 0.
SolveOutcome TriangularSolve(Dialogs& dialogs, const Matrix& l, const Matrix& u, const Vector& b,
                             int n, int digits, Vector& y, Vector& x);

// The position (p, q), p < q, of the first entry of largest modulus in the strict upper
// triangle of m (rows 1 … rowBound, columns up to colBound), scanned row by row; (0, 0)
// when every such entry is zero or rowBound is below 1.
std::pair<int, int> LargestOffDiagonal(const Matrix& m, int rowBound, int colBound);

// A vector field: the plain number text of v right-aligned in kFieldWidth characters.
void AppendVectorField(std::string& out, double v);

enum class VectorLayout { Inline = 1, Stacked = 2 };

// v(1) … v(n) as vector fields: all on one line (Inline, no line break at all), or each
// followed by CR LF (Stacked).
void AppendVectorListing(std::string& out, const Vector& v, int n, VectorLayout layout);

// The n × n matrix m as rows of vector fields, CR LF after each row. Entries whose modulus
// is below `zeroBelow` are printed as 0.
void AppendFieldMatrix(std::string& out, const Matrix& m, int n, double zeroBelow = 0);

// Reserves room for a report of about `bytes` bytes (at most 64 MiB; a longer report grows as
// it goes), so that a long report is not copied again and again while it is written.
void ReserveReport(std::string& out, uint64_t bytes);

// The precision question of the eigenvalue methods ("输入矩阵特征值的精度值 eps：",
// title "输入数据"): the leading number of the reply, or nothing when the reply is empty
// (Cancel included) once trimmed of blanks.
std::optional<double> AskEigenPrecision(Dialogs& dialogs, std::string_view defaultText);

}  // namespace tessaly
