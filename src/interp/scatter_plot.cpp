#include "interp/scatter_plot.h"

#include <cmath>
#include <vector>

#include "common/dialogs.h"
#include "common/number_text.h"
#include "common/text_builder.h"
#include "expr/formula.h"

namespace tessaly {
namespace {

// Beyond this many points the nodes must be out of order (in order, the pieces of a table
// share about 400 steps); such a hand-over is refused instead of drawn for minutes.
constexpr double kMaxPoints = 1e6;

// One function over one interval.
struct Sweep {
  const Formula* f;
  double from, to;
};

// Calls visit(x, y) for x = from, from + step, ... while x <= to (the step added to a
// running x), until visit returns false. A step too small to move x ends the sweep.
template <class Visit>
bool RunSweep(const Sweep& s, double step, Visit visit) {
  for (double x = s.from; x <= s.to;) {
    int steps = 0;
    const double y = s.f->Evaluate(x, steps);
    if (!visit(x, y, steps)) return false;
    const double next = x + step;
    if (!(next > x)) break;
    x = next;
  }
  return true;
}

bool Malformed(int steps) { return steps > 5000 || steps < 2; }

bool Increasing(const std::vector<double>& nodes) {
  for (size_t i = 1; i < nodes.size(); ++i)
    if (!(nodes[i - 1] < nodes[i])) return false;
  return true;
}

// The points a sweep of `s` by `step` visits, estimated before running it.
double PointCount(const Sweep& s, double step) {
  return s.to >= s.from ? std::floor((s.to - s.from) / step) + 1 : 0;
}

}  // namespace

ScatterPlot DrawScatterPlot(PlotHandOver& plot, Rgb pointColour, int width, int height) {
  const uint8_t kind = plot.kind;
  // Drawn once, whatever comes of it: a fault shown once is not shown again when the
  // window comes back to the front.
  plot.kind = 0;
  ScatterPlot out;
  if (kind != 1 && kind != 2 && kind != 3) return out;
  out.drawn = true;
  out.picture.width = width;
  out.picture.height = height;

  // The functions and the intervals they are swept over.
  double a = 0, b = 0;
  std::vector<Formula> formulas;
  std::vector<Sweep> sweeps;
  if (kind == 1) {
    a = plot.xMin;
    b = plot.xMax;
    formulas.emplace_back(NormalizeFormula(plot.formula));
    sweeps.push_back({&formulas[0], a, b});
  } else {
    const std::vector<double>& nodes = plot.nodes;
    if (!nodes.empty()) a = nodes.front(), b = nodes.back();
    const size_t span = kind == 2 ? 1 : 2;
    formulas.reserve(plot.pieces.size());
    for (size_t i = 1; i < plot.pieces.size(); ++i) {
      plot.pieces[i] = NormalizeFormula(plot.pieces[i]);
      formulas.emplace_back(plot.pieces[i]);
    }
    for (size_t i = 1; i < plot.pieces.size() && i - 1 + span < nodes.size(); ++i)
      sweeps.push_back({&formulas[i - 1], nodes[i - 1], nodes[i - 1 + span]});
  }
  if (!(a < b)) {
    out.message = kPlotRangeMessage;
    return out;
  }
  const double fine = (b - a) / 400;
  const double rangeStep = kind == 1 ? (b - a) / 100 : fine;
  double total = 0;
  for (const Sweep& s : sweeps) total += PointCount(s, rangeStep);
  if (total > kMaxPoints && !Increasing(plot.nodes)) {
    out.message = kPlotNodeOrderMessage;
    return out;
  }

  // The y range, which always includes 0.
  double ymax = 0, ymin = 0;
  for (const Sweep& s : sweeps) {
    const bool whole = RunSweep(s, rangeStep, [&](double, double y, int steps) {
      if (Malformed(steps)) return false;
      if (y > ymax) ymax = y;
      if (y < ymin) ymin = y;
      return true;
    });
    if (!whole) {
      out.message = kPlotFormulaMessage;
      return out;
    }
  }

  // The view box: a fifth beyond the extremes, or a tenth of the range on a side the
  // function (or the x range) does not reach.
  double top = ymax > 0 ? (ymax + std::fabs(ymin)) * 1.2 : std::fabs(ymax - ymin) / 10;
  double bottom = ymin < 0 ? (ymin - std::fabs(ymax)) * 1.2 : std::fabs(ymax - ymin) / -10;
  const double right = b > 0 ? (b + std::fabs(a)) * 1.2 : std::fabs(b - a) / 10;
  const double left = a < 0 ? (a - std::fabs(a)) * 1.2 : std::fabs(b - a) / -10;
  // A function that reaches an infinity (a division by a zero node difference) has no
  // frame to draw in.
  if (!std::isfinite(top) || !std::isfinite(bottom)) {
    out.message = kOverflowMessage;
    return out;
  }
  if (top == bottom) {
    // The function is 0 throughout: show it on the x axis in the middle of the picture.
    top = 1;
    bottom = -1;
  }
  DisplayList& d = out.picture;
  d.SetView(left, top, right, bottom);
  d.lines.push_back({0, top, 0, bottom, std::nullopt});
  d.lines.push_back({left, 0, right, 0, std::nullopt});

  for (const Sweep& s : sweeps) {
    const bool whole = RunSweep(s, fine, [&](double x, double y, int steps) {
      d.points.push_back({x, y, pointColour});
      return !Malformed(steps);
    });
    if (!whole) {
      out.message = kPlotFormulaMessage;
      return out;
    }
  }

  // Each label starts a new text line after it; "Y" is placed by its height, and "X" and
  // the two ends of the range take the lines below it.
  const double labelY = top - top / 25;
  d.texts.push_back({0, 0, "0", 0});
  d.texts.push_back({0, labelY, "Y", 0});
  d.texts.push_back({right - right / 20, labelY, "X", 1});
  d.texts.push_back({a, labelY, LeadingBlankNumberText(a), 2});
  d.texts.push_back({b, labelY, LeadingBlankNumberText(b), 3});
  if (ymax > 0) d.texts.push_back({0, ymax, (TextBuilder() << " max(Y)=" << ymax).Take(), 0});
  if (ymin < 0) d.texts.push_back({0, ymin, (TextBuilder() << " min(Y)=" << ymin).Take(), 0});
  return out;
}

}  // namespace tessaly
