// Checking a solver's printed solution against an independent solve.
#pragma once

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tessaly::testing {

using Rows = std::vector<std::vector<double>>;  // an augmented system, 0-based

// The system as a user types it: one row per line, entries separated by blanks.
inline std::string SystemText(const Rows& rows) {
  std::string text;
  for (const auto& row : rows) {
    for (size_t j = 0; j < row.size(); ++j) {
      if (j) text += ' ';
      text += std::to_string(static_cast<long long>(row[j]));
    }
    text += "\r\n";
  }
  return text;
}

// Gaussian elimination with partial pivoting in long double.
inline std::vector<double> ReferenceSolve(const Rows& rows) {
  const size_t n = rows.size();
  std::vector<std::vector<long double>> a(n);
  for (size_t i = 0; i < n; ++i) a[i].assign(rows[i].begin(), rows[i].end());
  for (size_t k = 0; k < n; ++k) {
    size_t p = k;
    for (size_t i = k + 1; i < n; ++i)
      if (std::fabs(a[i][k]) > std::fabs(a[p][k])) p = i;
    std::swap(a[k], a[p]);
    for (size_t i = k + 1; i < n; ++i) {
      long double f = a[i][k] / a[k][k];
      for (size_t j = k; j <= n; ++j) a[i][j] -= f * a[k][j];
    }
  }
  std::vector<double> x(n);
  for (size_t i = n; i-- > 0;) {
    long double s = a[i][n];
    for (size_t j = i + 1; j < n; ++j) s -= a[i][j] * x[j];
    x[i] = static_cast<double>(s / a[i][i]);
  }
  return x;
}

// The values of the lines "x(i)=value" of a report, in order.
inline std::vector<double> PrintedSolution(const std::string& report) {
  std::vector<double> x;
  for (size_t pos = 0; (pos = report.find("x(", pos)) != std::string::npos;) {
    size_t eq = report.find(")=", pos);
    if (eq == std::string::npos) break;
    x.push_back(std::strtod(report.c_str() + eq + 2, nullptr));
    pos = eq;
  }
  return x;
}

// A random system with integer entries in -9 … 9 whose rows are strictly diagonally
// dominant (the diagonal is raised above the row's other moduli).
inline Rows DominantSystem(int n, std::mt19937& rng) {
  std::uniform_int_distribution<int> entry(-9, 9);
  Rows rows(n, std::vector<double>(n + 1));
  for (int i = 0; i < n; ++i) {
    double others = 0;
    for (int j = 0; j <= n; ++j) {
      rows[i][j] = entry(rng);
      if (j != i && j < n) others += std::fabs(rows[i][j]);
    }
    rows[i][i] = others + 1 + std::abs(entry(rng));
  }
  return rows;
}

}  // namespace tessaly::testing
