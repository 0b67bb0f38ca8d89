// "迭代过程图": the picture of a root-finding run's steps, with a step control under it
// ("第 k 步 / 共 N 步", a slider, ◀ and ▶, the arrow keys) and a status line with the
// coordinates under the cursor. It is linked with the report: moving to step k selects that
// step's line in the result pane, and putting the caret on a step's line there moves the
// picture to that step.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "common/ui/window_services.h"
#include "pictures/step_record.h"

class QLabel;
class QPlainTextEdit;
class QSlider;
class QToolButton;

namespace tessaly {

class PlotView;

// The line (0-based, as the result pane counts lines: CR LF, CR and LF each end one) on
// which each step's report line starts.
std::vector<int> StepLines(const StepRecord& record, const std::string& report);

class IterationPictureWindow : public QWidget {
  Q_OBJECT
 public:
  // `report` is the result pane holding the run's report; it may be null.
  IterationPictureWindow(QPlainTextEdit* report, WindowServices services,
                         QWidget* parent = nullptr);

  // Shows a run (its record and the report it wrote) at its last step, the view fitted.
  void ShowRun(StepRecord record, const std::string& report);
  // Moves to step k (clamped to 1 .. N) and selects its line in the result pane.
  void ShowStep(int k);
  int Step() const { return step_; }
  int StepCount() const { return static_cast<int>(record_.steps.size()); }

  PlotView* Picture() const { return picture_; }
  QSlider* Slider() const { return slider_; }
  QLabel* StepLabel() const { return stepLabel_; }
  QLabel* StatusLine() const { return status_; }

 private:
  void MoveTo(int k, bool selectLine);
  void ReportCaretMoved();
  void Redraw(bool keepView);

  QPointer<QPlainTextEdit> report_;
  StepRecord record_;
  std::vector<int> lines_;
  int step_ = 0;
  bool linking_ = false;  // the window itself is moving the caret
  PlotView* picture_;
  QSlider* slider_;
  QToolButton* previous_;
  QToolButton* next_;
  QLabel* stepLabel_;
  QLabel* status_;
};

}  // namespace tessaly
