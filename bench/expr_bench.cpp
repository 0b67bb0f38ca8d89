// Nanoseconds per evaluation of f(x) on eight formulas, from "x" to a long one with nested
// functions and powers: the compiled Formula (the 15-digit rounding of x included), the
// free EvaluateFormula (its per-thread cache of compiled texts), the literal text scan of
// the tests (substitute the value text, rescan at every call), and muparser on the
// same formulas and the same values of x. Ends with the table of ratios.
//
// Run: build-bench/expr_bench   (cmake -DTESSALY_BENCH=ON -DCMAKE_BUILD_TYPE=Release)
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "expr/formula.h"
#include "median_reporter.h"
#include "support/literal_scan.h"

namespace tessaly {
namespace {

struct BenchFormula {
  const char* typed;     // our language
  const char* muparser;  // the same function in muparser's language
};

const BenchFormula kFormulas[8] = {
    {"x", "x"},
    {"x^2-2", "x^2-2"},
    {"x*exp(-x)", "x*exp(-x)"},
    {"1/(1+x^2)", "1/(1+x^2)"},
    {"x^3-2*x-5", "x^3-2*x-5"},
    {"sin(x)+cos(2*x)-tan(x/4)", "sin(x)+cos(2*x)-tan(x/4)"},
    {"exp(-x^2/2)*cos(3*x)+log(1+x^2)", "exp(-x^2/2)*cos(3*x)+ln(1+x^2)"},
    {"sqr(abs(sin(x)^2-cos(x)^3))+exp(-(x-1)^2)*atn(x/2)+log(1+x^4)/(2+sin(x/3)^2)"
     "-x^5/120+x^3/6-x",
     "sqrt(abs(sin(x)^2-cos(x)^3))+exp(-(x-1)^2)*atan(x/2)+ln(1+x^4)/(2+sin(x/3)^2)"
     "-x^5/120+x^3/6-x"},
};

// Values of x as an iteration or a quadrature rule produces them: full 17-digit doubles.
const std::vector<double>& Xs() {
  static const std::vector<double> xs = [] {
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> d(-3, 3);
    std::vector<double> v(1024);
    for (double& x : v) x = d(rng);
    return v;
  }();
  return xs;
}

void BM_Formula(benchmark::State& state) {
  Formula f(NormalizeFormula(kFormulas[state.range(0)].typed));
  const std::vector<double>& xs = Xs();
  size_t i = 0;
  int steps = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.Evaluate(xs[i++ & 1023], steps));
  }
}

void BM_EvaluateFormula(benchmark::State& state) {
  std::string canonical = NormalizeFormula(kFormulas[state.range(0)].typed);
  const std::vector<double>& xs = Xs();
  size_t i = 0;
  int steps = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateFormula(canonical, xs[i++ & 1023], steps));
  }
}

void BM_LiteralScan(benchmark::State& state) {
  std::string canonical = NormalizeFormula(kFormulas[state.range(0)].typed);
  const std::vector<double>& xs = Xs();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(oracle::LiteralEvaluateFormula(canonical, xs[i++ & 1023]).value);
  }
}

void BM_Muparser(benchmark::State& state) {
  mu::Parser p;
  double x = 0;
  p.DefineVar("x", &x);
  p.SetExpr(kFormulas[state.range(0)].muparser);
  const std::vector<double>& xs = Xs();
  size_t i = 0;
  p.Eval();  // parse outside the loop
  for (auto _ : state) {
    x = xs[i++ & 1023];
    benchmark::DoNotOptimize(p.Eval());
  }
}

// Matrix and table entries: EvaluateConstantText (normalisation included) per entry.
void BM_ConstantText(benchmark::State& state) {
  static const char* const kEntries[] = {"12.34", "-7", "0.001", "2.5E-3", "1/3", "sqr(2)",
                                         "pi/4", "-1.5e+2"};
  const char* entry = kEntries[state.range(0)];
  std::string text;
  for (auto _ : state) {
    text.assign(entry);
    benchmark::DoNotOptimize(EvaluateConstantText(text));
  }
  state.SetLabel(entry);
}
BENCHMARK(BM_ConstantText)->DenseRange(0, 7);

// Registered formula by formula, the four evaluators side by side, so that a change of
// machine load during the run falls on all four alike.
void RegisterAll() {
  for (int i = 0; i < 8; ++i) {
    benchmark::RegisterBenchmark("Formula", BM_Formula)->Arg(i);
    benchmark::RegisterBenchmark("EvaluateFormula", BM_EvaluateFormula)->Arg(i);
    benchmark::RegisterBenchmark("LiteralScan", BM_LiteralScan)->Arg(i);
    benchmark::RegisterBenchmark("Muparser", BM_Muparser)->Arg(i);
  }
}

// The same function in both languages (within the 15-digit rounding of x and the
// 15-digit constants): a check that the benchmark compares like with like.
bool SameFunctions() {
  bool ok = true;
  for (const BenchFormula& f : kFormulas) {
    Formula ours(NormalizeFormula(f.typed));
    mu::Parser p;
    double x = 0;
    p.DefineVar("x", &x);
    p.SetExpr(f.muparser);
    for (double v : {-2.5, -0.7, 0.3, 1.1, 2.9}) {
      x = v;
      int steps = 0;
      double a = ours.Evaluate(v, steps), b = p.Eval();
      if (std::fabs(a - b) > 1e-9 * (1 + std::fabs(b)) || steps >= kMalformedSteps) {
        std::fprintf(stderr, "%s differs from muparser at %g: %.17g vs %.17g\n", f.typed, v, a, b);
        ok = false;
      }
    }
  }
  return ok;
}

void PrintTable(const MedianReporter& r) {
  std::printf("\nCPU ns per evaluation%s\n", r.Empty() ? " (none)" : "");
  std::printf("\n| # | formula | Formula ns | EvaluateFormula ns | literal scan ns | muparser ns |"
              " Formula / muparser | EvaluateFormula / muparser |\n");
  std::printf("|---|---|---:|---:|---:|---:|---:|---:|\n");
  for (int i = 0; i < 8; ++i) {
    double ours = r.Time("Formula", i), free = r.Time("EvaluateFormula", i),
           lit = r.Time("LiteralScan", i), mu = r.Time("Muparser", i);
    std::printf("| %d | `%s` | %.1f | %.1f | %.0f | %.1f | %.2f | %.2f |\n", i + 1,
                kFormulas[i].typed, ours, free, lit, mu, ours / mu, free / mu);
  }
}

}  // namespace
}  // namespace tessaly

int main(int argc, char** argv) {
  if (!tessaly::SameFunctions()) return 1;
  return tessaly::RunBenchmarks(argc, argv, tessaly::RegisterAll, tessaly::PrintTable);
}
