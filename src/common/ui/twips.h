// Window coordinates of the program are kept in twips (1/1440 inch): 15 twips are one pixel
// at 96 dpi, scaled with the screen's logical dpi.
#pragma once

#include <QWidget>
#include <cmath>

namespace tessaly {

inline double PixelsPerTwip(const QWidget* w) {
  const double dpi = w ? w->logicalDpiX() : 96.0;
  return (dpi > 0 ? dpi : 96.0) / 96.0 / 15.0;
}

inline int TwipsToPx(double twips, const QWidget* w) {
  return static_cast<int>(std::lround(twips * PixelsPerTwip(w)));
}

inline double PxToTwips(int px, const QWidget* w) { return px / PixelsPerTwip(w); }

}  // namespace tessaly
