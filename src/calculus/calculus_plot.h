// The pictures of the calculus windows: the area under the curve that the quadrature
// windows draw after their result, and the dotted curve of the function plot window.
//
// Both share one frame: a range scan of f over [a, b] in 100 steps (the vertical range
// always contains 0), a view box with room around the range and the interval, the two axes
// through 0 and the labels 0, Y, X, a and b.
#pragma once

#include <optional>

#include "common/display_list.h"
#include "expr/formula.h"

namespace tessaly {

// The picture boxes' size in pixels at 96 dpi (Picture1 of the four windows).
inline constexpr int kCalculusPictureWidth = 488;
inline constexpr int kCalculusPictureHeight = 500;

// Calls visit(x) for x = a, a + step, a + 2 step, … while x <= b, x accumulated by
// repeated addition, until visit returns false. The walk also ends when adding the step
// would not move x (a step of 0 when a = b, or a step too small for the size of x), so it
// always ends; otherwise the samples are exactly those of the accumulated sequence.
template <class Visit>
void SampleRange(double a, double b, double step, Visit visit) {
  for (double x = a; x <= b;) {
    if (!visit(x)) return;
    const double next = x + step;
    if (next == x) return;  // the step does not move x on
    x = next;
  }
}

// The vertical range of the scan: ymin <= 0 <= ymax.
struct PlotRange {
  double ymin = 0, ymax = 0;
  // Takes in one value of f. Infinite and not-a-number values stay out of the range (the
  // picture could not show them); lines to them are left out of the picture.
  void Add(double y);
};

// The view box over [a, b] and the range: room of a fifth around the values, a negative
// lower bound a puts the left edge at 2.4 a, otherwise a tenth of the interval left of 0.
// A view with no height (f is 0 at every sample) gets the band from -1 to 1, and one with
// no width (a = b = 0) the interval from -1 to 1, so the picture still shows its frame.
void SetCalculusView(DisplayList& d, double a, double b, const PlotRange& range);
// The two axes through 0, in the picture's own colour.
void AddCalculusAxes(DisplayList& d);
// The labels: 0 at the origin, Y at the top of the y axis, X at the right end of the x
// axis, and a and b below the axis at their places.
void AddCalculusLabels(DisplayList& d, double a, double b);

// The area plot of the quadrature windows: the frame, and a vertical line from (x, f(x))
// down to the axis in `colour` every quarter of a scan step. f must be well formed (the
// integral has been computed with it).
DisplayList AreaPlot(const Formula& f, double a, double b, Rgb colour);

}  // namespace tessaly
