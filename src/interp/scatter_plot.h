// The drawing of the scatter-plot window: the function an interpolation method handed over
// (one formula, a formula per node interval, or a parabola per node triple) as a dense row
// of single points, with the two axes and the labels, in user coordinates. Pure: the
// window, its saved pictures and tessaly-cli's --plot files paint the same list.
#pragma once

#include <string>
#include <string_view>

#include "common/app_state.h"
#include "common/display_list.h"

namespace tessaly {

// The picture's size in pixels: the plot window's picture box and the --plot files.
inline constexpr int kScatterPlotWidth = 640;
inline constexpr int kScatterPlotHeight = 480;

// A formula the expression engine finds malformed.
inline constexpr std::string_view kPlotFormulaMessage = "函数表达式有误！";
// A range whose first end is not left of its last: the sweeps would never end.
inline constexpr std::string_view kPlotRangeMessage =
    "第一个节点与最后一个节点相等或顺序颠倒，无法画图！";
// Nodes so far out of order that the pieces would need millions of points.
inline constexpr std::string_view kPlotNodeOrderMessage =
    "节点x没有按从小到大的顺序排列，无法画图！";

struct ScatterPlot {
  // False when the record asks for nothing (its kind is not 1, 2 or 3): the picture is
  // left as it is. Otherwise `picture` replaces it.
  bool drawn = false;
  DisplayList picture;
  // Shown (OK box) after the drawing, when not empty. The picture then holds what was
  // drawn before the fault: nothing, or the axes and the first points.
  std::string message;
};

// Draws what the record holds and sets its kind back to 0, so that the same hand-over is
// drawn once. The pieces of kinds 2 and 3 are normalised in place.
//
// Kind 1 evaluates the formula over [xMin, xMax]: first in 100 steps to find the y range
// (which always includes 0), then in 400 steps drawing a point each. Kinds 2 and 3 sweep
// piece i over [nodes(i-1), nodes(i)] (kind 3: [nodes(i-1), nodes(i+1)]) by the step
// (last node - first node) / 400, both times. The view box leaves a margin of a fifth
// beyond the extremes (a tenth of the range where the function or the range stays on one
// side of an axis). Labels: "0" at the origin, "Y" near the top of the y axis, and on the
// text lines below it "X" near the right border, then the range's ends at their x;
// " max(Y)=" and " min(Y)=" at the heights of the extremes when they are away from 0.
ScatterPlot DrawScatterPlot(PlotHandOver& plot, Rgb pointColour, int width = kScatterPlotWidth,
                            int height = kScatterPlotHeight);

}  // namespace tessaly
