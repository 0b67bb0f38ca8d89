// The worksheet window frame: its panes, status bar and focus rules, the texts of the two
// panes, and running a method from the method menu.
#include "worksheet/ui/worksheet_window.h"

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <utility>

#include "common/ui/app_windows.h"
#include "common/ui/clock_text.h"
#include "common/ui/fonts.h"
#include "common/ui/formula_hint_balloon.h"
#include "common/ui/twips.h"
#include "common/text_encoding.h"
#include "common/file_text.h"
#include "worksheet/ui/splitter_bar.h"
#include "worksheet/worksheet_rules.h"

namespace tessaly {

Worksheet::Worksheet(WorksheetDescription description, WindowServices services, QWidget* parent)
    : QMainWindow(parent),
      description_(std::move(description)),
      windows_(services.windows),
      app_(services.app) {
  setObjectName(description_.name);
  setWindowTitle(description_.caption);
  if (services.dialogs) {
    dialogs_ = services.dialogs;
  } else {
    ownDialogs_ = std::make_unique<QtDialogs>(this);
    dialogs_ = ownDialogs_.get();
  }
  if (services.choosers) {
    choosers_ = services.choosers;
  } else {
    ownChoosers_ = std::make_unique<QtChoosers>();
    choosers_ = ownChoosers_.get();
  }
  digits_ = kDefaultDigits;
  split_ = description_.designSplitTwips;
  inputHeight_ = description_.designSplitTwips;

  BuildPanes();
  BuildMenus();
  BuildToolbar();
  BuildStatusBar();
  for (QWidget* pane : {Text1(), static_cast<QWidget*>(text2_)}) {
    QFont f = pane->font();
    f.setFamilies(PaneFontFamilies());
    pane->setFont(f);
  }
  DefaultLook();
  digits_ = kDefaultDigits;
  resize(Px(description_.designWidthTwips), Px(description_.designHeightTwips));
}

Worksheet::~Worksheet() = default;

int Worksheet::Px(double twips) const { return TwipsToPx(twips, this); }
double Worksheet::Twips(int px) const { return PxToTwips(px, this); }

QWidget* Worksheet::Text1() const {
  return text1Multi_ ? static_cast<QWidget*>(text1Multi_) : static_cast<QWidget*>(text1Line_);
}

QWidget* Worksheet::ImgSplitter() const { return imgSplitter_; }

QAction* Worksheet::Action(const QString& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* Worksheet::Menu(const QString& name) const {
  auto it = menus_.find(name);
  return it == menus_.end() ? nullptr : it->second;
}

void Worksheet::BuildPanes() {
  central_ = new QWidget(this);
  central_->setObjectName("central");
  setCentralWidget(central_);

  if (description_.topBottom) {
    text1Line_ = new QLineEdit(central_);
    text1Line_->setObjectName("Text1");
    connect(text1Line_, &QLineEdit::textChanged, this, [this] {
      if (!description_.status.textChanged.isEmpty()) SetStatus(description_.status.textChanged);
    });
  } else {
    text1Multi_ = new QPlainTextEdit(central_);
    text1Multi_->setObjectName("Text1");
    text1Multi_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1Multi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1Multi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(text1Multi_, &QPlainTextEdit::textChanged, this, [this] {
      if (!description_.status.textChanged.isEmpty()) SetStatus(description_.status.textChanged);
    });
  }
  Text1()->installEventFilter(this);

  text2_ = new QPlainTextEdit(central_);
  text2_->setObjectName("Text2");
  text2_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text2_->setReadOnly(description_.resultLocked);
  text2_->installEventFilter(this);

  imgSplitter_ = new SplitterBar(description_.topBottom, central_);
  imgSplitter_->onDown = [this] { SplitterMouseDown(); };
  imgSplitter_->onMove = [this](int offset) { SplitterMouseMove(offset); };
  imgSplitter_->onUp = [this] { SplitterMouseUp(); };

  picSplitter_ = new QWidget(central_);
  picSplitter_->setObjectName("picSplitter");
  picSplitter_->setAutoFillBackground(true);
  QPalette grey = picSplitter_->palette();
  grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
  picSplitter_->setPalette(grey);
  picSplitter_->hide();

  if (!description_.topBottom) {
    progress_ = new QProgressBar(central_);
    progress_->setObjectName("ProgressBar1");
    progress_->setTextVisible(false);
    progress_->hide();
  }
}

void Worksheet::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(true);
  panel1_ = new QLabel("状态", bar);
  panel1_->setObjectName("Panel1");
  panel2_ = new QLabel(bar);
  panel2_->setObjectName("Panel2");
  panel3_ = new QLabel(bar);
  panel3_->setObjectName("Panel3");
  panel1_->setMinimumWidth(Px(1500));
  bar->addWidget(panel1_, 1);
  // The progress of a long method and its 取消 button (see WorkerRun).
  runBar_ = new QProgressBar(bar);
  runBar_->setObjectName("MethodProgress");
  runBar_->setTextVisible(false);
  runBar_->setMaximumWidth(Px(2000));
  runBar_->hide();
  cancelButton_ = new QPushButton("取消", bar);
  cancelButton_->setObjectName("CancelMethod");
  cancelButton_->hide();
  bar->addPermanentWidget(runBar_);
  bar->addPermanentWidget(cancelButton_);
  run_ = new WorkerRun(this, runBar_, cancelButton_);
  bar->addPermanentWidget(panel2_);
  bar->addPermanentWidget(panel3_);
  UpdateDateTime();
  auto* clock = new QTimer(this);
  clock->setInterval(1000);
  connect(clock, &QTimer::timeout, this, &Worksheet::UpdateDateTime);
  clock->start();
}

void Worksheet::UpdateDateTime() {
  panel2_->setText(ChineseDateText(QDate::currentDate()));
  panel3_->setText(ChineseTimeText(QTime::currentTime()));
}

void Worksheet::SetStatus(const QString& text) { panel1_->setText(text); }

bool Worksheet::eventFilter(QObject* watched, QEvent* event) {
  const bool input = watched == Text1();
  const bool result = watched == text2_;
  if (input || result) {
    // The panes keep Esc for themselves otherwise.
    if (event->type() == QEvent::KeyPress && run_->TakeEscape(static_cast<QKeyEvent*>(event)))
      return true;
    if (event->type() == QEvent::FocusIn) {
      const QString& t = input ? description_.status.inputFocus : description_.status.resultFocus;
      if (!t.isEmpty()) SetStatus(t);
    } else if (event->type() == QEvent::FocusOut) {
      if (!description_.status.focusLost.isEmpty()) SetStatus(description_.status.focusLost);
    } else if (event->type() == QEvent::ShortcutOverride) {
      // The window's menu shortcuts (Ctrl+A, Ctrl+C, Del ...) act on the input pane even
      // when the result pane has the focus: the panes do not take them for themselves.
      auto* key = static_cast<QKeyEvent*>(event);
      const QKeySequence pressed(key->keyCombination());
      for (const auto& [name, action] : actions_) {
        if (action->isEnabled() && !action->shortcut().isEmpty() &&
            action->shortcut().matches(pressed) == QKeySequence::ExactMatch) {
          event->ignore();
          return true;
        }
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

std::string Worksheet::InputText() const {
  if (text1Line_) return text1Line_->text().toStdString();
  return ToCrLf(text1Multi_->toPlainText().toStdString());
}

void Worksheet::SetInputText(const QString& text) {
  if (text1Line_) text1Line_->setText(text);
  else text1Multi_->setPlainText(text);
}

std::string Worksheet::ReportText() const {
  if (!text2_->document()->isModified()) return report_;
  return ToCrLf(text2_->toPlainText().toStdString());
}

void Worksheet::SetReport(const std::string& report, QString paneText) {
  report_ = report;
  if (paneText.isNull()) paneText = QString::fromStdString(PaneTextFromReport(report));
  text2_->setPlainText(paneText);
  text2_->document()->setModified(false);
}

void Worksheet::RunMethod(const MethodEntry& method) {
  if (run_->Running()) return;  // one method at a time in a window
  // The method works on a buffer on the worker thread; the result pane shows the report as
  // it stands before every box (the worker waiting) and in full at the end.
  auto pane = std::make_shared<ResultPane>();
  pane->SetText(ReportText());
  auto shown = std::make_shared<std::string>(pane->Text());
  // The pane's text of the finished report, made on the worker: for a report of many
  // megabytes that is most of the time showing it takes.
  auto prepared = std::make_shared<QString>();
  auto sync = [this, pane, shown, prepared] {
    if (pane->Text() != *shown) {
      *shown = pane->Text();
      SetReport(*shown, std::exchange(*prepared, QString()));
    }
  };
  auto syncing = std::make_shared<SyncingDialogs>(*dialogs_, sync);
  auto boxes = std::make_shared<WindowThreadDialogs>(*run_, *syncing);
  auto context = std::make_shared<MethodContext>(MethodContext{InputText(), *pane, *boxes, digits_});
  context->progress = &run_->RunProgress();
  context->focusInput = [this] {
    run_->OnWindowThread([this] {
      activateWindow();
      Text1()->setFocus(Qt::OtherFocusReason);
    });
  };
  // A method that plots fills its own copy of the hand-over record; the window's thread
  // copies it into the application state before it shows a plot (the worker waiting), and
  // when the run has ended if the method changed it since, so that an open plot window
  // never reads it half written (and a record the plot window has spent stays spent).
  struct HandOver {
    PlotHandOver working, handed;
  };
  auto handOver = std::make_shared<HandOver>();
  if (app_) handOver->working = handOver->handed = app_->plot;
  auto handBack = [this, handOver] {
    if (!app_ || handOver->working == handOver->handed) return;
    app_->plot = handOver->handed = handOver->working;
  };
  if (app_) {
    context->plot = &handOver->working;
    context->showPlot = [this, handBack] {
      run_->OnWindowThread([this, handBack] {
        handBack();
        if (!windows_) return;
        windows_->CloseInOrder({"FrmFunPicture"});
        windows_->Show("FrmFunPicture");
      });
    };
  }
  PrepareMethod(*context);
  SetRunning(true);
  auto work = [&method, context, syncing, boxes, pane, prepared] {
    method.run(*context);
    *prepared = QString::fromStdString(PaneTextFromReport(pane->Text()));
  };
  auto done = [this, pane, sync, context, syncing, boxes, handBack](std::exception_ptr failure) {
    SetRunning(false);
    handBack();
    bool completed = false;
    try {
      if (failure) std::rethrow_exception(failure);
      completed = true;
    } catch (const MethodCancelled&) {
      pane->Append(kCancelledLine);
    } catch (const std::bad_alloc&) {
      sync();
      dialogs_->MsgBox("内存不足，计算没有完成。");
    } catch (const std::exception& e) {
      sync();
      dialogs_->MsgBox(std::string("计算没有完成：") + e.what());
    }
    sync();
    // The one-line input pane holds a formula.
    if (completed && text1Line_) ShowFormulaHint(text1Line_, InputText());
    MethodFinished();
  };
  run_->Run(std::move(work), std::move(done));
}

void Worksheet::SetRunning(bool running) {
  // Every menu but Help, which stays at hand while a long method runs.
  if (running) {
    heldMenus_.clear();
    for (QAction* a : menuBar()->actions())
      if (a->isEnabled() && !(a->menu() && a->menu()->objectName() == description_.helpMenu.name)) {
        a->setEnabled(false);
        heldMenus_.push_back(a);
      }
  } else {
    for (const QPointer<QAction>& a : heldMenus_)
      if (a) a->setEnabled(true);
    heldMenus_.clear();
  }
  toolbar_->setEnabled(!running);
  text2_->setReadOnly(running || description_.resultLocked);
}

bool Worksheet::MethodRunning() const { return run_->Running(); }

void Worksheet::CancelMethod() { run_->Cancel(); }

void Worksheet::keyPressEvent(QKeyEvent* event) {
  // Esc, unused by the panes, reaches the window: it cancels a running method.
  if (run_->TakeEscape(event)) event->accept();
  else QMainWindow::keyPressEvent(event);
}

void Worksheet::closeEvent(QCloseEvent* event) {
  run_->CancelAndWait();  // the window closes once its method has ended
  QMainWindow::closeEvent(event);
}

}  // namespace tessaly
