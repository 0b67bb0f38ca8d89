#include "common/ui/screen_fit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tessaly {
namespace {

// The width of the window frame on each side: frame minus client area.
struct Frame {
  int left = 0, top = 0, right = 0, bottom = 0;
};

Frame FrameOf(const QWidget* w) {
  const QRect f = w->frameGeometry();
  const QRect g = w->geometry();
  return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

bool HasFrame(const Frame& f) { return f.left || f.top || f.right || f.bottom; }

// Before a window appears its frame is unknown: the window manager frames every window
// alike, so take that of a window already shown.
Frame ExpectedFrame(const QWidget* window) {
  const Frame own = FrameOf(window);
  if (HasFrame(own)) return own;
  for (const QWidget* w : QApplication::topLevelWidgets()) {
    if (w == window || !w->isVisible() || w->windowType() != Qt::Window) continue;
    const Frame f = FrameOf(w);
    if (HasFrame(f)) return f;
  }
  return {};
}

QRect AvailableArea(const QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  QRect area = screen->availableGeometry();
  // With a fractional scale (1.5 device pixels to a pixel, say) the frame's device pixels
  // round: keep one pixel from the right and bottom edges so that a frame edge cannot round
  // past them.
  const qreal ratio = screen->devicePixelRatio();
  if (ratio != std::floor(ratio)) area.adjust(0, 0, -1, -1);
  return area;
}

// Moves (and if need be shrinks) the window so that its frame, `frame` wide on each side,
// lies inside the available area.
void Fit(QWidget* window, const Frame& frame) {
  const QRect area = AvailableArea(window);
  if (area.isEmpty()) return;
  const QRect client = window->geometry();
  const QRect outer = client.adjusted(-frame.left, -frame.top, frame.right, frame.bottom);
  const QRect fitted = FitInside(outer, area);
  if (fitted == outer) return;
  if (fitted.size() != outer.size())
    window->resize(fitted.width() - frame.left - frame.right,
                   fitted.height() - frame.top - frame.bottom);
  // A window's position is that of its frame.
  window->move(fitted.topLeft());
}

// Fits the window before it appears, and again once the window manager has placed and
// framed it (that comes a little after the window is shown).
class ScreenFit : public QObject {
 public:
  explicit ScreenFit(QWidget* window) : QObject(window), window_(window) {
    setObjectName(kName);
    window->installEventFilter(this);
  }

  static constexpr const char* kName = "ScreenFit";

  bool eventFilter(QObject* watched, QEvent* event) override {
    // Shown by the program; a window the user brings back from the task bar stays put.
    if (watched == window_ && event->type() == QEvent::Show && !event->spontaneous()) {
      if (!window_->isMaximized() && !window_->isFullScreen()) {
        const Frame expected = ExpectedFrame(window_);
        if (window_->testAttribute(Qt::WA_Moved)) {
          Fit(window_, expected);
        } else {
          // Where the window manager will put it is its own affair; only the size can be
          // made to fit beforehand.
          const QRect area = AvailableArea(window_);
          const int w = area.width() - expected.left - expected.right;
          const int h = area.height() - expected.top - expected.bottom;
          if (!area.isEmpty() && (window_->width() > w || window_->height() > h))
            window_->resize(std::min(window_->width(), w), std::min(window_->height(), h));
        }
      }
      shown_.start();
      for (int ms : {0, 100, 500}) QTimer::singleShot(ms, this, [this] { FitAsShown(); });
    } else if (watched == window_ && event->type() == QEvent::Move && shown_.isValid() &&
               shown_.elapsed() < kPlacingMs) {
      // The window manager places the window: check where it went, once the move is done.
      QTimer::singleShot(0, this, [this] { FitAsShown(); });
    }
    return false;
  }

 private:
  void FitAsShown() {
    if (window_->isVisible() && !window_->isMinimized() && !window_->isMaximized() &&
        !window_->isFullScreen())
      Fit(window_, FrameOf(window_));
  }

  // How long after the window is shown its moves count as the window manager's placing.
  static constexpr qint64 kPlacingMs = 2000;

  QWidget* window_;
  QElapsedTimer shown_;
};

}  // namespace

QRect FitInside(const QRect& frame, const QRect& area) {
  QRect r = frame;
  if (r.width() > area.width()) r.setWidth(area.width());
  if (r.height() > area.height()) r.setHeight(area.height());
  if (r.right() > area.right()) r.moveRight(area.right());
  if (r.bottom() > area.bottom()) r.moveBottom(area.bottom());
  if (r.left() < area.left()) r.moveLeft(area.left());
  if (r.top() < area.top()) r.moveTop(area.top());
  return r;
}

void KeepOnScreen(QWidget* window) {
  if (!window || window->findChild<QObject*>(ScreenFit::kName, Qt::FindDirectChildrenOnly)) return;
  new ScreenFit(window);
}

}  // namespace tessaly
