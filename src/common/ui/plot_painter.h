// Painting a display list: the one routine behind the plot windows, their saved pictures
// and tessaly-cli's --plot files. Needs Qt Gui (and Svg for SVG files), not Widgets.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>

#include "common/display_list.h"

class QPainter;

namespace tessaly {

// The font the pictures print their labels in.
QFont PictureFont();

// Paints the drawing into `target` on a white ground: the view box's user coordinates are
// mapped onto the target (upper-left corner (left, top), lower-right (right, bottom)).
// Without a usable view box (none, zero, non-finite or unscalably small extent) only the
// ground is painted.
void PaintDisplayList(QPainter& painter, const DisplayList& drawing, const QRectF& target,
                      const QFont& font = PictureFont());

// The size a saved picture of the drawing gets: the drawing's own size, else 640 x 480.
QSize PictureSize(const DisplayList& drawing);

// The drawing as a PNG or SVG file's bytes at `size`. Empty on failure.
QByteArray RenderPng(const DisplayList& drawing, QSize size);
QByteArray RenderSvg(const DisplayList& drawing, QSize size);

// Writes the drawing as PNG or SVG, chosen by the name's extension (.png, .svg), at `size`,
// through a temporary file that replaces the target only when complete. On failure
// returns false with the reason in `error`.
bool SavePicture(const DisplayList& drawing, const QString& path, QSize size, QString* error);

}  // namespace tessaly
