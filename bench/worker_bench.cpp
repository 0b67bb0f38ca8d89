// What running a method on a window's worker thread costs: Gaussian elimination of a 3 × 3
// system as a method, called directly and through the worker (a thread started and joined,
// its box shown by the window's thread, the end handed back to it). The table gives the
// worker's overhead per run, which must stay under a millisecond.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QObject>
#include <cstdio>

#include "common/method_registry.h"
#include "common/scripted_dialogs.h"
#include "common/ui/worker_run.h"
#include "median_reporter.h"

namespace tessaly {
namespace {

const std::string kSystem = "10 -1 2 6\r\n-1 11 -1 25\r\n2 -1 10 -11";

void RunGauss(Dialogs& dialogs, Progress* progress) {
  static const MethodEntry* gauss = AllMethods().Find("LinearFrm", "Gauss_1");
  ResultPane pane;
  MethodContext ctx{kSystem, pane, dialogs, 6};
  ctx.progress = progress;
  gauss->run(ctx);
  benchmark::DoNotOptimize(pane.Text().data());
}

void BM_Direct(benchmark::State& state) {
  for (auto _ : state) {
    ScriptedDialogs dialogs({"3"});
    RunGauss(dialogs, nullptr);
  }
}

void BM_ThroughWorker(benchmark::State& state) {
  QObject window;
  WorkerRun run(&window, nullptr, nullptr);
  for (auto _ : state) {
    ScriptedDialogs script({"3"});
    WindowThreadDialogs dialogs(run, script);
    run.Run([&] { RunGauss(dialogs, &run.RunProgress()); }, [](std::exception_ptr) {});
  }
}

void RegisterAll() {
  benchmark::RegisterBenchmark("BM_Direct", BM_Direct)
      ->Arg(3)
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_ThroughWorker", BM_ThroughWorker)
      ->Arg(3)
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);
}

void PrintTable(const MedianReporter& r) {
  // Wall time: what the user waits for, the worker's start, hand-overs and join included.
  const double direct = r.WallTime("BM_Direct", 3), worker = r.WallTime("BM_ThroughWorker", 3);
  std::printf("\n3 x 3 elimination (wall time): direct %.1f us, through the worker %.1f us, "
              "overhead %.1f us (%.3f ms; must stay under 1 ms), ratio %.1f\n",
              direct, worker, worker - direct, (worker - direct) / 1000, worker / direct);
}

}  // namespace
}  // namespace tessaly

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return tessaly::RunBenchmarks(argc, argv, tessaly::RegisterAll, tessaly::PrintTable);
}
