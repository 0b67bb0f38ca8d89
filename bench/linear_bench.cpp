// Timing of the matrix reader and of Gaussian elimination as a method, phase by phase,
// next to the same elimination in plain loops (no rounding, no report): the floor.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/matrix.h"
#include "common/method_context.h"
#include "common/number_text.h"
#include "common/scripted_dialogs.h"
#include "linear/elimination.h"
#include "linear/matrix_echo.h"
#include "linear/matrix_reader.h"

namespace tessaly {
namespace {

// A diagonally dominant system of order n with two-decimal entries, one row per line.
const std::string& SystemText(int n) {
  static std::vector<std::pair<int, std::string>> cache;
  for (auto& [order, text] : cache)
    if (order == n) return text;
  std::mt19937 rng(n);
  std::uniform_int_distribution<int> hundredths(-999, 999);
  std::string text;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n + 1; ++j) {
      double v = hundredths(rng) / 100.0;
      if (i == j) v += v < 0 ? -10.0 * n : 10.0 * n;
      AppendPlainNumberText(text, v);
      text += j <= n ? " " : "\r\n";
    }
  }
  cache.emplace_back(n, std::move(text));
  return cache.back().second;
}

Matrix ReadSystem(int n) {
  Matrix a(n, n + 1);
  ReadMatrixText(a, n, SystemText(n));
  return a;
}

void BM_Read(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string& text = SystemText(n);
  for (auto _ : state) {
    Matrix a(n, n + 1);
    ReadMatrixText(a, n, text);
    benchmark::DoNotOptimize(a.Row(n));
  }
  state.counters["chars"] = static_cast<double>(text.size());
}

// The elimination of Gauss_1 with its roundings, without reading or report.
void BM_Gauss1Eliminate(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Matrix a = ReadSystem(n);
  for (auto _ : state) {
    Matrix b = a;
    Vector x(n);
    double m = 0;
    for (int k = 1; k <= n; ++k) elimination_detail::EliminateBelow(b, n, k, n + 1, 7, m);
    elimination_detail::BackSubstitute(b, n, 7, x);
    benchmark::DoNotOptimize(x(1));
  }
}

// The elimination of GaussTier with its roundings, without reading or report.
void BM_GaussTierEliminate(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Matrix a = ReadSystem(n);
  for (auto _ : state) {
    Matrix b = a;
    Vector x(n);
    elimination_detail::EliminateWithColumnPivots(b, n, 7);
    elimination_detail::BackSubstitute(b, n, 7, x);
    benchmark::DoNotOptimize(x(1));
  }
}

// The report of Gauss_1: the echo, the eliminated matrix and the solution.
void BM_Gauss1Report(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Matrix a = ReadSystem(n);
  Matrix b = a;
  Vector x(n);
  double m = 0;
  for (int k = 1; k <= n; ++k) elimination_detail::EliminateBelow(b, n, k, n + 1, 7, m);
  elimination_detail::BackSubstitute(b, n, 7, x);
  for (auto _ : state) {
    std::string out;
    out.reserve(static_cast<size_t>(n) * (n + 1) * 24 + 200);
    AppendMatrixEcho(out, a, n, n + 1, "  ");
    AppendRoundedMatrix(out, b, n, n + 1, "  ", 6);
    elimination_detail::AppendSolution(out, x, n, 6);
    benchmark::DoNotOptimize(out.data());
    state.counters["bytes"] = static_cast<double>(out.size());
  }
}

template <void (*Method)(MethodContext&)>
void BM_Method(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string& text = SystemText(n);
  for (auto _ : state) {
    ScriptedDialogs dialogs({std::to_string(n)});
    ResultPane pane;
    MethodContext ctx{text, pane, dialogs, 6};
    Method(ctx);
    benchmark::DoNotOptimize(pane.Text().data());
  }
}

// The floor: elimination and back substitution in plain loops, no rounding, no checks.
void BM_PlainElimination(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Matrix a = ReadSystem(n);
  const bool pivot = state.range(1) != 0;
  for (auto _ : state) {
    Matrix b = a;
    std::vector<double> x(n + 1);
    for (int k = 1; k <= n; ++k) {
      if (pivot) {
        int p = k;
        for (int i = k + 1; i <= n; ++i)
          if (std::fabs(b(p, k)) < std::fabs(b(i, k))) p = i;
        if (p != k)
          for (int j = k; j <= n + 1; ++j) std::swap(b(k, j), b(p, j));
      }
      const double* pk = b.Row(k);
      for (int i = k + 1; i <= n; ++i) {
        double* pi = b.Row(i);
        const double m = pi[k - 1] / pk[k - 1];
        for (int j = k - 1; j <= n; ++j) pi[j] -= m * pk[j];
      }
    }
    for (int k = n; k >= 1; --k) {
      double s = 0;
      for (int j = k + 1; j <= n; ++j) s += x[j] * b(k, j);
      x[k] = (b(k, n + 1) - s) / b(k, k);
    }
    benchmark::DoNotOptimize(x.data());
  }
}

#define ORDERS ->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_Read) ORDERS;
BENCHMARK(BM_Gauss1Eliminate) ORDERS;
BENCHMARK(BM_GaussTierEliminate) ORDERS;
BENCHMARK(BM_Gauss1Report) ORDERS;
BENCHMARK(BM_Method<Gauss_1>)->Name("BM_Gauss_1_Method") ORDERS;
BENCHMARK(BM_Method<GaussTier>)->Name("BM_GaussTier_Method") ORDERS;
BENCHMARK(BM_PlainElimination)
    ->Args({100, 0})
    ->Args({200, 0})
    ->Args({400, 0})
    ->Args({100, 1})
    ->Args({200, 1})
    ->Args({400, 1})
    ->ArgNames({"n", "pivot"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly

BENCHMARK_MAIN();
