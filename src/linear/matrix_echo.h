// Writing a matrix into a report: for each row, for each entry a separator and the
// entry's text, then CRLF.
#pragma once

#include <string>
#include <string_view>

#include "common/matrix.h"

namespace tessaly {

// Rows 1 .. rows and columns 1 .. cols of m, each entry as its plain number text
// (the echo of an input matrix).
void AppendMatrixEcho(std::string& out, const Matrix& m, int rows, int cols,
                      std::string_view separator);

// The same with the rounded number text with k digits (a computed matrix).
void AppendRoundedMatrix(std::string& out, const Matrix& m, int rows, int cols,
                         std::string_view separator, int k);

}  // namespace tessaly
