// The worksheet window's commands: the menus (File, Edit, display, method, Help) and the
// toolbar, and the command each of them runs.
#include "worksheet/ui/worksheet_window.h"

#include <QMenuBar>
#include <QStyle>
#include <QToolButton>

#include "common/text_util.h"
#include "common/ui/app_windows.h"
#include "common/ui/services.h"
#include "worksheet/worksheet_rules.h"

namespace tessaly {

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
        connect(a, &QAction::triggered, this, [this, h = item.handler] {
          if (!MethodRunning()) h(*this);
        });
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
  if (MethodRunning()) return;  // the toolbar is disabled; its shortcuts too
  if (key == "新建") FileNew();
  else if (key == "打开") FileOpen();
  else if (key == "保存") FileSave();
  else if (key == "另存为") FileSaveAs();
  else if (key == "剪切") Cut();
  else if (key == "复制") Copy();
  else if (key == "粘贴") Paste();
}

void Worksheet::Run(Command command) {
  // While a method runs only closing works (it cancels the method first).
  if (MethodRunning() && command != Command::Close) return;
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

}  // namespace tessaly
