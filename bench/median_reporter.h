// The console reporter of the benchmarks that also keeps each benchmark's CPU and wall time
// (the median when run with --benchmark_repetitions, otherwise the single run) by name and
// argument, so that a benchmark can print its table of ratios at the end of the run.
#pragma once

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace tessaly {

class MedianReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      const bool single = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
      if (median || single) {
        const int arg = std::stoi(r.run_name.args);
        times_[r.run_name.function_name][arg] = r.GetAdjustedCPUTime();
        wallTimes_[r.run_name.function_name][arg] = r.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // CPU time in the benchmark's unit; NaN when that benchmark did not run.
  double Time(const std::string& name, int arg) const { return Find(times_, name, arg); }
  // Wall-clock time, likewise: what a user waits, other threads' work included.
  double WallTime(const std::string& name, int arg) const {
    return Find(wallTimes_, name, arg);
  }

  bool Empty() const { return times_.empty(); }

 private:
  using Times = std::map<std::string, std::map<int, double>>;
  static double Find(const Times& times, const std::string& name, int arg) {
    auto b = times.find(name);
    if (b == times.end()) return NAN;
    auto v = b->second.find(arg);
    return v == b->second.end() ? NAN : v->second;
  }
  Times times_, wallTimes_;
};

// The whole of a benchmark program: registers its benchmarks, runs those the command line
// selects, and prints its table of ratios from what was measured.
inline int RunBenchmarks(int argc, char** argv, void (*registerAll)(),
                         void (*printTable)(const MedianReporter&)) {
  benchmark::Initialize(&argc, argv);
  registerAll();
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  printTable(reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace tessaly
