#include "pictures/ticks.h"

#include <cmath>

#include "common/number_text.h"

namespace tessaly {

RoundTicks MakeRoundTicks(double lo, double hi, int target) {
  RoundTicks ticks;
  const double span = hi - lo;
  if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(span) || !(span > 0))
    return ticks;
  if (target < 2) target = 2;
  const double raw = span / target;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = 10 * power;
  for (double m : {1.0, 2.0, 5.0}) {
    if (m * power >= raw) {
      step = m * power;
      break;
    }
  }
  if (!(step > 0) || !std::isfinite(step)) return ticks;
  ticks.step = step;
  const double first = std::ceil(lo / step), last = std::floor(hi / step);
  // A span too narrow for its magnitude (x near 1E+300 at a 1E-10 step) has no room for
  // distinct ticks: give none rather than thousands of equal ones.
  if (!(last - first < 1000)) return ticks;
  for (double k = first; k <= last; ++k) ticks.values.push_back(k * step);
  return ticks;
}

std::vector<int> MakeDecadeTicks(double lo, double hi, int target) {
  std::vector<int> decades;
  if (!std::isfinite(lo) || !std::isfinite(hi) || !(hi >= lo) || hi - lo > 5000) return decades;
  if (target < 1) target = 1;
  const int first = static_cast<int>(std::ceil(lo)), last = static_cast<int>(std::floor(hi));
  const int count = last - first + 1;
  int every = 1;
  for (int m : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}) {
    every = m;
    if (count / m <= target) break;
  }
  for (int k = first; k <= last; ++k)
    if (k % every == 0) decades.push_back(k);
  return decades;
}

std::string TickText(double value, double step) {
  if (!(step > 0)) return PlainNumberText(value);
  return PlainNumberText(std::round(value / step) * step + 0.0);  // no "-0"
}

std::string DecadeText(int exponent) { return PlainNumberText(std::pow(10.0, exponent)); }

}  // namespace tessaly
