// The determinant by column-pivot elimination, shared by the determinant command and the
// positive-definiteness test.
#pragma once

#include "common/matrix.h"

namespace tessaly {

// Reduces the square matrix d in place to upper-triangular form (entries rounded to 7
// decimals as they are updated), counts the row exchanges in swaps and returns the
// determinant. The order is d's row count.
double PivotDeterminant(Matrix& d, int& swaps);

}  // namespace tessaly
