#include "pictures/root_pictures.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "expr/formula.h"
#include "pictures/chart.h"

namespace tessaly {
namespace {

constexpr Rgb kCurve = 0x1f5fbf;
constexpr Rgb kDiagonal = 0x909090;
constexpr Rgb kPath = 0xe08a3c;
constexpr Rgb kHighlight = 0xd62728;
constexpr Rgb kBar = 0xbcd4ea;
constexpr Rgb kBarHighlight = 0x3a78c2;
constexpr Rgb kRoot = 0x2ca02c;
constexpr Rgb kAccelerated = 0x8e44ad;
constexpr Rgb kLabel = 0x303030;
constexpr double kMargin = 0.08;

bool IsCobweb(StepMethod m) {
  return m == StepMethod::FixedPoint || m == StepMethod::FixedPointSpeedUp ||
         m == StepMethod::Aitken;
}

// The values of a step that its picture uses.
std::vector<double> StepValues(const IterationStep& s, StepMethod m) {
  switch (m) {
    case StepMethod::Bisection: return {s.a, s.b, s.x, s.fx};
    case StepMethod::FixedPoint: return {s.from, s.x};
    case StepMethod::FixedPointSpeedUp: return {s.from, s.x, s.accelerated};
    case StepMethod::Aitken: return {s.from, s.a, s.b, s.x};
    case StepMethod::Newton: return {s.from, s.fFrom, s.x, s.fx};
    case StepMethod::Secant: return {s.a, s.fa, s.b, s.fb, s.x, s.fx};
    case StepMethod::None: break;
  }
  return {};
}

bool Drawable(const IterationStep& s, StepMethod m) {
  for (double v : StepValues(s, m))
    if (!std::isfinite(v)) return false;
  return true;
}

int Clamped(const StepRecord& r, int shown) {
  return std::clamp(shown, 0, static_cast<int>(r.steps.size()));
}

// The value the method reports as its solution.
double Solution(const StepRecord& r) {
  const IterationStep& last = r.steps.back();
  return r.method == StepMethod::FixedPointSpeedUp ? last.accelerated : last.x;
}

bool Malformed(const Formula& f, const StepRecord& r) {
  int steps = 0;
  f.Evaluate(std::isfinite(r.lower) ? r.lower : 0, steps);
  return steps >= kMalformedSteps;
}

std::vector<double> Finite(std::initializer_list<double> values) {
  std::vector<double> out;
  for (double v : values)
    if (std::isfinite(v)) out.push_back(v);
  return out;
}

// The bisection bars stand in a band under the lowest value of f the run saw; their pitch
// depends on the whole run, so moving through the steps does not move them.
struct Band {
  double top = 0, pitch = 0;
};
Band BisectionBand(const StepRecord& r, const Formula& f) {
  std::vector<double> ys = Finite({0, f.Evaluate(r.lower), f.Evaluate(r.upper)});
  for (const IterationStep& s : r.steps)
    if (std::isfinite(s.fx)) ys.push_back(s.fx);
  const Span span = FitSpan(ys, 0);
  const double n = std::max<double>(r.steps.size(), 1);
  return {span.lo, (span.hi - span.lo) * std::min(0.04, 0.4 / n)};
}

ViewBox Fit(const StepRecord& r, int shown, const Formula& f) {
  std::vector<double> xs = Finite({r.lower, r.upper});
  std::vector<double> ys = IsCobweb(r.method) ? xs : std::vector<double>{0};
  for (int j = 0; j < shown; ++j) {
    const IterationStep& s = r.steps[j];
    if (!Drawable(s, r.method)) continue;
    const std::vector<double> v = StepValues(s, r.method);
    if (IsCobweb(r.method)) {
      xs.insert(xs.end(), v.begin(), v.end());
      ys.insert(ys.end(), v.begin(), v.end());
    } else {
      for (double value : Finite({s.a, s.b, s.from, s.x})) xs.push_back(value);
      for (double value : Finite({s.fa, s.fb, s.fFrom, s.fx})) ys.push_back(value);
    }
  }
  if (r.method == StepMethod::Bisection && !r.steps.empty()) {
    for (double v : Finite({f.Evaluate(r.lower), f.Evaluate(r.upper)})) ys.push_back(v);
    const Band band = BisectionBand(r, f);
    ys.push_back(band.top - (std::max(shown, 1) + 0.5) * band.pitch);
  }
  const Span x = FitSpan(xs, kMargin), y = FitSpan(ys, kMargin);
  return {x.lo, y.hi, x.hi, y.lo};
}

// Places the iterates' numbers, leaving out those that would cover one already placed.
class Numbering {
 public:
  explicit Numbering(Chart& chart) : chart_(chart) {}
  void Place(double x, double y, const std::string& text, Rgb colour, int dx, int dy,
             bool always = false) {
    const double px = x / chart_.UnitsPerPxX(), py = y / chart_.UnitsPerPxY();
    if (!std::isfinite(px) || !std::isfinite(py)) return;
    if (!always)
      for (const auto& [qx, qy] : placed_)
        if (std::fabs(px - qx) < 22 && std::fabs(py - qy) < 14) return;
    placed_.push_back({px, py});
    chart_.Label(x, y, text, colour, dx, dy, TextAlign::Centre);
  }

