// The scatter-plot window: one picture box that fills it and shows the function an
// interpolation method handed over. It draws when it becomes active and the hand-over
// record asks for a drawing; the record is then spent, so coming back to the front later
// does not draw again.
#pragma once

#include <QWidget>
#include <memory>

#include "common/ui/window_services.h"

namespace tessaly {

class Dialogs;
class PlotView;

class FrmFunPicture : public QWidget {
  Q_OBJECT
 public:
  explicit FrmFunPicture(WindowServices services, QWidget* parent = nullptr);
  ~FrmFunPicture() override;

  PlotView* Picture1() const { return picture_; }
  // Draws the hand-over record when its kind asks for a drawing, and shows the drawing's
  // message, if any.
  void Form_Activate();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ActivateLater();

  WindowServices services_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* dialogs_;
  PlotView* picture_;
};

}  // namespace tessaly
