// Row and column routines shared by the pivoting solvers of the linear-systems window.
#pragma once

#include "common/matrix.h"

namespace tessaly {

// If a != b, exchanges rows a and b of M over columns 1 .. m + 1.
void SwapRowsAugmented(Matrix& M, int a, int b, int m);

// If a != b, exchanges rows a and b of M over columns 1 .. m.
void SwapRows(Matrix& M, int a, int b, int m);

// If a != b, exchanges columns a and b of M over rows 1 .. m.
void SwapColumns(Matrix& M, int a, int b, int m);

// The position (r, c) of the entry of largest absolute value in rows and columns 1 .. m of
// M; rows and then columns are scanned in order and only a strictly larger entry moves the
// position, so the first maximum in row-major order wins. (1, 1) when m < 1.
void FindLargestEntry(const Matrix& M, int m, int& r, int& c);

// S(i - k + 1, j - k + 1) = B(i, j) for i = k .. n and j = k .. n + 1.
void ExtractTrailingBlock(const Matrix& B, int n, int k, Matrix& S);

}  // namespace tessaly
