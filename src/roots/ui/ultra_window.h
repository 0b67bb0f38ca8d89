// The nonlinear-equations worksheet: a one-line formula box above the result pane. Its
// methods record their steps; "迭代过程图" (the 显示 menu and a toolbar button, enabled when
// the last run recorded steps) opens the picture of them.
#pragma once

#include <QPointer>

#include "pictures/step_record.h"
#include "pictures/ui/charted_worksheet.h"
#include "roots/ui/iteration_picture_window.h"
#include "worksheet/ui/worksheet_window.h"

namespace tessaly {



WorksheetDescription UltraDescription();
Worksheet* CreateUltra(WindowServices services);

class UltraWindow : public Worksheet {
  Q_OBJECT
 public:
  explicit UltraWindow(WindowServices services);

  // The menu item and toolbar button (one action) that open the picture.
  QAction* PictureAction() const { return pictureAction_; }
  // Opens (or brings to the front) the picture of the last run's steps.
  void ShowIterationPicture();
  IterationPictureWindow* PictureWindow() const { return pictureWindow_; }
  const StepRecord& LastSteps() const { return steps_; }
  // "收敛过程图": |f(x_k)| per step of the runs kept on the same equation.
  WorksheetChart* Chart() const { return chart_; }

 protected:
  void PrepareMethod(MethodContext& context) override;
  void MethodFinished() override;

 private:
  WindowServices services_;
  StepRecord steps_;
  QAction* pictureAction_;
  WorksheetChart* chart_;
  QPointer<IterationPictureWindow> pictureWindow_;
};

}  // namespace tessaly
