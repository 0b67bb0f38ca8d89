// A top-level window that keeps one outer size (frame included), given in twips: every
// resize, maximising included, puts it back.
#pragma once

#include <QWidget>

namespace tessaly {

class FixedSizeWindow : public QWidget {
  Q_OBJECT
 public:
  FixedSizeWindow(double outerWidthTwips, double outerHeightTwips, QWidget* parent = nullptr);

  double OuterWidthTwips() const { return outerWidth_; }
  double OuterHeightTwips() const { return outerHeight_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void KeepOuterSize();

  double outerWidth_;
  double outerHeight_;
};

}  // namespace tessaly
