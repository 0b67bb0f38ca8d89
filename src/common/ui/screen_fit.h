// Where top-level windows open: wholly inside the available area of their screen (the
// screen less its panels and docks). A window that already lies inside stays where the
// program or the window manager put it; one that reaches past an edge moves in, and one
// larger than the area shrinks to it first. Every top-level window goes through
// KeepOnScreen: AppWindows does it for the windows it shows, main() for the main window and
// the exit splash.
#pragma once

#include <QRect>

class QWidget;

namespace tessaly {

// The frame rectangle moved, and first shrunk where it is wider or taller than `area`, so
// that it lies inside `area`; a frame that lies inside already comes back unchanged. When
// it cannot fit, its top left corner stays inside.
QRect FitInside(const QRect& frame, const QRect& area);

// Keeps `window` (a top-level window) inside its screen's available area each time the
// program shows it: before it appears, by the frame of the windows already shown, and
// again once the window manager has placed and framed it. Call once, before showing it.
void KeepOnScreen(QWidget* window);

}  // namespace tessaly
