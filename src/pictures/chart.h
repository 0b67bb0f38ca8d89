// The one chart component every picture is built on: it owns the view, the axes, the ticks
// with round values (or whole decades on a log10 value axis), the light grid, the legend,
// markers, labels pinned in pixels and the notes under the data, and hands out the finished
// display list. Picture kinds (cobweb, tangents, bars, convergence series) are small
// functions that draw their data through it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/display_list.h"

namespace tessaly {

inline constexpr Rgb kGridColour = 0xe4e4e4;
inline constexpr Rgb kTickLabelColour = 0x505050;

struct LegendEntry {
  std::string text;
  Rgb colour = 0;
};

class Chart {
 public:
  enum class Scale { Linear, Log10 };  // Log10: the y values are given as their logarithms

  // A width x height pixel picture showing `view` (upper-left and lower-right corners).
  Chart(int width, int height, const ViewBox& view, Scale yScale = Scale::Linear);

  const ViewBox& View() const { return view_; }
  // User units per pixel, horizontally and vertically (both positive).
  double UnitsPerPxX() const { return unitX_; }
  double UnitsPerPxY() const { return unitY_; }
  // Whether a point lies in the view.
  bool Shows(double x, double y) const;

  // The light grid (when `grid`), the axes through 0 where they are in view, the ticks and
  // their labels along the bottom and left edges.
  void Frame(bool grid);
  void Line(double x1, double y1, double x2, double y2, Rgb colour, double widthPx = 0,
            bool dashed = false);
  // f sampled `perPx` times per pixel across the view, joined where both ends are finite.
  void Curve(const std::function<double(double)>& f, Rgb colour, double widthPx = 1.5,
             int perPx = 2);
  void Rect(double x1, double y1, double x2, double y2, Rgb colour);
  void Mark(double x, double y, Rgb colour, MarkShape shape = MarkShape::Disc, int sizePx = 6);
  void Label(double x, double y, std::string text, Rgb colour, int dxPx, int dyPx,
             TextAlign align = TextAlign::Left);
  // The entries in a column in the upper-right corner, each after a square of its colour.
  void Legend(const std::vector<LegendEntry>& entries);
  // Lines of text in the lower-left corner, above the tick labels.
  void Notes(const std::vector<std::string>& lines);

  DisplayList Take() { return std::move(list_); }

 private:
  double Left(double px) const { return view_.left + px * unitX_; }
  double Top(double px) const { return view_.top - px * unitY_; }

  DisplayList list_;
  ViewBox view_;
  Scale yScale_;
  int width_, height_;
  double unitX_, unitY_;
};

// The fitted range of a set of values with `margin` (a fraction of the span) on each side;
// a single value or none gets a unit range around it (or around 0). Non-finite values are
// skipped.
struct Span {
  double lo = 0, hi = 0;
};
Span FitSpan(const std::vector<double>& values, double margin);

// The grid of a picture as it is shown: light lines at the round ticks of its view (for
// pictures not built on a Chart, such as the fixed pictures of the calculus windows).
std::vector<PlotLine> GridLines(const DisplayList& drawing, int widthPx, int heightPx);

}  // namespace tessaly
