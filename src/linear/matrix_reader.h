// Reading a typed matrix from the input pane.
#pragma once

#include <string_view>

#include "common/matrix.h"

namespace tessaly {

// Augmented form: fills m (created by the caller with n rows and n + 1 columns) from text.
// Rows are separated by line breaks or "#", entries by blanks (a tab counts as one) or commas; each entry is a
// formula read with EvaluateConstantText. Never shows a message.
void ReadMatrixText(Matrix& m, int n, std::string_view text);

// Square form: creates and returns an n by n matrix read the same way, n entries per row.
Matrix ReadSquareMatrixText(int n, std::string_view text);

}  // namespace tessaly
