// The convergence charts' display lists at their largest runs: a 1000-iterate power-method
// series, a 101-rotation Jacobi series and the two columns of a 32 767-part ODE table (the
// last recorded by the Runge-Kutta window's own command). Each chart is built from the
// kept run as the window builds it (panels, then the display list of every panel), next to
// the reference of merely copying the run's series, measured in the same run. Ends with
// the table of milliseconds and ratios.
//
// Run: build-bench/chart_bench   (cmake -DTESSALY_BENCH=ON -DCMAKE_BUILD_TYPE=Release)
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

#include "common/chart_run.h"
#include "common/form_command.h"
#include "common/scripted_dialogs.h"
#include "median_reporter.h"
#include "pictures/convergence_chart.h"

namespace tessaly {
namespace {

const char* const kNames[] = {"power method, 1000 iterates", "Jacobi rotations, 101",
                              "ODE table, 32767 parts"};

// The estimates of a power method whose two largest eigenvalues are 3 and 2.97 (the error
// shrinks by 0.99 per iterate, so the run takes its 1000 iterates), and the largest
// off-diagonal modulus of rotations that each take a quarter of it away.
ChartRun PowerRun() {
  ChartRun r;
  r.Begin(ChartKind::Eigenvalue, "A", "幂法", 1e-12);
  for (int k = 3; k <= 1000; ++k) r.Add(k, 3 + 2 * std::pow(0.99, k));
  return r;
}

ChartRun RotationRun() {
  ChartRun r;
  r.Begin(ChartKind::OffDiagonal, "A", "Jacobi旋转法", 1e-300);
  for (int k = 0; k <= 101; ++k) r.Add(k, 5 * std::pow(0.75, k));
  return r;
}

ChartRun OdeRun() {
  const FormCommand* c = AllFormCommands().Find("UsDi_RungeKutta.Command1");
  FormFields f(c->controls);
  f.Set("Text1", "y-x^2+1");
  f.Set("Text2", "0");
  f.Set("Text3", "2");
  f.Set("Text4", "32767");
  ScriptedDialogs dialogs({"0.5"});
  AppState app;
  ChartRun run;
  FormContext ctx{f, dialogs, app, &run};
  c->run(ctx);
  return run;
}

ChartRun RunOf(int which) {
  return which == 0 ? PowerRun() : which == 1 ? RotationRun() : OdeRun();
}

void BM_Chart(benchmark::State& state) {
  const ChartRun run = RunOf(static_cast<int>(state.range(0)));
  size_t items = 0;
  for (auto _ : state) {
    items = 0;
    for (const ChartPanel& panel : MakePanels({&run})) {
      const DisplayList d = DrawPanel(panel, nullptr, true, kChartWidth, kChartHeight);
      items += d.lines.size() + d.marks.size();
    }
    benchmark::DoNotOptimize(items);
  }
  if (items == 0) state.SkipWithError("nothing drawn");
}

void BM_Copy(benchmark::State& state) {
  const ChartRun run = RunOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ChartRun copy = run;
    benchmark::DoNotOptimize(copy.series.back().y.data());
  }
}

void PrintTable(const MedianReporter& r) {
  std::printf("\nCPU ms\n\n| run | chart display list | copying the series | ratio |\n");
  std::printf("|---|---:|---:|---:|\n");
  for (int i = 0; i < 3; ++i) {
    const double chart = r.Time("Chart", i), copy = r.Time("Copy", i);
    std::printf("| %s | %.4f | %.4f | %.1f |\n", kNames[i], chart, copy, chart / copy);
  }
}

void RegisterAll() {
  for (int i = 0; i < 3; ++i) {
    benchmark::RegisterBenchmark("Chart", BM_Chart)->Arg(i)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Copy", BM_Copy)->Arg(i)->Unit(benchmark::kMillisecond);
  }
}

}  // namespace
}  // namespace tessaly

int main(int argc, char** argv) {
  return tessaly::RunBenchmarks(argc, argv, tessaly::RegisterAll, tessaly::PrintTable);
}
