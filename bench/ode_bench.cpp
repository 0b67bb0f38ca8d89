// The ODE windows at their largest grid (n = 32767): each window's command end to end as the
// user runs it (reading the fields, evaluating f along both formulas, writing the table),
// its two phases apart (the solver alone, the table text alone), and the reference: the
// same number of evaluations of the compiled f(x, y) alone, at points along the solution,
// measured in the same run. Ends with the table of milliseconds and ratios.
//
// Run: build-bench/ode_bench   (cmake -DTESSALY_BENCH=ON -DCMAKE_BUILD_TYPE=Release)
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "common/form_command.h"
#include "common/scripted_dialogs.h"
#include "expr/formula.h"
#include "median_reporter.h"
#include "ode/ode.h"

namespace tessaly {
namespace {

constexpr int kParts = ode::kMaxParts;
const char* const kFormulas[] = {"y", "x*y-x", "-2*x*y+sin(x)", "y*cos(x)+exp(-x^2/2)"};
constexpr int kFormulaCount = 4;

struct Window {
  const char* key;           // the registry key of its button
  int evaluationsPerStep;    // f evaluations per grid step
  int starts;                // starting values asked
};
const Window kWindows[] = {{"UsDi_Euler.Command1", 3, 1},
                           {"UsDi_RungeKutta.Command1", 7, 1},
                           {"UsDi_Adams.Command1", 3, 4}};

FormFields Fields(const FormCommand& c, int formula) {
  FormFields f(c.controls);
  f.Set("Text1", kFormulas[formula]);
  f.Set("Text2", "0");
  f.Set("Text3", "2");
  f.Set("Text4", std::to_string(kParts));
  return f;
}

std::vector<std::string> Answers(const Window& w) {
  return std::vector<std::string>(w.starts, "1");
}

void BM_Command(benchmark::State& state, int window) {
  const Window& w = kWindows[window];
  const FormCommand* c = AllFormCommands().Find(w.key);
  const FormFields fields = Fields(*c, static_cast<int>(state.range(0)));
  AppState app;
  size_t bytes = 0;
  for (auto _ : state) {
    ScriptedDialogs dialogs(Answers(w));
    FormContext ctx{fields, dialogs, app};
    FormOutcome o = c->run(ctx);
    bytes = o.result ? o.result->size() : 0;
    benchmark::DoNotOptimize(bytes);
  }
  if (bytes < 32768u * 72) state.SkipWithError("no whole table");
}

ode::Grid BenchGrid() { return ode::MakeGrid(0, 2, kParts); }

void BM_SolveRungeKutta(benchmark::State& state) {
  const FormulaXY f(NormalizeFormula(kFormulas[state.range(0)]), "y");
  const ode::Grid g = BenchGrid();
  for (auto _ : state) benchmark::DoNotOptimize(ode::SolveRungeKutta(f, g, 1).second.back());
}

void BM_TableRungeKutta(benchmark::State& state) {
  const FormulaXY f(NormalizeFormula(kFormulas[state.range(0)]), "y");
  const ode::Grid g = BenchGrid();
  const ode::Columns c = ode::SolveRungeKutta(f, g, 1);
  for (auto _ : state)
    benchmark::DoNotOptimize(ode::OdeTable("三阶龙格-库塔公式Y(n)", "四阶龙格-库塔公式Y(n)", g, c));
}

// The floor of a window: as many evaluations of the compiled formula as the window makes,
// at points along the fourth-order solution (stage-like offsets in x and y).
void BM_Reference(benchmark::State& state, int window) {
  const int perStep = kWindows[window].evaluationsPerStep;
  const FormulaXY f(NormalizeFormula(kFormulas[state.range(0)]), "y");
  const ode::Grid g = BenchGrid();
  const std::vector<double> y = ode::SolveRungeKutta(f, g, 1).second;
  const double step = g.h / perStep;
  for (auto _ : state) {
    double sum = 0;
    for (int i = 1; i <= g.n; ++i)
      for (int j = 0; j < perStep; ++j) sum += f.Evaluate(g.x[i - 1] + j * step, y[i - 1] + j * step);
    benchmark::DoNotOptimize(sum);
  }
}

void PrintTable(const MedianReporter& r) {
  std::printf("\nCPU ms, n = %d\n\n", kParts);
  std::printf("| f(x, y) | RK solve | RK table | **RK command** | RK reference (7n evals) |"
              " RK command / reference | Euler command / reference (3n) |"
              " Adams command / reference (3n) |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---:|---:|\n");
  for (int i = 0; i < kFormulaCount; ++i) {
    const double rk = r.Time("Command/UsDi_RungeKutta", i), rkRef = r.Time("Reference/7", i);
    const double eu = r.Time("Command/UsDi_Euler", i), ad = r.Time("Command/UsDi_Adams", i),
                 ref3 = r.Time("Reference/3", i);
    std::printf("| `%s` | %.1f | %.1f | **%.1f** | %.1f | %.2f | %.1f / %.1f = %.2f |"
                " %.1f / %.1f = %.2f |\n",
                kFormulas[i], r.Time("SolveRungeKutta", i), r.Time("TableRungeKutta", i), rk, rkRef,
                rk / rkRef, eu, ref3, eu / ref3, ad, ref3, ad / ref3);
  }
}

// Formula by formula, so a change of machine load falls on a command and its reference alike.
void RegisterAll() {
  for (int i = 0; i < kFormulaCount; ++i) {
    benchmark::RegisterBenchmark("Command/UsDi_RungeKutta", BM_Command, 1)->Arg(i)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Reference/7", BM_Reference, 1)->Arg(i)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SolveRungeKutta", BM_SolveRungeKutta)->Arg(i)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("TableRungeKutta", BM_TableRungeKutta)->Arg(i)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Command/UsDi_Euler", BM_Command, 0)->Arg(i)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Command/UsDi_Adams", BM_Command, 2)->Arg(i)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Reference/3", BM_Reference, 0)->Arg(i)->Unit(benchmark::kMillisecond);
  }
}

}  // namespace
}  // namespace tessaly

int main(int argc, char** argv) {
  return tessaly::RunBenchmarks(argc, argv, tessaly::RegisterAll, tessaly::PrintTable);
}
