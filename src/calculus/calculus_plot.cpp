#include "calculus/calculus_plot.h"

#include <cmath>

#include "common/number_text.h"

namespace tessaly {

void PlotRange::Add(double y) {
  if (!std::isfinite(y)) return;
  if (y > ymax) ymax = y;
  if (y < ymin) ymin = y;
}

void SetCalculusView(DisplayList& d, double a, double b, const PlotRange& range) {
  const double ymax = range.ymax, ymin = range.ymin;
  double top = ymax > 0 ? (ymax + std::fabs(ymin)) * 1.2 : std::fabs(ymax - ymin) / 10;
  double bottom = ymin < 0 ? (ymin - std::fabs(ymax)) * 1.2 : -std::fabs(ymax - ymin) / 10;
  double right = b > 0 ? (b + std::fabs(a)) * 1.2 : std::fabs(b - a) / 10;
  double left = a < 0 ? (a - std::fabs(a)) * 1.2 : -std::fabs(b - a) / 10;
  if (top == bottom) top = 1, bottom = -1;
  if (left == right) left = -1, right = 1;
  d.width = kCalculusPictureWidth;
  d.height = kCalculusPictureHeight;
  d.SetView(left, top, right, bottom);
}

void AddCalculusAxes(DisplayList& d) {
  d.lines.push_back({0, d.top, 0, d.bottom, std::nullopt});
  d.lines.push_back({d.left, 0, d.right, 0, std::nullopt});
}

void AddCalculusLabels(DisplayList& d, double a, double b) {
  // Numbers are printed as a leading-blank number followed by one blank.
  auto number = [](double v) { return LeadingBlankNumberText(v) + " "; };
  d.texts.push_back({0, 0, number(0)});
  d.texts.push_back({0, d.top - d.top / 25, "Y"});
  d.texts.push_back({d.right - d.right / 20, 0, "X"});
  d.texts.push_back({a - std::fabs(a) / 20, 0, number(a)});
  d.texts.push_back({b - std::fabs(b) / 20, 0, number(b)});
}

DisplayList AreaPlot(const Formula& f, double a, double b, Rgb colour) {
  const double s = (b - a) / 100;
  PlotRange range;
  SampleRange(a, b, s, [&](double x) {
    range.Add(f.Evaluate(x));
    return true;
  });
  DisplayList d;
  SetCalculusView(d, a, b, range);
  AddCalculusAxes(d);
  d.lines.reserve(d.lines.size() + 404);
  SampleRange(a, b, s / 4, [&](double x) {
    d.lines.push_back({x, f.Evaluate(x), x, 0, colour});
    return true;
  });
  AddCalculusLabels(d, a, b);
  return d;
}

}  // namespace tessaly
