#include "linear/matrix_echo.h"

#include "common/number_text.h"
#include "common/text_util.h"

namespace tessaly {

void AppendMatrixEcho(std::string& out, const Matrix& m, int rows, int cols,
                      std::string_view separator) {
  for (int i = 1; i <= rows; ++i) {
    const double* row = m.Row(i);
    for (int j = 0; j < cols; ++j) {
      out.append(separator);
      AppendPlainNumberText(out, row[j]);
    }
    out.append(kCrLf);
  }
}

void AppendRoundedMatrix(std::string& out, const Matrix& m, int rows, int cols,
                         std::string_view separator, int k) {
  for (int i = 1; i <= rows; ++i) {
    const double* row = m.Row(i);
    for (int j = 0; j < cols; ++j) {
      out.append(separator);
      AppendRoundedNumberText(out, row[j], k);
    }
    out.append(kCrLf);
  }
}

}  // namespace tessaly
