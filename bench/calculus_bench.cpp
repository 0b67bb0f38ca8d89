// CompFormual's button with the composite Cotes rule at n = 32767 (4n + 1 = 131 069 values
// of f for the integral, about 500 more for the area plot), end to end as the window runs it:
// reading the controls, normalising and analysing the formula, the rule, the result text and
// the area plot's display list. The reference, measured in the same run, is the compiled
// formula alone evaluated as many times, at as many points spread evenly over [a, b].
//
// Run: build-bench/calculus_bench   (cmake -DTESSALY_BENCH=ON -DCMAKE_BUILD_TYPE=Release)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "calculus/calculus.h"
#include "common/scripted_dialogs.h"
#include "expr/formula.h"
#include "median_reporter.h"

namespace tessaly {
namespace {

const char* const kFormulas[] = {"x^2", "x*exp(-x)", "sin(x)+cos(2*x)-tan(x/4)",
                                 "exp(-x^2/2)*cos(3*x)+log(1+x^2)"};
constexpr double kA = 0.5, kB = 2.5;
constexpr int kN = 32767;

// How many values of f one press computes: the rule's 4n + 1, the range scan's and the
// area lines' samples.
long PressEvaluations() {
  long scan = 0, area = 0;
  const double s = (kB - kA) / 100;
  for (double x = kA; x <= kB; x += s) ++scan;
  for (double x = kA; x <= kB; x += s / 4) ++area;
  return 4L * kN + 1 + scan + area;
}

void BM_Press(benchmark::State& state) {
  const FormCommand* command = AllFormCommands().Find("CompFormual.Command1");
  FormFields fields(command->controls);
  fields.Set("Text1", kFormulas[state.range(0)]);
  fields.Set("Text2", "0.5");
  fields.Set("Text3", "2.5");
  fields.Set("Combo1", kCompositeCotes);
  fields.Set("Text4", std::to_string(kN));
  AppState app;
  size_t lines = 0;
  for (auto _ : state) {
    ScriptedDialogs dialogs;
    FormContext ctx{fields, dialogs, app};
    FormOutcome outcome = command->run(ctx);
    if (!outcome.result || !outcome.picture) state.SkipWithError("the press failed");
    lines = outcome.picture->lines.size();
    benchmark::DoNotOptimize(outcome);
  }
  state.counters["area lines"] = static_cast<double>(lines - 2);
}

void BM_Reference(benchmark::State& state) {
  const Formula f(NormalizeFormula(kFormulas[state.range(0)]));
  const long count = PressEvaluations();
  const double step = (kB - kA) / static_cast<double>(count - 1);
  for (auto _ : state) {
    double sum = 0;
    int steps = 0;
    for (long i = 0; i < count; ++i) sum += f.Evaluate(kA + static_cast<double>(i) * step, steps);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["evaluations"] = static_cast<double>(count);
}

void RegisterAll() {
  for (int i = 0; i < 4; ++i) {
    benchmark::RegisterBenchmark("Press", BM_Press)->Arg(i)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Reference", BM_Reference)->Arg(i)->Unit(benchmark::kMillisecond);
  }
}

void PrintTable(const MedianReporter& r) {
  std::printf("\nComposite Cotes, n = %d, %ld values of f per press; CPU ms\n\n", kN,
              PressEvaluations());
  std::printf("| formula | press end to end | compiled formula alone | ratio |\n");
  std::printf("|---|---:|---:|---:|\n");
  for (int i = 0; i < 4; ++i) {
    const double press = r.Time("Press", i), ref = r.Time("Reference", i);
    std::printf("| `%s` | %.2f | %.2f | %.2f |\n", kFormulas[i], press, ref, press / ref);
  }
}

}  // namespace
}  // namespace tessaly

int main(int argc, char** argv) {
  return tessaly::RunBenchmarks(argc, argv, tessaly::RegisterAll, tessaly::PrintTable);
}
