#include "worksheet/ui/worksheet_window.h"

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QToolButton>

#include "common/text_util.h"
#include "common/ui/app_windows.h"
#include "common/ui/fonts.h"
#include "common/ui/services.h"
#include "common/ui/twips.h"
#include "common/text_encoding.h"
#include "worksheet/file_text.h"
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

void Worksheet::BuildMenus() {
  auto addMenu = [this](const MenuDescription& m) {
    QMenu* menu = menuBar()->addMenu(m.caption);
    menu->setObjectName(m.name);
    menus_[m.name] = menu;
    for (const MenuItemDescription& item : m.items) {
      QAction* a = menu->addAction(item.caption);
      a->setObjectName(item.name);
      if (!item.shortcut.isEmpty()) a->setShortcut(QKeySequence(item.shortcut));
      a->setEnabled(!item.disabled);
      a->setVisible(!item.hidden);
      const Command c = item.command;
      if (c == Command::Custom && item.handler)
        connect(a, &QAction::triggered, this, [this, h = item.handler] { h(*this); });
      else if (c != Command::Nothing)
        connect(a, &QAction::triggered, this, [this, c] { Run(c); });
      actions_[item.name] = a;
    }
    return menu;
  };
  for (const MenuDescription& m : description_.menusBeforeMethods) {
    QMenu* menu = addMenu(m);
    for (const MenuItemDescription& item : m.items)
      if (item.command == Command::FileSave) fileMenu_ = menu;
  }
  BuildMethodMenu();
  addMenu(description_.helpMenu);
  if (description_.fileMenuSwitchesSave && fileMenu_)
    connect(fileMenu_, &QMenu::aboutToShow, this, &Worksheet::FileMenu_AboutToShow);
}

void Worksheet::BuildMethodMenu() {
  methodMenu_ = menuBar()->addMenu(description_.methodMenuCaption);
  methodMenu_->setObjectName(description_.methodMenuName);
  menus_[description_.methodMenuName] = methodMenu_;
  const bool any = AddMethodNodes(methodMenu_, description_.methods, true);
  // A window whose methods are not built yet shows no method menu at all.
  methodMenu_->menuAction()->setVisible(any);
  connect(methodMenu_, &QMenu::aboutToShow, this, &Worksheet::MethodMenu_AboutToShow);
}

bool Worksheet::AddMethodNodes(QMenu* menu, const std::vector<MethodNode>& nodes, bool topLevel) {
  // Separators and headings are placed only when a method follows them, so a menu whose
  // methods are partly missing shows no empty sections.
  bool added = false;
  bool separatorDue = false;
  const MethodNode* headingDue = nullptr;
  auto flush = [&] {
    if (separatorDue && added) menu->addSeparator();
    separatorDue = false;
    if (headingDue) {
      QAction* h = menu->addAction(headingDue->caption);
      h->setObjectName(headingDue->name);
      h->setEnabled(false);
      actions_[headingDue->name] = h;
      headingDue = nullptr;
    }
    added = true;
  };
  for (const MethodNode& node : nodes) {
    switch (node.kind) {
      case MethodNode::Kind::Separator:
        separatorDue = added;
        headingDue = nullptr;
        break;
      case MethodNode::Kind::Heading:
        headingDue = &node;
        break;
      case MethodNode::Kind::Item: {
        const MethodEntry* entry = AllMethods().Find(description_.name.toStdString(), node.name.toStdString());
        if (!entry) break;
        flush();
        QAction* a = menu->addAction(QString::fromStdString(entry->caption));
        a->setObjectName(node.name);
        connect(a, &QAction::triggered, this, [this, entry] { RunMethod(*entry); });
        actions_[node.name] = a;
        if (topLevel) switchedMethods_.push_back(a);
        break;
      }
      case MethodNode::Kind::Submenu: {
        auto* sub = new QMenu(node.caption, menu);
        sub->setObjectName(node.name);
        if (!AddMethodNodes(sub, node.children, false)) {
          delete sub;
          break;
        }
        flush();
        menu->addMenu(sub);
        menus_[node.name] = sub;
        sub->menuAction()->setObjectName(node.name);
        actions_[node.name] = sub->menuAction();
        if (topLevel) switchedMethods_.push_back(sub->menuAction());
        break;
      }
    }
  }
  return added;
}

