// Ctrl+C (SIGINT) while tessaly-cli runs a method: the method stops at its next progress
// point, the report so far is written with the line that says it was cancelled, and the
// program ends with status 130, as a shell expects of an interrupted program.
#pragma once

#include "common/progress.h"

namespace tessaly {

inline constexpr int kInterruptedStatus = 130;

// While one lives, SIGINT cancels Progress(); the previous handler comes back after.
class InterruptCancels {
 public:
  InterruptCancels();
  ~InterruptCancels();
  InterruptCancels(const InterruptCancels&) = delete;
  InterruptCancels& operator=(const InterruptCancels&) = delete;

  Progress* progress();

 private:
  void (*previous_)(int);
};

}  // namespace tessaly
