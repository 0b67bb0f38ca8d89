// The worksheet window frame: input pane, result pane, splitter, toolbar, status bar and
// the File, Edit, display, method and Help menus, described by a WorksheetDescription.
#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>
#include <map>
#include <memory>
#include <vector>
#include <string>

#include "common/method_registry.h"
#include "common/ui/qt_dialogs.h"
#include "common/ui/window_services.h"
#include "common/ui/worker_run.h"
#include "worksheet/ui/worksheet_description.h"

namespace tessaly {

class AppWindows;
class SplitterBar;


class Worksheet : public QMainWindow {
  Q_OBJECT
 public:
  Worksheet(WorksheetDescription description, WindowServices services, QWidget* parent = nullptr);
  ~Worksheet() override;

  const WorksheetDescription& Description() const { return description_; }
  // The program-wide state (plot hand-over record, plot colours); may be null.
  AppState* App() const { return app_; }
  Choosers& WindowChoosers() const { return *choosers_; }
  Dialogs& WindowDialogs() const { return *dialogs_; }

  // The input pane's text; line breaks as CR LF, the way the methods read it.
  std::string InputText() const;
  void SetInputText(const QString& text);
  // The result pane's report exactly as written (CR LF kept), or as the user edited it.
  std::string ReportText() const;
  // `paneText`, when given, is the report as the pane shows it, made beforehand.
  void SetReport(const std::string& report, QString paneText = QString());

  QWidget* Text1() const;
  QPlainTextEdit* Text2() const { return text2_; }
  QString StatusText() const { return panel1_->text(); }
  int Digits() const { return digits_; }
  QAction* Action(const QString& name) const;
  QMenu* Menu(const QString& name) const;
  QProgressBar* ProgressBar1() const { return progress_; }
  QWidget* ImgSplitter() const;
  QWidget* PicSplitter() const { return picSplitter_; }
  // The remembered save name of File Save.
  QString RememberedSaveName() const { return rememberedSaveName_; }

  // Splitter position (the input pane's width, or height in the top/bottom window), twips.
  double SplitTwips() const { return split_; }
  double OuterWidthTwips() const;

  // Splitter dragging, with pointer offsets in pixels inside the splitter bar.
  void SplitterMouseDown();
  void SplitterMouseMove(int offsetPx);
  void SplitterMouseUp();

  // The commands, as the menus and the toolbar run them.
  void Run(Command command);
  void Toolbar1_ButtonClick(const QString& key);
  // Runs the method on a worker thread and returns when it has ended (the window's events
  // are served meanwhile); does nothing while another method of this window runs.
  void RunMethod(const MethodEntry& method);
  bool MethodRunning() const;
  // Asks the running method to stop at its next progress point (the 取消 button, Esc).
  void CancelMethod();

 protected:
  // Around every method run: a window may add to the method's context before it runs, and
  // look at what it left when it has returned (also after a failure).
  virtual void PrepareMethod(MethodContext&) {}
  virtual void MethodFinished() {}
  QToolBar* Toolbar1() const { return toolbar_; }

  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildPanes();
  // Menus and toolbar (worksheet_menus.cpp).
  void BuildMenus();
  void BuildMethodMenu();
  bool AddMethodNodes(QMenu* menu, const std::vector<MethodNode>& nodes, bool topLevel);
  void BuildToolbar();
  void BuildStatusBar();
  void SetStatus(const QString& text);
  // Disables the menus, the toolbar and edits of the result pane while a method runs.
  void SetRunning(bool running);
  void UpdateDateTime();

  // Layout (worksheet_layout.cpp).
  void Form_Resize();
  void SizeControls(double x);
  void LayoutTopBottom();
  int Px(double twips) const;
  double Twips(int px) const;

  // Menu-opening rules.
  void MethodMenu_AboutToShow();
  void FileMenu_AboutToShow();

  // File commands (worksheet_files.cpp).
  void FileNew();
  void FileOpen();
  void FileSave();
  void FileSaveAs();
  bool WriteReport(const QString& fileName);
  void Message(const QString& text);

  // Edit and look commands (worksheet_edit.cpp).
  void SelectAll();
  void Copy();
  void Cut();
  void Paste();
  void Delete();
  void ChooseFont();
  void ChooseBackColor();
  void DefaultLook();
  void SetDecimalDigits();
  QString SelectedInput() const;
  void ReplaceInputSelection(const QString& text);

  WorksheetDescription description_;
  std::unique_ptr<Dialogs> ownDialogs_;
  std::unique_ptr<Choosers> ownChoosers_;
  Dialogs* dialogs_;
  Choosers* choosers_;
  AppWindows* windows_;
  AppState* app_;

  QPlainTextEdit* text1Multi_ = nullptr;  // the left/right windows
  QLineEdit* text1Line_ = nullptr;        // the top/bottom window
  QPlainTextEdit* text2_ = nullptr;
  SplitterBar* imgSplitter_ = nullptr;
  QWidget* picSplitter_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QWidget* central_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QLabel* panel1_ = nullptr;
  QLabel* panel2_ = nullptr;
  QLabel* panel3_ = nullptr;
  QProgressBar* runBar_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  WorkerRun* run_ = nullptr;
  std::vector<QPointer<QAction>> heldMenus_;  // the menus a running method disabled
  QMenu* methodMenu_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  std::map<QString, QAction*> actions_;
  std::map<QString, QMenu*> menus_;
  std::vector<QAction*> switchedMethods_;

  std::string report_;  // the report as written, CR LF kept
  int digits_ = 6;
  double split_ = 0;          // twips
  double ghost_ = 0;          // twips, the ghost bar's left (or top)
  bool dragging_ = false;
  double inputHeight_ = 0;    // twips, the top/bottom window's input pane height
  QString rememberedSaveName_;
  QString saveDialogName_;    // the File Save dialog's last name
};

}  // namespace tessaly
