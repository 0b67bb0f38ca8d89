// Tick positions for chart axes: round values (1, 2 or 5 times a power of ten) on a linear
// axis, whole decades on a log10 axis, and their labels.
#pragma once

#include <string>
#include <vector>

namespace tessaly {

// The multiples of a round step (1, 2 or 5 times a power of ten) inside [lo, hi], the step
// chosen so that there are about `target` of them (at least 2 where the range allows).
// Empty for an empty, reversed or non-finite range.
struct RoundTicks {
  double step = 0;
  std::vector<double> values;
};
RoundTicks MakeRoundTicks(double lo, double hi, int target);

// On a log10 axis (values given as their logarithms): the whole decades inside [lo, hi],
// every one, or every 2nd, 5th, 10th ... when there would be more than `target`.
std::vector<int> MakeDecadeTicks(double lo, double hi, int target);

// A tick's label: the value as its step's multiple, so that 0.1 + 0.2 shows as 0.3.
std::string TickText(double value, double step);
// A decade's label: 1E-05, 0.1, 1, 100, 1E+15 ... in the program's number form.
std::string DecadeText(int exponent);

}  // namespace tessaly
