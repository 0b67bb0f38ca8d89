// What an iterative method records of its run for the convergence charts, as it computes:
// one or more named series of (x, y) points and the precision it worked to. A method finds
// the record in its context (MethodContext::chartRun, FormContext::chartRun); where nothing
// records the pointer is null and the method does no extra work.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace tessaly {

// Which chart the run is drawn on.
enum class ChartKind : uint8_t {
  None,
  Change,       // the largest change of the iterate per sweep (log scale)
  Eigenvalue,   // the eigenvalue estimate per iterate (and the change between estimates)
  OffDiagonal,  // the largest off-diagonal modulus per rotation (log scale)
  Residual,     // |f(x_k)| per step (log scale)
  Solution,     // the columns of an ODE table against x
};

struct ChartSeries {
  std::string name;  // the legend entry: "Jacobi", "SOR ω=1.25", "欧拉公式"
  std::vector<double> x, y;
};

struct ChartRun {
  ChartKind kind = ChartKind::None;
  // The problem the run solved (the input text, or the ODE form's data): runs are compared
  // only on the same problem.
  std::string problem;
  std::vector<ChartSeries> series;
  // Drawn as a horizontal line where it is positive and finite.
  double precision = std::numeric_limits<double>::quiet_NaN();

  // Starts afresh with one empty series named `name`.
  void Begin(ChartKind k, std::string problemText, std::string name,
             double precisionValue = std::numeric_limits<double>::quiet_NaN()) {
    kind = k;
    problem = std::move(problemText);
    series.assign(1, ChartSeries{std::move(name), {}, {}});
    precision = precisionValue;
  }
  // Adds a point to the last series.
  void Add(double x, double y) {
    series.back().x.push_back(x);
    series.back().y.push_back(y);
  }
  // Whether there is anything to draw.
  bool Empty() const {
    for (const ChartSeries& s : series)
      if (!s.x.empty()) return false;
    return true;
  }
};

}  // namespace tessaly
