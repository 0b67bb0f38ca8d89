// The continue-on-error rule of the matrix methods: a statement whose arithmetic fails
// (division by zero, overflow, an undefined result) is skipped and its target keeps its
// previous value.
#pragma once

#include <cmath>

namespace tessaly {

// Stores value in target when it is finite; returns whether it did.
inline bool SetIfFinite(double& target, double value) {
  if (!std::isfinite(value)) return false;
  target = value;
  return true;
}

}  // namespace tessaly