 private:
  Chart& chart_;
  std::vector<std::pair<double, double>> placed_;
};

std::string Name(int j) {
  std::string name = "x";
  name += std::to_string(j);
  return name;
}

void DrawBisection(Chart& c, const StepRecord& r, int shown, const Formula& f) {
  const Band band = BisectionBand(r, f);
  for (int j = 1; j <= shown; ++j) {
    const IterationStep& s = r.steps[j - 1];
    if (!Drawable(s, r.method)) continue;
    const bool high = j == shown;
    const double y = band.top - j * band.pitch;
    c.Rect(s.a, y - band.pitch * 0.35, s.b, y + band.pitch * 0.35, high ? kBarHighlight : kBar);
    c.Mark(s.x, y, high ? kHighlight : kLabel, MarkShape::Square, high ? 5 : 3);
    c.Mark(s.x, 0, high ? kHighlight : kPath, MarkShape::Disc, high ? 7 : 5);
    if (high) {
      c.Line(s.x, 0, s.x, s.fx, kHighlight, 1, true);
      c.Mark(s.x, s.fx, kHighlight, MarkShape::Disc, 6);
    }
  }
}

void DrawNewton(Chart& c, const StepRecord& r, int shown) {
  for (int j = 1; j <= shown; ++j) {
    const IterationStep& s = r.steps[j - 1];
    if (!Drawable(s, r.method)) continue;
    const bool high = j == shown;
    const Rgb colour = high ? kHighlight : kPath;
    if (j == 1) c.Line(s.from, 0, s.from, s.fFrom, kDiagonal, 1, true);
    c.Line(s.from, s.fFrom, s.x, 0, colour, high ? 2 : 1);
    c.Line(s.x, 0, s.x, s.fx, high ? kHighlight : kDiagonal, 1, true);
    c.Mark(s.from, s.fFrom, colour, MarkShape::Disc, 5);
    c.Mark(s.x, 0, colour, MarkShape::Disc, high ? 7 : 5);
  }
}

void DrawSecant(Chart& c, const StepRecord& r, int shown) {
  for (int j = 1; j <= shown; ++j) {
    const IterationStep& s = r.steps[j - 1];
    if (!Drawable(s, r.method)) continue;
    const bool high = j == shown;
    const Rgb colour = high ? kHighlight : kPath;
    // The chord through both points, carried on to where it meets the axis.
    c.Line(s.a, s.fa, s.b, s.fb, colour, high ? 2 : 1);
    c.Line(s.b, s.fb, s.x, 0, colour, high ? 2 : 1);
    c.Line(s.x, 0, s.x, s.fx, high ? kHighlight : kDiagonal, 1, true);
    c.Mark(s.a, s.fa, colour, MarkShape::Disc, 5);
    c.Mark(s.b, s.fb, colour, MarkShape::Disc, 5);
    c.Mark(s.x, 0, colour, MarkShape::Disc, high ? 7 : 5);
  }
}

void DrawCobweb(Chart& c, const StepRecord& r, int shown) {
  const ViewBox& v = c.View();
  const double lo = std::min(v.left, v.bottom), hi = std::max(v.right, v.top);
  c.Line(lo, lo, hi, hi, kDiagonal, 1);
  for (int j = 1; j <= shown; ++j) {
    const IterationStep& s = r.steps[j - 1];
    if (!Drawable(s, r.method)) continue;
    const bool high = j == shown;
    const Rgb colour = high ? kHighlight : kPath;
    const double w = high ? 2 : 1;
    // x -> phi(x): up (or down) to the curve, across to the line y = x.
    double p = s.from;
    const std::vector<double> images =
        r.method == StepMethod::Aitken ? std::vector<double>{s.a, s.b} : std::vector<double>{s.x};
    for (double q : images) {
      c.Line(p, p, p, q, colour, w);
      c.Line(p, q, q, q, colour, w);
      p = q;
    }
    if (r.method == StepMethod::Aitken) c.Line(p, p, s.x, s.x, kAccelerated, 1, true);
    if (r.method != StepMethod::FixedPoint)
      c.Mark(s.accelerated, s.accelerated, kAccelerated, MarkShape::Square, high ? 7 : 5);
    c.Mark(s.x, s.x, colour, MarkShape::Disc, high ? 7 : 5);
  }
}

void NumberIterates(Chart& c, const StepRecord& r, int shown) {
  Numbering numbers(c);
  const bool cobweb = IsCobweb(r.method);
  auto place = [&](int j, bool always) {
    const IterationStep& s = r.steps[j - 1];
    if (!Drawable(s, r.method)) return;
    const Rgb colour = j == shown ? kHighlight : kLabel;
    if (cobweb)
      numbers.Place(s.x, s.x, Name(j), colour, 14, 2, always);
    else
      numbers.Place(s.x, 0, Name(j), colour, 0, r.method == StepMethod::Bisection ? -20 : 5,
                    always);
  };
  place(shown, true);
  if (cobweb && std::isfinite(r.lower)) numbers.Place(r.lower, r.lower, "x0", kLabel, 14, 2);
  if (r.method == StepMethod::Newton && std::isfinite(r.lower))
    numbers.Place(r.lower, 0, "x0", kLabel, 0, 5);
  for (int j = 1; j < shown; ++j) place(j, false);
}

std::vector<LegendEntry> LegendOf(const StepRecord& r, double root) {
  std::vector<LegendEntry> entries;
  if (IsCobweb(r.method)) {
    entries = {{"φ(x)", kCurve}, {"y = x", kDiagonal}, {"迭代路径", kPath}};
    if (r.method != StepMethod::FixedPoint) entries.push_back({"加速值", kAccelerated});
  } else {
    entries = {{"f(x)", kCurve}};
    if (r.method == StepMethod::Bisection) entries.push_back({"隔根区间", kBarHighlight});
    if (r.method == StepMethod::Newton) entries.push_back({"切线", kPath});
    if (r.method == StepMethod::Secant) entries.push_back({"弦", kPath});
  }
  entries.push_back({"当前步", kHighlight});
  if (std::isfinite(root)) entries.push_back({"根 x = " + PlainNumberText(root), kRoot});
  return entries;
}

}  // namespace

ViewBox FitStepView(const StepRecord& record, int shown) {
  return Fit(record, Clamped(record, shown), Formula(record.curve));
}

std::vector<std::string> StepPictureNotes(const StepRecord& record, int shown) {
  if (Malformed(Formula(record.curve), record)) return {"函数表达式无法计算，没有画出图形。"};
  if (record.steps.empty()) return {"没有记录到迭代步骤。"};
  shown = Clamped(record, shown);
  std::vector<int> left;
  for (int j = 1; j <= shown; ++j)
    if (!Drawable(record.steps[j - 1], record.method)) left.push_back(j);
  if (left.empty()) return {};
  constexpr size_t kListed = 8;
  std::string steps;
  for (size_t i = 0; i < left.size() && i < kListed; ++i)
    steps += (i ? "、" : "") + std::to_string(left[i]);
  if (left.size() > kListed)
    steps += "、…、" + std::to_string(left.back()) + " 步（共 " + std::to_string(left.size()) +
             " 步）";
  else
    steps += " 步";
  return {"第 " + steps + "的值溢出，未画出"};
}

DisplayList DrawStepPicture(const StepRecord& r, const StepPictureRequest& request) {
  const int shown = Clamped(r, request.shown);
  const Formula f(r.curve);
  const bool malformed = Malformed(f, r);
  const ViewBox view = request.view ? *request.view
                       : malformed  ? ViewBox{-1, 1, 1, -1}
                                    : Fit(r, shown, f);
  Chart chart(request.width, request.height, view);
  chart.Frame(request.grid);
  if (!malformed && !r.steps.empty()) {
    chart.Curve([&f](double x) { return f.Evaluate(x); }, kCurve);
    switch (r.method) {
      case StepMethod::Bisection: DrawBisection(chart, r, shown, f); break;
      case StepMethod::Newton: DrawNewton(chart, r, shown); break;
      case StepMethod::Secant: DrawSecant(chart, r, shown); break;
      case StepMethod::FixedPoint:
      case StepMethod::FixedPointSpeedUp:
      case StepMethod::Aitken: DrawCobweb(chart, r, shown); break;
      case StepMethod::None: break;
    }
    const double root = r.settled ? Solution(r) : kNoValue;
    if (std::isfinite(root)) {
      chart.Mark(root, IsCobweb(r.method) ? root : 0, kRoot, MarkShape::Ring, 13);
    }
    if (shown > 0) NumberIterates(chart, r, shown);
    chart.Legend(LegendOf(r, root));
  }
  chart.Notes(StepPictureNotes(r, shown));
  return chart.Take();
}

}  // namespace tessaly
