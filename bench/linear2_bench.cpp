// Timing of the factorisation, iteration and norm commands as the user runs them (reading
// the typed matrix, computing, writing the report) on a diagonally dominant system.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/matrix.h"
#include "common/method_context.h"
#include "common/number_text.h"
#include "common/result_pane.h"
#include "common/scripted_dialogs.h"
#include "linear/factorisation.h"
#include "linear/matrix_reader.h"

namespace tessaly {
namespace {

// A strictly diagonally dominant system of order n with two-decimal entries and a positive
// diagonal (so its leading minors are positive too). Strongly dominant: the diagonal is
// about 10·n; weakly dominant: the coefficients are positive and the diagonal is 1.05 times
// the sum of the row's others, which makes the iterations take many sweeps.
const std::string& SystemText(int n, bool weak) {
  static std::vector<std::pair<std::pair<int, bool>, std::string>> cache;
  for (auto& [key, text] : cache)
    if (key == std::make_pair(n, weak)) return text;
  std::mt19937 rng(n);
  std::uniform_int_distribution<int> hundredths(-999, 999);
  std::string text;
  std::vector<double> row(n + 2);
  for (int i = 1; i <= n; ++i) {
    double others = 0;
    for (int j = 1; j <= n + 1; ++j) {
      row[j] = hundredths(rng) / 100.0;
      if (weak && j <= n && row[j] < 0) row[j] = -row[j];  // no cancellation within a row
      if (j != i && j <= n) others += row[j] < 0 ? -row[j] : row[j];
    }
    row[i] = weak ? Round(1.05 * others + 0.01, 2) : 10.0 * n + (row[i] < 0 ? -row[i] : row[i]);
    for (int j = 1; j <= n + 1; ++j) {
      AppendPlainNumberText(text, row[j]);
      text += j <= n ? " " : "\r\n";
    }
  }
  cache.emplace_back(std::make_pair(n, weak), std::move(text));
  return cache.back().second;
}

// The number of sweeps an iteration report states ("迭代K次").
int Sweeps(const std::string& report) {
  size_t at = report.find("迭代");
  return at == std::string::npos ? 0 : std::atoi(report.c_str() + at + 6);
}

// Runs method on the system of order state.range(0); answers are what the dialogs get.
// The report must not be empty (a message instead of a report would time the wrong path).
template <typename Method>
void RunCommand(benchmark::State& state, Method method, std::vector<std::string> answers,
                bool weak = false) {
  const int n = static_cast<int>(state.range(0));
  const std::string& text = SystemText(n, weak);
  std::string report;
  for (auto _ : state) {
    ScriptedDialogs dialogs(answers);
    ResultPane pane;
    MethodContext ctx{text, pane, dialogs, 6};
    method(ctx);
    report = pane.Text();
    benchmark::DoNotOptimize(report.data());
  }
  if (report.empty()) state.SkipWithError("the command wrote no report");
  if (report.find("非正定") != std::string::npos)
    state.SkipWithError("a leading minor stopped the test");
  if (int k = Sweeps(report)) state.counters["sweeps"] = k;
}

std::vector<std::string> IterationAnswers(int n, const char* w) {
  std::vector<std::string> a = {"1E-05", std::to_string(n)};
  for (int i = 0; i < n; ++i) a.push_back("0");
  if (w) a.push_back(w);
  return a;
}

void BM_ReadOnly(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Matrix a(n, n + 1);
    ReadMatrixText(a, n, SystemText(n, false));
    benchmark::DoNotOptimize(a.Row(n));
  }
}

void BM_MatrixModel(benchmark::State& state) {
  RunCommand(state, MatrixModel, {std::to_string(state.range(0))});
}
// The iterations: range(1) = 0 on the strongly, 1 on the weakly dominant system.
void BM_JacobiDie(benchmark::State& state) {
  RunCommand(state, JacobiDie, IterationAnswers(static_cast<int>(state.range(0)), nullptr),
             state.range(1) != 0);
}
void BM_Gauss_SeidelDie(benchmark::State& state) {
  RunCommand(state, Gauss_SeidelDie, IterationAnswers(static_cast<int>(state.range(0)), nullptr),
             state.range(1) != 0);
}
void BM_SorDie(benchmark::State& state) {
  RunCommand(state, SorDie, IterationAnswers(static_cast<int>(state.range(0)), "1.1"),
             state.range(1) != 0);
}
void BM_LU_break(benchmark::State& state) {
  RunCommand(state, LU_break, {std::to_string(state.range(0))});
}
void BM_TierLU(benchmark::State& state) {
  RunCommand(state, TierLU, {std::to_string(state.range(0))});
}
void BM_CMatrixJudge(benchmark::State& state) {
  RunCommand(state, CMatrixJudge, {std::to_string(state.range(0))});
}

BENCHMARK(BM_ReadOnly)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatrixModel)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JacobiDie)->Args({200, 0})->Args({200, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gauss_SeidelDie)->Args({200, 0})->Args({200, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SorDie)->Args({200, 0})->Args({200, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LU_break)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TierLU)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CMatrixJudge)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly

BENCHMARK_MAIN();
