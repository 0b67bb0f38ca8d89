// The step pictures of the root finders: building the display list of a long run, as the
// picture window does when it opens and at every step of the slider. Newton's method on
// x^2+1 (no real root: it runs to its cap of 100 steps) draws tangents; the fixed-point
// iteration x = 3.9*x*(1-x) (chaotic: it also runs to its cap of 100 steps) draws a cobweb.
// The reference, measured in the same run, is what the picture cannot do without: the
// evaluations of the drawn formula it needs (two samples per pixel across the view).
//
// Run: build-bench/step_picture_bench   (cmake -DTESSALY_BENCH=ON -DCMAKE_BUILD_TYPE=Release)
#include <benchmark/benchmark.h>

#include <cstdio>

#include "common/method_registry.h"
#include "common/scripted_dialogs.h"
#include "expr/formula.h"
#include "median_reporter.h"
#include "pictures/root_pictures.h"

namespace tessaly {
namespace {

// 0: Newton's tangents, 1: the cobweb.
StepRecord Run(int kind) {
  StepRecord record;
  ResultPane pane;
  ScriptedDialogs dialogs(kind == 0 ? std::vector<std::string>{"2*x", "0.5", "1E-12"}
                                    : std::vector<std::string>{"3.9*x*(1-x)", "0.3", "1E-12"});
  MethodContext ctx{kind == 0 ? "x^2+1" : "x-3.9*x*(1-x)", pane, dialogs};
  ctx.stepRecord = &record;
  AllMethods().Find("Ultra", kind == 0 ? "CalculateNewton" : "CalculateIterative")->run(ctx);
  return record;
}

void BM_Picture(benchmark::State& state) {
  const StepRecord record = Run(static_cast<int>(state.range(0)));
  size_t elements = 0;
  for (auto _ : state) {
    const DisplayList d = DrawStepPicture(record, {.shown = static_cast<int>(record.steps.size())});
    elements = d.lines.size() + d.marks.size() + d.texts.size() + d.rects.size();
    benchmark::DoNotOptimize(d);
  }
  state.counters["steps"] = static_cast<double>(record.steps.size());
  state.counters["elements"] = static_cast<double>(elements);
}

void BM_Evaluations(benchmark::State& state) {
  const StepRecord record = Run(static_cast<int>(state.range(0)));
  const Formula f(record.curve);
  const ViewBox v = FitStepView(record, static_cast<int>(record.steps.size()));
  const int n = 2 * kStepPictureWidth;
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i <= n; ++i) sum += f.Evaluate(v.left + i * (v.right - v.left) / n);
    benchmark::DoNotOptimize(sum);
  }
}

void RegisterAll() {
  for (auto* b : {benchmark::RegisterBenchmark("BM_Picture", BM_Picture),
                  benchmark::RegisterBenchmark("BM_Evaluations", BM_Evaluations)})
    b->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}

void PrintTable(const MedianReporter& r) {
  if (r.Empty()) return;
  std::printf("\n| picture (100 steps) | display list, ms | its evaluations of f, ms | ratio |\n");
  std::printf("|---|---|---|---|\n");
  const char* names[] = {"Newton tangents, x^2+1", "cobweb, x = 3.9*x*(1-x)"};
  for (int k = 0; k < 2; ++k) {
    const double p = r.Time("BM_Picture", k), e = r.Time("BM_Evaluations", k);
    std::printf("| %s | %.3f | %.3f | %.2f |\n", names[k], p, e, p / e);
  }
}

}  // namespace
}  // namespace tessaly

int main(int argc, char** argv) {
  return tessaly::RunBenchmarks(argc, argv, tessaly::RegisterAll, tessaly::PrintTable);
}
