#include "common/ui/fixed_size_window.h"

#include <QEvent>
#include <QTimer>

#include "common/ui/twips.h"

namespace tessaly {

FixedSizeWindow::FixedSizeWindow(double outerWidthTwips, double outerHeightTwips, QWidget* parent)
    : QWidget(parent), outerWidth_(outerWidthTwips), outerHeight_(outerHeightTwips) {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  KeepOuterSize();
}

void FixedSizeWindow::KeepOuterSize() {
  // The frame is known only once the window is shown; until then the client area takes
  // the whole outer size.
  const QSize frame = frameGeometry().size() - geometry().size();
  const QSize client(TwipsToPx(outerWidth_, this) - frame.width(),
                     TwipsToPx(outerHeight_, this) - frame.height());
  if (minimumSize() != client || maximumSize() != client) setFixedSize(client);
  // Without a window manager nothing enforces the size hints: a resize from outside (a
  // script, another program) is taken back once the event has been handled.
  if (isVisible() && size() != client)
    QTimer::singleShot(0, this, [this] {
      if (size() != minimumSize() && minimumSize() == maximumSize()) resize(minimumSize());
    });
}

void FixedSizeWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  KeepOuterSize();
}

void FixedSizeWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  KeepOuterSize();
  // The window manager reports its frame a little after the window appears.
  QTimer::singleShot(100, this, &FixedSizeWindow::KeepOuterSize);
  QTimer::singleShot(500, this, &FixedSizeWindow::KeepOuterSize);
}

void FixedSizeWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  KeepOuterSize();
}

void FixedSizeWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Maximising, like any resize, leaves the window at its one size.
  if (event->type() == QEvent::WindowStateChange &&
      (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
    QTimer::singleShot(0, this, [this] {
      setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
      KeepOuterSize();
    });
}

}  // namespace tessaly
