// A fixed-size window built around one form command (the calculus and ODE windows): its
// text boxes and drop-down lists, their labels, the command button, an optional result box
// and an optional picture box. Pressing the button runs the command from the registry on
// the controls' texts and shows what it returns.
#pragma once

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/form_command.h"
#include "common/ui/fixed_size_window.h"
#include "common/ui/qt_dialogs.h"
#include "common/ui/window_services.h"
#include "common/ui/worker_run.h"

namespace tessaly {

class PlotView;

struct FormLabel {
  QString name;     // "Label1"
  QString caption;  // "函数式"
  QString control;  // the control it names: "Text1", or the result box
};

struct FormWindowDescription {
  QString name;     // "CompFormual"
  QString caption;  // the window's caption
  double outerWidthTwips = 0, outerHeightTwips = 0;
  std::string command;  // the registry key of the button's command, "CompFormual.Command1"
  std::vector<FormLabel> labels;
  QString resultBox;                // "Text5"; empty: the window has none
  bool resultDiscardsKeys = false;  // typing into the result box does nothing
  int resultLines = 4;              // the result box's height in text lines (with a picture)
  QString spinner;                  // "UpDown1", bound to the range-held text box; empty: none
  bool picture = false;             // the picture box Picture1
  // The button's enabling is re-evaluated when a text box changes; also when a drop-down
  // list gets the focus where this is set. (Drop-down lists are picked from only: typed
  // characters are discarded in every form window.)
  bool enableOnListFocus = false;
};

class FormWindow : public FixedSizeWindow {
  Q_OBJECT
 public:
  // The command is the registry's entry named by the description, or `command` when given.
  FormWindow(FormWindowDescription description, WindowServices services,
             const FormCommand* command = nullptr);
  ~FormWindow() override;

  const FormWindowDescription& Description() const { return description_; }
  const FormCommand& Command() const { return *command_; }

  QLineEdit* TextBox(const QString& name) const;
  QComboBox* List(const QString& name) const;
  QLabel* Label(const QString& name) const;
  QPushButton* Button() const { return button_; }
  QPlainTextEdit* ResultBox() const { return result_; }
  PlotView* Picture() const { return picture_; }
  // The result box's text as the command wrote it (CR LF kept), or as the user edited it.
  std::string ResultText() const;
  // Whether the result box is still taking in a long text (see ShowResultText).
  bool ResultLoading() const { return resultLoading_; }
  // The controls' texts as the command reads them.
  FormFields Fields() const;

  // The button's click: runs the command on a worker thread and returns when it has ended,
  // the window's events served meanwhile (does nothing while the button is disabled).
  void Press();
  bool CommandRunning() const;
  // Asks the running command to stop at its next progress point (the 取消 button, Esc).
  void CancelCommand();

  // The result box's context menu: the box's own editing commands, then 复制全部, 另存为…
  // and, for a command whose result is a table, 导出为CSV…. The caller owns the menu.
  QMenu* BuildResultMenu();
  // Its commands: the whole result onto the clipboard; the result (as ResultText gives it)
  // or the computed table as comma-separated values into a file chosen in the save dialog,
  // written in UTF-8 by the atomic writer. A failed write says so; Cancel does nothing.
  void CopyWholeResult();
  void SaveResultAs();
  void ExportResultCsv();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Around every run of the command: a window may add to the command's context before it
  // runs, and look at what it left when it has returned (also after a failure).
  virtual void PrepareCommand(FormContext&) {}
  virtual void CommandFinished() {}
  // The row that holds the command button, for a window's own buttons beside it.
  QHBoxLayout* ButtonRow() const { return buttonRow_; }

 private:
  QWidget* BuildControl(const FormControl& control);
  QWidget* BuildSpinner(QLineEdit* box, const FormControl& control);
  void UpdateEnabled();
  void SetRunning(bool running);
  void Apply(FormOutcome outcome);
  void ShowResultText(const QString& text);
  void AppendResultText(qsizetype from, int generation);
  void SaveResultFile(const QString& filter, const std::string& bytes);

  FormWindowDescription description_;
  const FormCommand* command_;
  WindowServices services_;
  std::unique_ptr<Dialogs> ownDialogs_;
  std::unique_ptr<AppState> ownApp_;
  std::unique_ptr<Choosers> ownChoosers_;
  Dialogs* dialogs_;
  Choosers* choosers_;
  AppState* app_;

  std::map<QString, QLineEdit*> texts_;
  std::map<QString, QComboBox*> lists_;
  std::map<QString, QLabel*> labels_;
  QPushButton* button_ = nullptr;
  QHBoxLayout* buttonRow_ = nullptr;
  QPlainTextEdit* result_ = nullptr;
  PlotView* picture_ = nullptr;
  QProgressBar* runBar_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  WorkerRun* run_ = nullptr;
  std::string resultText_;  // as written, CR LF kept
  QString shownResult_;     // what the box showed when resultText_ was written
  std::function<std::string()> resultCsv_;  // the shown table as CSV; empty: none
  int resultGeneration_ = 0;   // counts the texts given to the result box
  bool resultLoading_ = false;  // the rest of shownResult_ is still being appended
};

}  // namespace tessaly
