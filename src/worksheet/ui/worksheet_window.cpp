// The worksheet window frame: its panes, status bar and focus rules, the texts of the two
// panes, and running a method from the method menu.
#include "worksheet/ui/worksheet_window.h"

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include "common/ui/app_windows.h"
#include "common/ui/fonts.h"
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
  bar->addPermanentWidget(panel2_);
  bar->addPermanentWidget(panel3_);
  UpdateDateTime();
  auto* clock = new QTimer(this);
  clock->setInterval(1000);
  connect(clock, &QTimer::timeout, this, &Worksheet::UpdateDateTime);
  clock->start();
}

void Worksheet::UpdateDateTime() {
  const QLocale locale = QLocale::system();
  panel2_->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
  QString format = locale.timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t'));
  panel3_->setText(QTime::currentTime().toString(format.trimmed()));
}

void Worksheet::SetStatus(const QString& text) { panel1_->setText(text); }

bool Worksheet::eventFilter(QObject* watched, QEvent* event) {
  const bool input = watched == Text1();
  const bool result = watched == text2_;
  if (input || result) {
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

void Worksheet::SetReport(const std::string& report) {
  report_ = report;
  text2_->setPlainText(QString::fromStdString(PaneTextFromReport(report)));
  text2_->document()->setModified(false);
}

void Worksheet::RunMethod(const MethodEntry& method) {
  ResultPane pane;
  pane.SetText(ReportText());
  std::string shown = pane.Text();
  // The result pane shows the report as it stands before every box, and in full at the end.
  auto sync = [&] {
    if (pane.Text() != shown) {
      shown = pane.Text();
      SetReport(shown);
    }
  };
  SyncingDialogs dialogs(*dialogs_, sync);
  MethodContext context{InputText(), pane, dialogs, digits_};
  context.focusInput = [this] {
    activateWindow();
    Text1()->setFocus(Qt::OtherFocusReason);
  };
  if (app_) {
    // A method that plots fills the hand-over record and asks for a fresh plot window.
    context.plot = &app_->plot;
    context.showPlot = [this] {
      if (!windows_) return;
      windows_->CloseInOrder({"FrmFunPicture"});
      windows_->Show("FrmFunPicture");
    };
  }
  PrepareMethod(context);
  struct Finished {
    Worksheet* w;
    ~Finished() { w->MethodFinished(); }
  } finished{this};
  try {
    method.run(context);
  } catch (const std::bad_alloc&) {
    sync();
    dialogs_->MsgBox("内存不足，计算没有完成。");
    return;
  } catch (const std::exception& e) {
    sync();
    dialogs_->MsgBox(std::string("计算没有完成：") + e.what());
    return;
  }
  sync();
}

}  // namespace tessaly
