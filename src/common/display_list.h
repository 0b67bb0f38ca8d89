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
  double widthPx = 0;         // 0: the thinnest line the device draws
  bool dashed = false;
};

// A rectangle filled with one colour, its corners in user coordinates.
struct PlotRect {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Rgb colour = 0;
};

enum class MarkShape : uint8_t { Disc, Ring, Square, Cross };

// A marker of a fixed size in pixels centred on a point, whatever the scale.
struct PlotMark {
  double x = 0, y = 0;
  Rgb colour = 0;
  MarkShape shape = MarkShape::Disc;
  int sizePx = 6;
};

enum class TextAlign : uint8_t { Left, Centre, Right };

struct PlotPoint {
  double x = 0, y = 0;
  Rgb colour = 0;
};

// A text printed with its upper-left corner at (x, y), moved down by `linesBelow` text
// lines of the picture's font (a text printed on the line after the previous one), then by
// (dxPx, dyPx) pixels. Centre and Right alignment put the text's middle or right end at x.
struct PlotText {
  double x = 0, y = 0;
  std::string text;
  int linesBelow = 0;
  Rgb colour = 0;
  int dxPx = 0, dyPx = 0;
  TextAlign align = TextAlign::Left;
};

// The user coordinates of a picture's upper-left (left, top) and lower-right corners.
struct ViewBox {
  double left = 0, top = 0, right = 0, bottom = 0;
};

struct DisplayList {
  // The picture's size in pixels at 96 dpi (also the size of an exported picture).
  int width = 0, height = 0;
  // User coordinates of the upper-left corner (left, top) and the lower-right corner
  // (right, bottom). Without a view box nothing is drawn.
  bool hasView = false;
  double left = 0, top = 0, right = 0, bottom = 0;
  // Painted in this order: rectangles, lines, points, marks, then texts.
  std::vector<PlotRect> rects;
  std::vector<PlotLine> lines;
  std::vector<PlotPoint> points;
  std::vector<PlotMark> marks;
  std::vector<PlotText> texts;

  void SetView(double l, double t, double r, double b) {
    hasView = true;
    left = l, top = t, right = r, bottom = b;
  }
  void SetView(const ViewBox& v) { SetView(v.left, v.top, v.right, v.bottom); }
  ViewBox View() const { return {left, top, right, bottom}; }
  bool Empty() const {
    return rects.empty() && lines.empty() && points.empty() && marks.empty() && texts.empty();
  }
};

}  // namespace tessaly
