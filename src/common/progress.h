// How far a long method has come, and whether the user asked it to stop. A window (or
// tessaly-cli on an interrupt) holds one Progress for a run and hands it to the method
// through its context; the method reports at natural points (rows eliminated, sweeps,
// steps). Where nothing watches, the context's pointer is null and reporting costs a test.
#pragma once

#include <atomic>
#include <cstdint>
#include <string_view>

namespace tessaly {

// Thrown by ReportProgress once the run was cancelled; deliberately not a std::exception,
// so that no handler for failures of the computation takes it for one.
struct MethodCancelled {};

// The line that ends a report whose calculation the user stopped.
inline constexpr std::string_view kCancelledLine = "\r\n计算已被用户取消。\r\n";
// The same line alone, for a result box that holds nothing of an unfinished run.
inline constexpr std::string_view kCancelledResult = kCancelledLine.substr(2);

class Progress {
 public:
  // Records that `done` of `total` units are done (total 0: unknown); false once cancelled.
  // Safe from any thread.
  bool Report(int64_t done, int64_t total) {
    done_.store(done, std::memory_order_relaxed);
    total_.store(total, std::memory_order_relaxed);
    return !cancelled_.load(std::memory_order_relaxed);
  }
  // Asks the method to stop at its next report; safe from any thread and from a signal
  // handler (the flag is lock-free).
  void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
  bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
  int64_t Done() const { return done_.load(std::memory_order_relaxed); }
  int64_t Total() const { return total_.load(std::memory_order_relaxed); }
  void Reset() {
    cancelled_.store(false);
    done_.store(0);
    total_.store(0);
  }

 private:
  std::atomic<bool> cancelled_{false};
  std::atomic<int64_t> done_{0}, total_{0};
};
static_assert(std::atomic<bool>::is_always_lock_free);

// Reports to `progress` (when there is one) and ends the method by throwing
// MethodCancelled when the user asked it to stop.
inline void ReportProgress(Progress* progress, int64_t done, int64_t total) {
  if (progress && !progress->Report(done, total)) throw MethodCancelled{};
}

// Reports that `k` of the `n` steps of an elimination are done, step k working on the
// (n − k)² entries below and right of its pivot: the work done, not the rows, fills the bar.
inline void ReportEliminationProgress(Progress* progress, int64_t k, int64_t n) {
  const int64_t left = n - k;
  ReportProgress(progress, n * n * n - left * left * left, n * n * n);
}

}  // namespace tessaly
