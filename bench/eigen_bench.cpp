// Timing of the power method and of the classical Jacobi method as the user runs them
// (reading the typed matrix, iterating, writing the report), each next to the same
// arithmetic in plain loops without reading or report: the floor.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/matrix.h"
#include "common/method_context.h"
#include "common/number_text.h"
#include "common/result_pane.h"
#include "common/scripted_dialogs.h"
#include "eigen/eigen.h"
#include "linear/matrix_reader.h"

namespace tessaly {
namespace {

constexpr int kPowerOrder = 50;
constexpr int kPowerDigits = 10;
constexpr int kJacobiOrder = 30;
constexpr int kJacobiDigits = 6;

// A = 0.5·I + 0.01·J + 0.009·S with J all ones and S(i, j) = (-1)^(i+j): a full matrix with
// the eigenvalues 1, 0.95 and 0.5 (48 times). From the initial vector 3, -1, 1, …, 1 with
// 10 digits and eps = 8E-09 the power method decides at iterate 200.
const std::string& PowerMatrixText() {
  static const std::string text = [] {
    std::string t;
    for (int i = 1; i <= kPowerOrder; ++i) {
      for (int j = 1; j <= kPowerOrder; ++j) {
        const double v = (i == j ? 0.5 : 0.0) + 0.01 + ((i + j) % 2 == 0 ? 0.009 : -0.009);
        AppendPlainNumberText(t, Round(v, 4));
        t += j < kPowerOrder ? " " : "\r\n";
      }
    }
    return t;
  }();
  return text;
}
const std::vector<std::string> kPowerAnswers = {"50", "8E-09", "3", "-1", ""};

// A symmetric matrix with two-decimal entries in [-10, 10]: far from diagonal, so the
// rotations run to their limit of 101; the question is answered Yes, keeping every rotation.
const std::string& JacobiMatrixText() {
  static const std::string text = [] {
    std::mt19937 rng(30);
    std::uniform_int_distribution<int> hundredths(-999, 999);
    std::vector<std::vector<double>> a(kJacobiOrder, std::vector<double>(kJacobiOrder));
    for (int i = 0; i < kJacobiOrder; ++i)
      for (int j = i; j < kJacobiOrder; ++j) a[i][j] = a[j][i] = hundredths(rng) / 100.0;
    std::string t;
    for (const auto& row : a) {
      for (size_t j = 0; j < row.size(); ++j) {
        AppendPlainNumberText(t, row[j]);
        t += j + 1 < row.size() ? " " : "\r\n";
      }
    }
    return t;
  }();
  return text;
}
const std::vector<std::string> kJacobiAnswers = {"30", "0.001", "yes"};

int Count(const std::string& text, const std::string& piece) {
  int n = 0;
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
  return n;
}

// Runs the command as the window does: the input pane's text, the answers, the digits, a
// fresh result pane that ends up holding the report.
template <typename Method>
void RunCommand(Method method, const std::string& input, const std::vector<std::string>& answers,
                int digits, ResultPane& pane) {
  ScriptedDialogs dialogs(answers);
  MethodContext ctx{input, pane, dialogs, digits};
  method(ctx);
}

template <typename Method>
void TimeCommand(benchmark::State& state, Method method, const std::string& input,
                 const std::vector<std::string>& answers, int digits, const char* stepName,
                 const char* stepMark) {
  for (auto _ : state) {
    ResultPane pane;
    RunCommand(method, input, answers, digits, pane);
    benchmark::DoNotOptimize(pane.Text().data());
  }
  ResultPane pane;
  RunCommand(method, input, answers, digits, pane);
  state.counters[stepName] = Count(pane.Text(), stepMark);
  state.counters["report_bytes"] = static_cast<double>(pane.Text().size());
}

void BM_MatrixMi(benchmark::State& state) {
  TimeCommand(state, MatrixMi, PowerMatrixText(), kPowerAnswers, kPowerDigits, "iterates",
              "个分量是");
}

void BM_ClassicalJacobi(benchmark::State& state) {
  TimeCommand(state, ClassicalJacobi, JacobiMatrixText(), kJacobiAnswers, kJacobiDigits,
              "rotations", "次正交相似变换");
}

void BM_ReadPowerMatrix(benchmark::State& state) {
  for (auto _ : state) {
    Matrix a = ReadSquareMatrixText(kPowerOrder, PowerMatrixText());
    benchmark::DoNotOptimize(a.Row(1));
  }
}

void BM_ReadJacobiMatrix(benchmark::State& state) {
  for (auto _ : state) {
    Matrix a = ReadSquareMatrixText(kJacobiOrder, JacobiMatrixText());
    benchmark::DoNotOptimize(a.Row(1));
  }
}

// The floors: the same arithmetic in plain loops over flat arrays, on the matrix read once.
using Flat = std::vector<double>;

Flat FlatOf(const Matrix& m, int n) {
  Flat f(static_cast<size_t>(n) * n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) f[(i - 1) * n + (j - 1)] = m(i, j);
  return f;
}

// r = p·q, every entry rounded once to d decimals.
void Product(const Flat& p, const Flat& q, int n, int d, Flat& r, Flat& sums) {
  double* s = sums.data();
  for (int i = 0; i < n; ++i) {
    for (int k = 0; k < n; ++k) s[k] = 0;
    for (int j = 0; j < n; ++j) {
      const double pij = p[i * n + j];
      const double* qRow = &q[j * n];
      for (int k = 0; k < n; ++k) s[k] += pij * qRow[k];
    }
    for (int k = 0; k < n; ++k) r[i * n + k] = Round(s[k], d);
  }
}

void ProductWithVector(const Flat& m, const Flat& x, int n, int d, Flat& y) {
  for (int i = 0; i < n; ++i) {
    double s = 0;
    for (int j = 0; j < n; ++j) s += m[i * n + j] * x[j];
    y[i] = Round(s, d);
  }
}

// 200 iterates of the power method: one product with A, one with x0 and the ratios per step.
void BM_MatrixMiFloor(benchmark::State& state) {
  // Order and digits known only at run time, as in the method: otherwise the compiler
  // specialises the floor's loops for them (which made them slower here).
  volatile int order = kPowerOrder, digits = kPowerDigits;
  const int n = order, d = digits;
  const Flat a = FlatOf(ReadSquareMatrixText(n, PowerMatrixText()), n);
  Flat x0(n, 1.0);
  x0[0] = 3;
  x0[1] = -1;
  for (auto _ : state) {
    Flat power(n * n), next(n * n), sums(n), older(n), old(n), y(n), r1(n), r2(n);
    ProductWithVector(a, x0, n, d, older);
    Product(a, a, n, d, power, sums);
    ProductWithVector(power, x0, n, d, old);
    int decided = 0;
    for (int k = 3; k <= 200; ++k) {
      Product(a, power, n, d, next, sums);
      std::swap(power, next);
      ProductWithVector(power, x0, n, d, y);
      for (int j = 0; j < n; ++j) {
        r1[j] = Round(old[j] / older[j], d);
        r2[j] = Round(y[j] / old[j], d);
        if (std::fabs(r2[j] - r1[j]) < 8E-09 && decided == 0) decided = k;
      }
      std::swap(older, old);
      std::swap(old, y);
    }
    benchmark::DoNotOptimize(decided);
    benchmark::DoNotOptimize(old.data());
  }
}

// 101 rotations: the angle, the copy of A and the updated rows and columns, V·Rᵀ as a full
// rounded product, and the search for the next pivot.
void BM_ClassicalJacobiFloor(benchmark::State& state) {
  volatile int order = kJacobiOrder, digits = kJacobiDigits;  // known at run time only
  const int n = order, d = digits;
  const Flat start = FlatOf(ReadSquareMatrixText(n, JacobiMatrixText()), n);
  for (auto _ : state) {
    Flat a = start, a1(n * n), v(n * n, 0.0), rt(n * n, 0.0), product(n * n), sums(n);
    for (int i = 0; i < n; ++i) v[i * n + i] = rt[i * n + i] = 1;
    for (int rotation = 0; rotation <= 100; ++rotation) {
      int p = 0, q = 0;
      double largest = 0;
      for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
          if (std::fabs(a[i * n + j]) > largest) largest = std::fabs(a[i * n + j]), p = i, q = j;
      const double app = a[p * n + p], aqq = a[q * n + q], apq = a[p * n + q];
      const double t = 2 * apq / (app - aqq);
      const double cos2 = 1 / std::sqrt(t * t + 1), sin2 = t / std::sqrt(t * t + 1);
      const double c = std::sqrt((1 + cos2) / 2), s = sin2 / (2 * c);
      a1 = a;
      a1[p * n + p] = c * c * app + 2 * apq * s * c + s * s * aqq;
      a1[q * n + q] = s * s * app - 2 * apq * s * c + c * c * aqq;
      a1[p * n + q] = a1[q * n + p] = 0.5 * (aqq - app) * sin2 + cos2 * apq;
      for (int j = 0; j < n; ++j) {
        if (j == p || j == q) continue;
        a1[p * n + j] = a1[j * n + p] = c * a[p * n + j] + s * a[q * n + j];
        a1[q * n + j] = a1[j * n + q] = -s * a[p * n + j] + c * a[q * n + j];
      }
      rt[p * n + p] = rt[q * n + q] = c;
      rt[p * n + q] = -s;
      rt[q * n + p] = s;
      Product(v, rt, n, d, product, sums);
      std::swap(v, product);
      rt[p * n + p] = rt[q * n + q] = 1;
      rt[p * n + q] = rt[q * n + p] = 0;
      std::swap(a, a1);
    }
    benchmark::DoNotOptimize(v.data());
    benchmark::DoNotOptimize(a.data());
  }
}

BENCHMARK(BM_MatrixMi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatrixMiFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPowerMatrix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassicalJacobi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassicalJacobiFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadJacobiMatrix)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly

BENCHMARK_MAIN();
