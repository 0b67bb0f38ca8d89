// The splitter bar's hit area: passes mouse presses, moves and releases to its window.
#pragma once

#include <QMouseEvent>
#include <QWidget>
#include <functional>

namespace tessaly {

class SplitterBar : public QWidget {
 public:
  SplitterBar(bool horizontalBar, QWidget* parent) : QWidget(parent), horizontal_(horizontalBar) {
    setObjectName("imgSplitter");
    setCursor(horizontal_ ? Qt::SplitVCursor : Qt::SplitHCursor);
  }
  std::function<void()> onDown;
  std::function<void(int)> onMove;  // the pointer's offset inside the bar, pixels
  std::function<void()> onUp;

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onDown) onDown();
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (onMove) onMove(horizontal_ ? e->position().toPoint().y() : e->position().toPoint().x());
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onUp) onUp();
  }

 private:
  bool horizontal_;
};

}  // namespace tessaly
