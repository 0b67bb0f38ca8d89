// The program-wide values shared between windows: the interpolation window's plot
// hand-over record and the two plot colours. One AppState lives as long as the program
// (or one tessaly-cli run) and is passed to whoever needs it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/display_list.h"

namespace tessaly {

// What an interpolation method hands to the scatter-plot window. A method fills only the
// fields of its kind; the others keep what an earlier method left there.
struct PlotHandOver {
  std::string formula;              // kind 1: the single formula
  std::vector<std::string> pieces;  // kinds 2, 3: one formula per piece, index 1 .. count
                                    // (index 0 unused)
  std::vector<double> nodes;        // kinds 2, 3: a copy of the table's x values, from 0
  double xMin = 0, xMax = 0;        // kind 1: the x range
  // 1: one formula over [xMin, xMax]; 2: piece i over [nodes(i-1), nodes(i)];
  // 3: piece i is a parabola over [nodes(i-1), nodes(i+1)]; anything else draws nothing.
  uint8_t kind = 0;

  bool operator==(const PlotHandOver&) const = default;
};

struct AppState {
  PlotHandOver plot;
  Rgb scatterColour = 0;  // the interpolation window's point colour ("散点图颜色")
  Rgb plotColour = 0;     // the calculus windows' curve colour ("设置绘图颜色")
};

}  // namespace tessaly
