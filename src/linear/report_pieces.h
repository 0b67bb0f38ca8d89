// Small report pieces shared by the factorisation, iteration and norm commands, and the
// sizes they check before allocating.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/matrix.h"
#include "common/number_text.h"
#include "common/text_util.h"

namespace tessaly::linear_report {

// v(1) … v(n) on one line, each preceded by separator, as plain number texts; no line break.
inline void AppendVectorLine(std::string& out, const Vector& v, int n, std::string_view separator) {
  for (int i = 1; i <= n; ++i) {
    out.append(separator);
    AppendPlainNumberText(out, v(i));
  }
}

// The same with each value rounded to k decimals.
inline void AppendRoundedVectorLine(std::string& out, const Vector& v, int n,
                                    std::string_view separator, int k) {
  for (int i = 1; i <= n; ++i) {
    out.append(separator);
    AppendPlainNumberText(out, Round(v(i), k));
  }
}

// A computed matrix with an empty line after every row (the U blocks).
inline void AppendSpacedRoundedMatrix(std::string& out, const Matrix& m, int n,
                                      std::string_view separator, int k) {
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      out.append(separator);
      AppendPlainNumberText(out, Round(m(i, j), k));
    }
    out.append(kCrLf);
    out.append(kCrLf);
  }
}

// "name(i)=" followed by the value rounded to k decimals; no line break.
inline void AppendIndexedValue(std::string& out, std::string_view name, int i, double v, int k) {
  out.append(name);
  out.append("(");
  out.append(PlainIntegerText(i));
  out.append(")=");
  AppendPlainNumberText(out, Round(v, k));
}

// Doubles held by an n by cols matrix.
inline uint64_t MatrixDoubles(int n, int cols) {
  return static_cast<uint64_t>(n) * static_cast<uint64_t>(cols);
}

}  // namespace tessaly::linear_report