void Worksheet::MethodMenu_AboutToShow() {
  const bool enable = MethodMenuEnabled(InputText());
  for (QAction* a : switchedMethods_) a->setEnabled(enable);
}

void Worksheet::FileMenu_AboutToShow() {
  const bool enable = !TrimBlanks(ReportText()).empty();
  for (const char* name : {"FileSave", "FileSaveAS", "FileSaveAs"})
    if (QAction* a = Action(name)) a->setEnabled(enable);
}

void Worksheet::BuildToolbar() {
  toolbar_ = addToolBar("Toolbar1");
  toolbar_->setObjectName("Toolbar1");
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
  struct Button {
    const char* key;
    const char* theme;
    QStyle::StandardPixmap fallback;
  };
  const Button groups[3][3] = {
      {{"新建", "document-new", QStyle::SP_FileIcon},
       {"打开", "document-open", QStyle::SP_DialogOpenButton},
       {"保存", "document-save", QStyle::SP_DialogSaveButton}},
      {{"剪切", "edit-cut", QStyle::SP_CustomBase},
       {"复制", "edit-copy", QStyle::SP_CustomBase},
       {"粘贴", "edit-paste", QStyle::SP_CustomBase}},
      {{"撤消", "edit-undo", QStyle::SP_ArrowBack},
       {"恢复", "edit-redo", QStyle::SP_ArrowForward},
       {nullptr, nullptr, QStyle::SP_CustomBase}},
  };
  for (int g = 0; g < 3; ++g) {
    if (g > 0) toolbar_->addSeparator();
    for (const Button& b : groups[g]) {
      if (!b.key) continue;
      QIcon icon = QIcon::fromTheme(b.theme);
      if (icon.isNull() && b.fallback != QStyle::SP_CustomBase)
        icon = style()->standardIcon(b.fallback);
      const QString key = QString::fromUtf8(b.key);
      QAction* a = toolbar_->addAction(icon, key);
      a->setObjectName(QString("Toolbar1_") + key);
      a->setToolTip(key);
      a->setData(key);
      connect(a, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
      // Undo and restore have no command: their buttons are shown but never active.
      if (key == "撤消" || key == "恢复") a->setEnabled(false);
    }
  }
  toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  // Buttons without an icon show their key instead.
  for (QAction* a : toolbar_->actions())
    if (!a->isSeparator() && a->icon().isNull())
      if (auto* w = toolbar_->widgetForAction(a))
        if (auto* tb = qobject_cast<QToolButton*>(w)) tb->setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void Worksheet::Toolbar1_ButtonClick(const QString& key) {
  if (key == "新建") FileNew();
  else if (key == "打开") FileOpen();
  else if (key == "保存") FileSave();
  else if (key == "另存为") FileSaveAs();
  else if (key == "剪切") Cut();
  else if (key == "复制") Copy();
  else if (key == "粘贴") Paste();
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

void Worksheet::Run(Command command) {
  switch (command) {
    case Command::FileNew: FileNew(); break;
    case Command::FileOpen: FileOpen(); break;
    case Command::FileSave: FileSave(); break;
    case Command::FileSaveAs: FileSaveAs(); break;
    case Command::Close: close(); break;
    case Command::SelectAll: SelectAll(); break;
    case Command::Cut: Cut(); break;
    case Command::Copy: Copy(); break;
    case Command::Paste: Paste(); break;
    case Command::Delete: Delete(); break;
    case Command::Font: ChooseFont(); break;
    case Command::BackColor: ChooseBackColor(); break;
    case Command::DecimalDigits: SetDecimalDigits(); break;
    case Command::DefaultLook: DefaultLook(); break;
    case Command::HelpFile: ShowHelpFile(this, kHelpFileName); break;
    case Command::About:
      if (windows_) windows_->Show("FrmAbout");
      break;
    case Command::Nothing:
    case Command::Custom: break;
  }
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
