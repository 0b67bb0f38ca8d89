// The value a variable has in the scan: its 15-significant-digit value text read back.
#pragma once

namespace tessaly::expr {

// The same double as RoundTo15Significant(v) (printing with 15 significant digits and
// reading back), by exact arithmetic where the power of ten is exact (1E-08 <= |v| < 1E+37),
// through the text otherwise.
double Round15(double v);

// The value the scan reads for the value text of v: Round15(v) for finite v, except that
// minus zero is written "0" and so reads +0. A non-finite v enters as itself.
inline double ScanValue(double v) {
  if (v == 0) return 0.0;
  return Round15(v);
}

}  // namespace tessaly::expr
