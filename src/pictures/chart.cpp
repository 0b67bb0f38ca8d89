#include "pictures/chart.h"

#include <algorithm>
#include <cmath>

#include "pictures/ticks.h"

namespace tessaly {
namespace {

constexpr int kTickPx = 5;
constexpr int kLabelHeightPx = 16;

}  // namespace

Chart::Chart(int width, int height, const ViewBox& view, Scale yScale)
    : view_(view), yScale_(yScale), width_(std::max(width, 1)), height_(std::max(height, 1)) {
  list_.width = width_;
  list_.height = height_;
  list_.SetView(view);
  unitX_ = (view.right - view.left) / width_;
  unitY_ = (view.top - view.bottom) / height_;
}

bool Chart::Shows(double x, double y) const {
  return x >= view_.left && x <= view_.right && y >= view_.bottom && y <= view_.top;
}

void Chart::Frame(bool grid) {
  const RoundTicks xs = MakeRoundTicks(view_.left, view_.right, width_ / 90);
  std::vector<double> ys;
  std::vector<std::string> yLabels;
  if (yScale_ == Scale::Log10) {
    for (int k : MakeDecadeTicks(view_.bottom, view_.top, height_ / 40)) {
      ys.push_back(k);
      yLabels.push_back(DecadeText(k));
    }
  } else {
    const RoundTicks t = MakeRoundTicks(view_.bottom, view_.top, height_ / 60);
    for (double v : t.values) {
      ys.push_back(v);
      yLabels.push_back(TickText(v, t.step));
    }
  }
  if (grid) {
    for (double x : xs.values) Line(x, view_.bottom, x, view_.top, kGridColour);
    for (double y : ys) Line(view_.left, y, view_.right, y, kGridColour);
  }
  // The axes through 0 where they are in view (a log axis has no 0).
  if (yScale_ == Scale::Linear && view_.bottom <= 0 && view_.top >= 0)
    list_.lines.push_back({view_.left, 0, view_.right, 0, std::nullopt});
  if (view_.left <= 0 && view_.right >= 0)
    list_.lines.push_back({0, view_.bottom, 0, view_.top, std::nullopt});
  // Ticks on the bottom and left edges; the labels stay clear of the corner they share.
  for (double x : xs.values) {
    Line(x, view_.bottom, x, Top(height_ - kTickPx), kTickLabelColour);
    if ((x - view_.left) / unitX_ > 40 && (view_.right - x) / unitX_ > 20)
      Label(x, view_.bottom, TickText(x, xs.step), kTickLabelColour, 0, -kLabelHeightPx - 4,
            TextAlign::Centre);
  }
  for (size_t i = 0; i < ys.size(); ++i) {
    // No tick mark on the left edge: beside a label it would read as a minus sign.
    if ((ys[i] - view_.bottom) / unitY_ > 2 * kLabelHeightPx && (view_.top - ys[i]) / unitY_ > 10)
      Label(view_.left, ys[i], yLabels[i], kTickLabelColour, 3, -kLabelHeightPx / 2);
  }
}

void Chart::Line(double x1, double y1, double x2, double y2, Rgb colour, double widthPx,
                 bool dashed) {
  list_.lines.push_back({x1, y1, x2, y2, colour, widthPx, dashed});
}

void Chart::Curve(const std::function<double(double)>& f, Rgb colour, double widthPx, int perPx) {
  const int n = std::max(width_ * std::max(perPx, 1), 2);
  const double step = (view_.right - view_.left) / n;
  if (!std::isfinite(step)) return;
  double px = view_.left, py = f(px);
  for (int i = 1; i <= n; ++i) {
    const double x = view_.left + i * step;
    const double y = f(x);
    if (std::isfinite(py) && std::isfinite(y)) Line(px, py, x, y, colour, widthPx);
    px = x;
    py = y;
  }
}

void Chart::Rect(double x1, double y1, double x2, double y2, Rgb colour) {
  list_.rects.push_back({x1, y1, x2, y2, colour});
}

void Chart::Mark(double x, double y, Rgb colour, MarkShape shape, int sizePx) {
  list_.marks.push_back({x, y, colour, shape, sizePx});
}

void Chart::Label(double x, double y, std::string text, Rgb colour, int dxPx, int dyPx,
                  TextAlign align) {
  PlotText t;
  t.x = x, t.y = y, t.text = std::move(text), t.colour = colour;
  t.dxPx = dxPx, t.dyPx = dyPx, t.align = align;
  list_.texts.push_back(std::move(t));
}

void Chart::Legend(const std::vector<LegendEntry>& entries) {
  constexpr int kRightPx = 190;
  for (size_t i = 0; i < entries.size(); ++i) {
    const double y = Top(10 + kLabelHeightPx * (i + 0.5));
    const double x = Left(width_ - kRightPx);
    Mark(x, y, entries[i].colour, MarkShape::Square, 10);
    Label(x, y, entries[i].text, 0x202020, 10, -kLabelHeightPx / 2);
  }
}

void Chart::Notes(const std::vector<std::string>& lines) {
  const int n = static_cast<int>(lines.size());
  for (int i = 0; i < n; ++i)
    Label(Left(8), Top(height_ - kLabelHeightPx * (n - i + 1) - 10), lines[i], 0xb00000, 0, 0);
}

Span FitSpan(const std::vector<double>& values, double margin) {
  double lo = INFINITY, hi = -INFINITY;
  for (double v : values) {
    if (!std::isfinite(v)) continue;
    // Kept inside +-1E+300 so that the span and the margins stay finite.
    v = std::clamp(v, -1e300, 1e300);
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  if (lo > hi) return {-1, 1};
  const double centre = lo / 2 + hi / 2;
  double half = hi / 2 - lo / 2;
  // One value (or values equal to twelve digits): a tenth of its size around it, or 1.
  if (!(half > std::fabs(centre) * 1e-12)) half = centre != 0 ? std::fabs(centre) / 10 : 1;
  half *= 1 + 2 * margin;
  return {centre - half, centre + half};
}

std::vector<PlotLine> GridLines(const DisplayList& d, int widthPx, int heightPx) {
  std::vector<PlotLine> lines;
  if (!d.hasView) return lines;
  const double x1 = std::min(d.left, d.right), x2 = std::max(d.left, d.right);
  const double y1 = std::min(d.top, d.bottom), y2 = std::max(d.top, d.bottom);
  for (double x : MakeRoundTicks(x1, x2, widthPx / 90).values)
    lines.push_back({x, y1, x, y2, kGridColour});
  for (double y : MakeRoundTicks(y1, y2, heightPx / 60).values)
    lines.push_back({x1, y, x2, y, kGridColour});
  return lines;
}

}  // namespace tessaly
