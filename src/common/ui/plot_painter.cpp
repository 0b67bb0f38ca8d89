#include "common/ui/plot_painter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "common/ui/atomic_file.h"

namespace tessaly {
namespace {

// Coordinates far outside the picture are pulled in to this many pixels around it, so that
// a huge value (an overflowing function) cannot overflow the painter's arithmetic.
constexpr double kFarPx = 1e5;

struct Mapping {
  double x0, y0, sx, sy;
  double X(double x) const { return std::clamp(x0 + x * sx, -kFarPx, kFarPx); }
  double Y(double y) const { return std::clamp(y0 + y * sy, -kFarPx, kFarPx); }
};

bool Finite(double v) { return std::isfinite(v); }

}  // namespace

QFont PictureFont() {
  QFont f;
  f.setFamilies({"Noto Sans CJK SC", "WenQuanYi Micro Hei", "DejaVu Sans"});
  f.setPixelSize(12);
  return f;
}

void PaintDisplayList(QPainter& painter, const DisplayList& d, const QRectF& target,
                      const QFont& font) {
  painter.save();
  painter.fillRect(target, Qt::white);
  const double w = d.right - d.left, h = d.bottom - d.top;
  if (!d.hasView || !Finite(d.left) || !Finite(d.top) || !Finite(w) || !Finite(h) || w == 0 ||
      h == 0) {
    painter.restore();
    return;
  }
  painter.setClipRect(target);
  painter.setRenderHint(QPainter::Antialiasing, false);
  // x_px = target.left + (x - left) * width / w, likewise for y.
  const double sx = target.width() / w, sy = target.height() / h;
  if (!Finite(sx) || !Finite(sy)) {  // an extent too small to scale (subnormal)
    painter.restore();
    return;
  }
  const Mapping m{target.left() - d.left * sx, target.top() - d.top * sy, sx, sy};

  for (const PlotRect& r : d.rects) {
    if (!Finite(r.x1) || !Finite(r.y1) || !Finite(r.x2) || !Finite(r.y2)) continue;
    painter.fillRect(QRectF(QPointF(m.X(r.x1), m.Y(r.y1)), QPointF(m.X(r.x2), m.Y(r.y2)))
                         .normalized(),
                     QColor::fromRgb(r.colour));
  }
  // Lines of a given width that continue one another in one style (a sampled curve) are
  // drawn as one polyline: far fewer painter calls, and smooth joins. The thinnest lines
  // (the fixed pictures) are drawn one by one, exactly as they always were.
  QPolygonF run;
  const PlotLine* style = nullptr;
  auto flush = [&] {
    if (run.size() < 2) return;
    QPen pen(style->colour ? QColor::fromRgb(*style->colour) : QColor(Qt::black), style->widthPx);
    if (style->dashed) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    // Lines of a given width (curves and highlights) are smoothed; the thinnest stay crisp.
    painter.setRenderHint(QPainter::Antialiasing, style->widthPx > 0);
    painter.drawPolyline(run);
  };
  for (const PlotLine& l : d.lines) {
    if (!Finite(l.x1) || !Finite(l.y1) || !Finite(l.x2) || !Finite(l.y2)) continue;
    const QPointF from(m.X(l.x1), m.Y(l.y1)), to(m.X(l.x2), m.Y(l.y2));
    const bool continues = style && l.widthPx > 0 && run.back() == from &&
                           style->colour == l.colour && style->widthPx == l.widthPx &&
                           style->dashed == l.dashed;
    if (!continues) {
      flush();
      run.clear();
      run << from;
      style = &l;
    }
    run << to;
  }
  flush();
  painter.setPen(Qt::NoPen);
  for (const PlotPoint& p : d.points) {
    if (!Finite(p.x) || !Finite(p.y)) continue;
    // A single point: one pixel, its upper-left corner at the point.
    painter.fillRect(QRectF(std::floor(m.X(p.x)), std::floor(m.Y(p.y)), 1, 1),
                     QColor::fromRgb(p.colour));
  }
  if (!d.marks.empty()) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const PlotMark& k : d.marks) {
      if (!Finite(k.x) || !Finite(k.y)) continue;
      const QColor colour = QColor::fromRgb(k.colour);
      const double r = k.sizePx / 2.0;
      const QPointF c(m.X(k.x), m.Y(k.y));
      const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
      switch (k.shape) {
        case MarkShape::Disc:
          painter.setPen(Qt::NoPen);
          painter.setBrush(colour);
          painter.drawEllipse(box);
          break;
        case MarkShape::Ring:
          painter.setPen(QPen(colour, 1.5));
          painter.setBrush(Qt::NoBrush);
          painter.drawEllipse(box);
          break;
        case MarkShape::Square:
          painter.setPen(Qt::NoPen);
          painter.fillRect(box, colour);
          break;
        case MarkShape::Cross:
          painter.setPen(QPen(colour, 1.5));
          painter.drawLine(box.topLeft(), box.bottomRight());
          painter.drawLine(box.topRight(), box.bottomLeft());
          break;
      }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
  }
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  for (const PlotText& t : d.texts) {
    if (!Finite(t.x) || !Finite(t.y)) continue;
    const QString text = QString::fromStdString(t.text);
    double left = m.X(t.x) + t.dxPx;
    if (t.align != TextAlign::Left) {
      const double w = metrics.horizontalAdvance(text);
      left -= t.align == TextAlign::Centre ? w / 2 : w;
    }
    const double top = m.Y(t.y) + t.linesBelow * metrics.height() + t.dyPx;
    painter.setPen(QColor::fromRgb(t.colour));
    painter.drawText(QPointF(left, top + metrics.ascent()), text);
  }
  painter.restore();
}

QSize PictureSize(const DisplayList& d) {
  return d.width > 0 && d.height > 0 ? QSize(d.width, d.height) : QSize(640, 480);
}

QByteArray RenderPng(const DisplayList& drawing, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PaintDisplayList(painter, drawing, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return {};
  return bytes;
}

QByteArray RenderSvg(const DisplayList& drawing, QSize size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  // The size is in pixels at 96 dpi: a viewer shows the picture as large as the window did.
  svg.setResolution(96);
  svg.setTitle("Tessaly");
  {
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    PaintDisplayList(painter, drawing, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  return bytes;
}

bool SavePicture(const DisplayList& drawing, const QString& path, QSize size, QString* error) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  QByteArray bytes;
  if (suffix == "png") {
    bytes = RenderPng(drawing, size);
  } else if (suffix == "svg") {
    bytes = RenderSvg(drawing, size);
  } else {
    if (error) *error = "the file name must end in .png or .svg";
    return false;
  }
  if (bytes.isEmpty()) {
    if (error) *error = "the picture could not be drawn";
    return false;
  }
  if (!WriteFileAtomically(path, bytes)) {
    if (error) *error = "the file could not be written";
    return false;
  }
  return true;
}

}  // namespace tessaly
