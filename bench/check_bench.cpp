// The cost of substituting a printed answer back into the typed problem: the solution, the
// eigenpair and the inverse checks at n = 100 … 400, next to one plain matrix-vector product
// of the same order and the whole GaussTier command the check follows, in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "common/matrix.h"
#include "common/method_context.h"
#include "common/number_text.h"
#include "common/result_pane.h"
#include "common/scripted_dialogs.h"
#include "eigen/eigenpair_check.h"
#include "linear/elimination.h"
#include "linear/residual_check.h"
#include "median_reporter.h"

namespace tessaly {
namespace {

constexpr int kOrders[] = {100, 200, 400};

// A diagonally dominant system of order n with two-decimal entries, b = A·x for x of ones
// and tenths, and its typed text.
struct System {
  Matrix aug;
  Vector x;
  std::string text;
};

const System& SystemOf(int n) {
  static std::vector<std::pair<int, System>> cache;
  for (auto& [order, s] : cache)
    if (order == n) return s;
  std::mt19937 rng(n);
  std::uniform_int_distribution<int> hundredths(-999, 999);
  System s{Matrix(n, n + 1), Vector(n), ""};
  for (int j = 1; j <= n; ++j) s.x(j) = 1 + (j % 10) / 10.0;
  for (int i = 1; i <= n; ++i) {
    double b = 0;
    for (int j = 1; j <= n; ++j) {
      s.aug(i, j) = i == j ? 10.0 * n : hundredths(rng) / 100.0;
      b += s.aug(i, j) * s.x(j);
    }
    s.aug(i, n + 1) = b;
    for (int j = 1; j <= n + 1; ++j) {
      AppendPlainNumberText(s.text, s.aug(i, j));
      s.text += j <= n ? " " : "\r\n";
    }
  }
  cache.emplace_back(n, std::move(s));
  return cache.back().second;
}

void BM_SolutionCheck(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const System& s = SystemOf(n);
  bool fails = false;
  for (auto _ : state) {
    fails = CheckSolution(s.aug, n, s.x, {.digits = 6, .roundsInside = true}).fails;
    benchmark::DoNotOptimize(fails);
  }
  if (fails) state.SkipWithError("a correct solution failed its check");
}

void BM_EigenpairCheck(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const System& s = SystemOf(n);
  for (auto _ : state) {
    auto check = CheckEigenpair(s.aug, n, 10.0 * n, s.x, {.value = 1E-04, .component = 1E-06});
    benchmark::DoNotOptimize(check.relative);
  }
}

// A printed inverse checked column by column: n solution checks.
void BM_InverseCheck(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const System& s = SystemOf(n);
  Matrix w(n, 2 * n);
  for (int i = 1; i <= n; ++i) w(i, n + i) = 1 / s.aug(i, i);
  for (auto _ : state) benchmark::DoNotOptimize(CheckInverse(s.aug, n, w, n + 1, 6).relative);
}

// The floor: y = A·x in plain loops over the same matrix.
void BM_PlainProduct(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const System& s = SystemOf(n);
  std::vector<double> y(static_cast<size_t>(n));
  for (auto _ : state) {
    for (int i = 1; i <= n; ++i) {
      const double* row = s.aug.Row(i);
      double sum = 0;
      for (int j = 0; j < n; ++j) sum += row[j] * s.x(j + 1);
      y[i - 1] = sum;
    }
    benchmark::DoNotOptimize(y.data());
  }
}

// The whole command, check included, as the user runs it.
void BM_GaussTier(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const System& s = SystemOf(n);
  size_t boxes = 0;
  for (auto _ : state) {
    ScriptedDialogs dialogs({std::to_string(n)});
    ResultPane pane;
    MethodContext ctx{s.text, pane, dialogs, 6};
    GaussTier(ctx);
    boxes = dialogs.Messages().size();
    benchmark::DoNotOptimize(pane.Text().data());
  }
  if (boxes != 0) state.SkipWithError("the command showed a message");
}

void RegisterAll() {
  for (int n : kOrders) {
    benchmark::RegisterBenchmark("SolutionCheck", BM_SolutionCheck)
        ->Arg(n)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("EigenpairCheck", BM_EigenpairCheck)
        ->Arg(n)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlainProduct", BM_PlainProduct)
        ->Arg(n)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("InverseCheck", BM_InverseCheck)
        ->Arg(n)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("GaussTier", BM_GaussTier)->Arg(400)->Unit(benchmark::kMillisecond);
}

void PrintTable(const MedianReporter& r) {
  std::printf("\nSubstitution checks; CPU ms\n\n");
  std::printf(
      "| n | solution check | eigenpair check | plain A·x | check / A·x | inverse check |\n");
  std::printf("|---:|---:|---:|---:|---:|---:|\n");
  for (int n : kOrders) {
    const double check = r.Time("SolutionCheck", n), pair = r.Time("EigenpairCheck", n),
                 plain = r.Time("PlainProduct", n);
    std::printf("| %d | %.3f | %.3f | %.3f | %.1f | %.1f |\n", n, check, pair, plain, check / plain,
                r.Time("InverseCheck", n));
  }
  const double command = r.Time("GaussTier", 400);
  std::printf("\nGaussTier at n = 400, end to end: %.1f ms; the check is %.2f %% of it\n", command,
              100 * r.Time("SolutionCheck", 400) / command);
}

}  // namespace
}  // namespace tessaly

int main(int argc, char** argv) {
  return tessaly::RunBenchmarks(argc, argv, tessaly::RegisterAll, tessaly::PrintTable);
}
