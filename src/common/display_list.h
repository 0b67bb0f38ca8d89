// A drawing as the plot logic produces it: a view box in user coordinates and the lines,
// single points and texts drawn into it. The engine builds display lists; one window-layer
// routine paints them onto the plot windows, into PNG and SVG files and for tessaly-cli.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessaly {

// A colour as 0xRRGGBB. 0 is black, the program's default plot colour.
using Rgb = uint32_t;

struct PlotLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::optional<Rgb> colour;  // none: the picture's own foreground colour (the axes)
};

struct PlotPoint {
  double x = 0, y = 0;
  Rgb colour = 0;
};

// A text printed with its upper-left corner at (x, y), moved down by `linesBelow` text
// lines of the picture's font (a text printed on the line after the previous one).
struct PlotText {
  double x = 0, y = 0;
  std::string text;
  int linesBelow = 0;
};

struct DisplayList {
  // The picture's size in pixels at 96 dpi (also the size of an exported picture).
  int width = 0, height = 0;
  // User coordinates of the upper-left corner (left, top) and the lower-right corner
  // (right, bottom). Without a view box nothing is drawn.
  bool hasView = false;
  double left = 0, top = 0, right = 0, bottom = 0;
  // Painted in this order: lines, then points, then texts.
  std::vector<PlotLine> lines;
  std::vector<PlotPoint> points;
  std::vector<PlotText> texts;

  void SetView(double l, double t, double r, double b) {
    hasView = true;
    left = l, top = t, right = r, bottom = b;
  }
  bool Empty() const { return lines.empty() && points.empty() && texts.empty(); }
};

}  // namespace tessaly
