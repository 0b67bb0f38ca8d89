#include "cli/interrupt.h"

#include <csignal>

namespace tessaly {
namespace {

Progress& Interrupts() {
  static Progress progress;
  return progress;
}

extern "C" void CancelOnInterrupt(int) { Interrupts().Cancel(); }

}  // namespace

InterruptCancels::InterruptCancels() {
  Interrupts().Reset();
  previous_ = std::signal(SIGINT, CancelOnInterrupt);
}

InterruptCancels::~InterruptCancels() { std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_); }

Progress* InterruptCancels::progress() { return &Interrupts(); }

}  // namespace tessaly
