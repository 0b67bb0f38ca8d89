// The worksheet window frame: menus, toolbar, enabling rules, edit commands, splitter,
// status texts, look and Decimal digits.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFocusEvent>
#include <QFontInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "eigen/ui/matrix_window.h"
#include "interp/ui/insert_value.h"
#include "linear/ui/linear_frm.h"
#include "roots/ui/ultra_window.h"
#include "common/ui/twips.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

using testing::OpenMenu;
using testing::ScriptedChoosers;
using testing::Trigger;

class WorksheetFrame : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnsureApp(); }
  WindowServices Services() { return {&dialogs, &choosers, nullptr}; }

  ScriptedDialogs dialogs;
  ScriptedChoosers choosers;
};

QStringList MenuBarCaptions(Worksheet& w) {
  QStringList out;
  for (QAction* a : w.menuBar()->actions())
    if (a->isVisible()) out << a->text();
  return out;
}

QStringList ItemNames(QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) out << (a->isSeparator() ? "-" : a->objectName());
  return out;
}

TEST_F(WorksheetFrame, MenuStatesAndOrder) {
  // Undo and restore items are inactive; the eigenvalue window hides them.
  std::unique_ptr<Worksheet> linear(CreateLinearFrm(Services()));
  EXPECT_FALSE(linear->Action("Edit")->isEnabled());
  EXPECT_EQ(linear->Action("EditDelete")->shortcut(), QKeySequence(Qt::Key_Delete));
  std::unique_ptr<Worksheet> eigen(CreateMatrixCValueCVector(Services()));
  EXPECT_FALSE(eigen->Action("EditUndo")->isVisible());
  EXPECT_FALSE(eigen->Action("EditRecall")->isVisible());
  std::unique_ptr<Worksheet> interp(CreateInsertValue(Services()));
  EXPECT_TRUE(interp->Action("EditRecall")->isVisible());
  EXPECT_FALSE(interp->Action("EditRecall")->isEnabled());

  // The method menu stands between the display menu and Help, in registry order.
  std::unique_ptr<Worksheet> ultra(CreateUltra(Services()));
  EXPECT_EQ(MenuBarCaptions(*ultra),
            (QStringList{"文件(&F)", "编辑(&E)", "显示(&V)", "解方程(&C)", "帮助(&H)"}));
  EXPECT_EQ(ItemNames(ultra->Menu("mnuCalculate")),
            (QStringList{"CalculateDichotomy", "CalculateIterative", "IterativeSpeedUp",
                         "CalculateAitken", "CalculateNewton", "CalculateXianJie"}));
  EXPECT_EQ(ItemNames(ultra->Menu("munHelp")), (QStringList{"mnuHelpFile", "mnuAbout"}));
}

TEST_F(WorksheetFrame, MethodMenusHoldOnlyBuiltMethods) {
  // Every item of a method menu runs a registered method, or is a heading or a submenu;
  // no separator stands at an end or next to another.
  for (auto create : {CreateLinearFrm, CreateMatrixCValueCVector, CreateInsertValue, CreateUltra}) {
    std::unique_ptr<Worksheet> w(create(Services()));
    QMenu* menu = w->Menu(w->Description().methodMenuName);
    const QList<QAction*> items = menu->actions();
    if (items.isEmpty()) {
      EXPECT_FALSE(menu->menuAction()->isVisible()) << w->objectName().toStdString();
      continue;
    }
    EXPECT_TRUE(menu->menuAction()->isVisible());
    EXPECT_FALSE(items.front()->isSeparator());
    EXPECT_FALSE(items.back()->isSeparator());
    for (int i = 0; i < items.size(); ++i) {
      QAction* a = items[i];
      if (a->isSeparator()) {
        EXPECT_FALSE(items[i + 1]->isSeparator());
      } else if (!a->menu() && a->objectName() != "GaussApply") {
        const MethodEntry* e =
            AllMethods().Find(w->objectName().toStdString(), a->objectName().toStdString());
        ASSERT_NE(e, nullptr) << a->objectName().toStdString();
        EXPECT_EQ(a->text().toStdString(), e->caption);
      }
    }
  }
}

TEST_F(WorksheetFrame, MethodMenuEnabledOnlyForNonBlankInput) {
  std::unique_ptr<Worksheet> w(CreateUltra(Services()));
  QMenu* menu = w->Menu("mnuCalculate");
  auto enabled = [&] {
    int n = 0;
    for (QAction* a : menu->actions()) n += a->isEnabled();
    return n;
  };
  w->SetInputText("   ");
  OpenMenu(menu);
  EXPECT_EQ(enabled(), 0);
  w->SetInputText(" x-1 ");
  OpenMenu(menu);
  EXPECT_EQ(enabled(), 6);
  w->SetInputText("");
  OpenMenu(menu);
  EXPECT_EQ(enabled(), 0);

  // The linear window switches its submenu with its items; the heading stays disabled.
  std::unique_ptr<Worksheet> linear(CreateLinearFrm(Services()));
  QMenu* uncoil = linear->Menu("Uncoil");
  OpenMenu(uncoil);
  for (QAction* a : uncoil->actions()) EXPECT_FALSE(a->isEnabled() && !a->isSeparator());
  linear->SetInputText("2 1 3\n1 2 3");
  OpenMenu(uncoil);
  for (QAction* a : uncoil->actions()) {
    if (!a->isSeparator()) {
      EXPECT_EQ(a->isEnabled(), a->objectName() != "GaussApply");
    }
  }
}

TEST_F(WorksheetFrame, LinearFileMenuSwitchesSaveItems) {
  std::unique_ptr<Worksheet> w(CreateLinearFrm(Services()));
  QMenu* file = w->Menu("FileMenu");
  w->SetReport("   ");
  OpenMenu(file);
  EXPECT_FALSE(w->Action("FileSave")->isEnabled());
  EXPECT_FALSE(w->Action("FileSaveAS")->isEnabled());
  // The disabled item does nothing; the toolbar button still runs File Save.
  w->SetReport("");
  Trigger(*w, "FileSave");
  EXPECT_TRUE(dialogs.Shown().empty());
  w->Toolbar1_ButtonClick("保存");
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"结果为空，不能保存#"});
  w->SetReport("x=1\r\n");
  OpenMenu(file);
  EXPECT_TRUE(w->Action("FileSave")->isEnabled());
  EXPECT_TRUE(w->Action("FileSaveAS")->isEnabled());

  // The other windows never switch them.
  std::unique_ptr<Worksheet> ultra(CreateUltra(Services()));
  OpenMenu(ultra->Menu("mnuFile"));
  EXPECT_TRUE(ultra->Action("FileSave")->isEnabled());
}

TEST_F(WorksheetFrame, ToolbarButtonsAndKeys) {
  std::unique_ptr<Worksheet> w(CreateInsertValue(Services()));
  QToolBar* bar = w->findChild<QToolBar*>("Toolbar1");
  ASSERT_NE(bar, nullptr);
  QStringList keys;
  for (QAction* a : bar->actions()) {
    if (a->isSeparator()) {
      keys << "|";
      continue;
    }
    EXPECT_EQ(a->toolTip(), a->data().toString());
    keys << a->data().toString();
  }
  EXPECT_EQ(keys, (QStringList{"新建", "打开", "保存", "|", "剪切", "复制", "粘贴", "|", "撤消",
                               "恢复"}));
  // Undo and restore do nothing.
  w->SetInputText("abc");
  w->Toolbar1_ButtonClick("撤消");
  w->Toolbar1_ButtonClick("恢复");
  EXPECT_EQ(w->InputText(), "abc");
  EXPECT_TRUE(dialogs.Shown().empty());
  EXPECT_TRUE(choosers.asked.empty());
  // "另存为" has no button but is dispatched.
  choosers.files = {""};
  w->Toolbar1_ButtonClick("另存为");
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"没有保存文件！"});
}

QPlainTextEdit* Input(Worksheet& w) { return static_cast<QPlainTextEdit*>(w.Text1()); }

void PlaceCaret(Worksheet& w, int position, int anchorOffset = 0) {
  QTextCursor c = Input(w)->textCursor();
  c.setPosition(position);
  if (anchorOffset) c.setPosition(position + anchorOffset, QTextCursor::KeepAnchor);
  Input(w)->setTextCursor(c);
}

TEST_F(WorksheetFrame, DeleteTakesLineBreaksWhole) {
  std::unique_ptr<Worksheet> w(CreateLinearFrm(Services()));
  w->SetInputText("12\n34");
  PlaceCaret(*w, 1);
  Trigger(*w, "EditDelete");
  EXPECT_EQ(w->InputText(), "1\r\n34");
  // On a line break, both characters of CR LF go.
  PlaceCaret(*w, 1);
  Trigger(*w, "EditDelete");
  EXPECT_EQ(w->InputText(), "134");
  // At the very end nothing happens.
  PlaceCaret(*w, 3);
  Trigger(*w, "EditDelete");
  EXPECT_EQ(w->InputText(), "134");
  // A selection goes as a whole.
  PlaceCaret(*w, 0, 2);
  Trigger(*w, "EditDelete");
  EXPECT_EQ(w->InputText(), "4");

  std::unique_ptr<Worksheet> ultra(CreateUltra(Services()));
  ultra->SetInputText("x^2-2");
  static_cast<QLineEdit*>(ultra->Text1())->setCursorPosition(4);
  Trigger(*ultra, "EditDelete");
  EXPECT_EQ(ultra->InputText(), "x^2-");
}

TEST_F(WorksheetFrame, EditCommandsActOnTheInputPane) {
  std::unique_ptr<Worksheet> w(CreateMatrixCValueCVector(Services()));
  w->show();
  w->SetInputText("1 2\n3 4");
  w->SetReport("result text");
  w->Text2()->selectAll();
  w->Text2()->setFocus();
  QApplication::clipboard()->setText("before");

  // Copy with the result pane focused takes the input pane's selection, here none.
  PlaceCaret(*w, 0);
  Trigger(*w, "EditCopy");
  EXPECT_EQ(QApplication::clipboard()->text(), "before");
  PlaceCaret(*w, 0, 3);
  Trigger(*w, "EditCopy");
  EXPECT_EQ(QApplication::clipboard()->text(), "1 2");

  Trigger(*w, "EditSelectAll");
  EXPECT_EQ(Input(*w)->textCursor().selectedText().size(), 7);
  Trigger(*w, "EditCut");
  EXPECT_EQ(QApplication::clipboard()->text(), "1 2\n3 4");
  EXPECT_EQ(w->InputText(), "");
  Trigger(*w, "EditPaste");
  Trigger(*w, "EditPaste");
  EXPECT_EQ(w->InputText(), "1 2\r\n3 41 2\r\n3 4");
  EXPECT_EQ(w->ReportText(), "result text");
  w->close();
}

TEST_F(WorksheetFrame, SplitterKeepsPanesFifteenHundredTwipsFromTheEdges) {
  std::unique_ptr<Worksheet> w(CreateLinearFrm(Services()));
  w->resize(TwipsToPx(9000, w.get()), TwipsToPx(6000, w.get()));
  w->show();
  QApplication::processEvents();
  const double outer = w->OuterWidthTwips();
  auto dropAt = [&](double twips) {
    QWidget* bar = w->ImgSplitter();
    const int offset = TwipsToPx(twips, w.get()) - bar->x();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 5));
    EXPECT_TRUE(w->PicSplitter()->isVisible());
    w->SplitterMouseMove(offset);
    const int ghost = w->PicSplitter()->x();
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(1, 5));
    EXPECT_FALSE(w->PicSplitter()->isVisible());
    return ghost;
  };
  dropAt(600);
  EXPECT_DOUBLE_EQ(w->SplitTwips(), 1500);
  EXPECT_EQ(w->Text1()->width(), TwipsToPx(1500, w.get()));
  dropAt(outer - 600);
  EXPECT_DOUBLE_EQ(w->SplitTwips(), outer - 1500);
  // The ghost bar stops 500 from the edges.
  EXPECT_EQ(dropAt(100), TwipsToPx(500, w.get()));
  dropAt(4000);
  EXPECT_NEAR(w->SplitTwips(), 4000, 16);
  // The result pane fills the rest of the width.
  EXPECT_NEAR(w->Text2()->x() + w->Text2()->width(), w->centralWidget()->width(), 1);
  // Mouse moves without a press do nothing.
  const int before = w->PicSplitter()->x();
  w->SplitterMouseMove(50);
  EXPECT_EQ(w->PicSplitter()->x(), before);
  w->close();
}

TEST_F(WorksheetFrame, UltraSplitterMovesTheResultPane) {
  std::unique_ptr<Worksheet> w(CreateUltra(Services()));
  w->resize(TwipsToPx(9000, w.get()), TwipsToPx(6000, w.get()));
  w->show();
  QApplication::processEvents();
  QWidget* bar = w->ImgSplitter();
  w->SplitterMouseDown();
  w->SplitterMouseMove(-bar->y());  // to the very top: held 750 below the inner top
  w->SplitterMouseUp();
  const int toolbar = w->findChild<QToolBar*>("Toolbar1")->height();
  EXPECT_NEAR(w->ImgSplitter()->y() + toolbar, TwipsToPx(750 + 50, w.get()), 2);
  EXPECT_EQ(w->Text2()->y(), w->Text1()->height() + TwipsToPx(100, w.get()));
  w->SplitterMouseDown();
  w->SplitterMouseMove(10000);  // to the bottom: held 750 above the status bar
  w->SplitterMouseUp();
  const int inner = w->centralWidget()->height() + toolbar + w->statusBar()->height();
  EXPECT_NEAR(w->Text1()->height() + toolbar,
              inner - TwipsToPx(750, w.get()) - w->statusBar()->height(), 2);
  EXPECT_GE(w->Text2()->height(), 0);
  w->close();
}

TEST_F(WorksheetFrame, SmallWindowsSnapBack) {
  std::unique_ptr<Worksheet> w(CreateInsertValue(Services()));
  w->show();
  w->resize(TwipsToPx(2900, w.get()), TwipsToPx(5000, w.get()));
  QApplication::processEvents();
  EXPECT_EQ(w->frameGeometry().width(), TwipsToPx(3500, w.get()));
  w->resize(TwipsToPx(3100, w.get()), TwipsToPx(3100, w.get()));
  QApplication::processEvents();
  // Between 3000 and 3500 the size stays (as far as the menu bar lets it shrink).
  EXPECT_LT(w->frameGeometry().width(), TwipsToPx(3500, w.get()));

  std::unique_ptr<Worksheet> ultra(CreateUltra(Services()));
  ultra->show();
  ultra->resize(TwipsToPx(3400, ultra.get()), TwipsToPx(3400, ultra.get()));
  QApplication::processEvents();
  EXPECT_EQ(ultra->frameGeometry().height(), TwipsToPx(3500, ultra.get()));
  w->close();
  ultra->close();
}

TEST_F(WorksheetFrame, StatusTexts) {
  auto focus = [](QWidget* pane, QEvent::Type type) {
    QFocusEvent e(type, Qt::OtherFocusReason);
    QApplication::sendEvent(pane, &e);
  };
  std::unique_ptr<Worksheet> linear(CreateLinearFrm(Services()));
  EXPECT_EQ(linear->StatusText(), "状态");
  linear->SetInputText("1");
  EXPECT_EQ(linear->StatusText(), "编辑状态");
  focus(linear->Text2(), QEvent::FocusIn);
  EXPECT_EQ(linear->StatusText(), "结果区域");
  focus(linear->Text1(), QEvent::FocusIn);
  EXPECT_EQ(linear->StatusText(), "编辑区域");
  focus(linear->Text1(), QEvent::FocusOut);
  EXPECT_EQ(linear->StatusText(), "编辑区域");

  std::unique_ptr<Worksheet> interp(CreateInsertValue(Services()));
  focus(interp->Text1(), QEvent::FocusIn);
  EXPECT_EQ(interp->StatusText(), "函数表输入区(可编辑)");
  interp->SetInputText("1 2");
  EXPECT_EQ(interp->StatusText(), "函数表输入区(可编辑)");
  focus(interp->Text2(), QEvent::FocusIn);
  EXPECT_EQ(interp->StatusText(), "结果显示区(不可编辑)");

  std::unique_ptr<Worksheet> ultra(CreateUltra(Services()));
  focus(ultra->Text1(), QEvent::FocusIn);
  EXPECT_EQ(ultra->StatusText(), "在此输入函数方程式f(x)=?");
  focus(ultra->Text1(), QEvent::FocusOut);
  EXPECT_EQ(ultra->StatusText(), "状态");
  focus(ultra->Text2(), QEvent::FocusIn);
  EXPECT_EQ(ultra->StatusText(), "计算结果区域");

  // The date and time panels, in the Chinese form whatever the machine's locale.
  const QRegularExpression date("^\\d{4}/\\d{1,2}/\\d{1,2}$"), time("^\\d\\d:\\d\\d:\\d\\d$");
  EXPECT_TRUE(date.match(ultra->findChild<QLabel*>("Panel2")->text()).hasMatch());
  EXPECT_TRUE(time.match(ultra->findChild<QLabel*>("Panel3")->text()).hasMatch());
}

TEST_F(WorksheetFrame, DecimalDigitsAnswers) {
  struct Case {
    const char* answer;
    int linear, eigen;
  };
  const Case cases[] = {{"3", 3, 3},   {"2.5", 2, 2},   {"3.5", 4, 4},       {"0", 1, 1},
                        {"-5", 1, 1},  {"abc", 1, 1},   {"", 1, 1},          {"20", 16, 15},
                        {"100000", 16, 15}, {"16", 16, 15}, {" 7x", 7, 7}};
  std::unique_ptr<Worksheet> linear(CreateLinearFrm(Services()));
  std::unique_ptr<Worksheet> eigen(CreateMatrixCValueCVector(Services()));
  EXPECT_EQ(linear->Digits(), 6);
  for (const Case& c : cases) {
    dialogs = ScriptedDialogs({c.answer});
    Trigger(*linear, "FormatDecimalDigits");
    EXPECT_EQ(linear->Digits(), c.linear) << c.answer;
    dialogs = ScriptedDialogs({c.answer});
    Trigger(*eigen, "ShowFormatDecimalDigits");
    EXPECT_EQ(eigen->Digits(), c.eigen) << c.answer;
  }
  dialogs = ScriptedDialogs({"9"});
  Trigger(*linear, "FormatDecimalDigits");
  dialogs = ScriptedDialogs({"9"});
  Trigger(*eigen, "ShowFormatDecimalDigits");
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Shown()[0].text, "输入要设置小数数位(0-15)：\r\n默认是6.");
  EXPECT_EQ(dialogs.Shown()[0].title, "设置小数数位");
  EXPECT_EQ(dialogs.Shown()[0].defaultText, "7");
  dialogs = ScriptedDialogs();
  Trigger(*linear, "FormatDecimalDigits");
  EXPECT_EQ(dialogs.Shown()[0].text, "输入要设置小数数位 n：");
  EXPECT_EQ(dialogs.Shown()[0].defaultText, "9");
  EXPECT_EQ(linear->Digits(), 1);  // Cancel

  // 默认 brings the digits back to 6.
  Trigger(*linear, "FormatDefault");
  EXPECT_EQ(linear->Digits(), 6);
  Trigger(*eigen, "ShowDefault");
  EXPECT_EQ(eigen->Digits(), 6);
}

TEST_F(WorksheetFrame, FontBackColourAndDefaultLook) {
  std::unique_ptr<Worksheet> w(CreateLinearFrm(Services()));
  QFont chosen("DejaVu Sans", 14);
  chosen.setBold(true);
  chosen.setUnderline(true);
  choosers.font = FontChoice{chosen, QColor(Qt::red)};
  choosers.color = QColor(Qt::yellow);
  Trigger(*w, "FormatStyle");
  Trigger(*w, "FormatBackColor");
  for (QWidget* pane : {w->Text1(), static_cast<QWidget*>(w->Text2())}) {
    EXPECT_EQ(pane->font().family(), "DejaVu Sans");
    EXPECT_EQ(pane->font().pointSize(), 14);
    EXPECT_TRUE(pane->font().bold());
    EXPECT_TRUE(pane->font().underline());
    EXPECT_EQ(pane->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(pane->palette().color(QPalette::Base), QColor(Qt::yellow));
  }
  // Cancel changes nothing.
  choosers.font.reset();
  choosers.color.reset();
  Trigger(*w, "FormatStyle");
  Trigger(*w, "FormatBackColor");
  EXPECT_EQ(w->Text2()->font().pointSize(), 14);
  EXPECT_EQ(w->Text2()->palette().color(QPalette::Base), QColor(Qt::yellow));

  Trigger(*w, "FormatDefault");
  for (QWidget* pane : {w->Text1(), static_cast<QWidget*>(w->Text2())}) {
    EXPECT_EQ(pane->font().families().value(0), "宋体");
    EXPECT_EQ(pane->font().pointSize(), 9);
    EXPECT_FALSE(pane->font().bold());
    EXPECT_FALSE(pane->font().underline());
    EXPECT_EQ(pane->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
  }
  // The dialog opens on the font the pane shows, so 确定 without a change keeps it.
  const QString shownFamily = QFontInfo(w->Text1()->font()).family();
  choosers.font.reset();
  Trigger(*w, "FormatStyle");
  ASSERT_TRUE(choosers.fontShown);
  EXPECT_EQ(choosers.fontShown->font.family(), shownFamily);
  EXPECT_EQ(choosers.fontShown->font.pointSize(), 9);
  choosers.font = choosers.fontShown;
  Trigger(*w, "FormatStyle");
  for (QWidget* pane : {w->Text1(), static_cast<QWidget*>(w->Text2())})
    EXPECT_EQ(QFontInfo(pane->font()).family(), shownFamily);

  // The formula window keeps the chosen font name.
  std::unique_ptr<Worksheet> ultra(CreateUltra(Services()));
  choosers.font = FontChoice{chosen, QColor(Qt::blue)};
  Trigger(*ultra, "ShowStyle");
  Trigger(*ultra, "ShowDefault");
  EXPECT_EQ(ultra->Text2()->font().family(), "DejaVu Sans");
  EXPECT_EQ(ultra->Text2()->font().pointSize(), 9);
}

TEST_F(WorksheetFrame, LockedResultPanes) {
  EXPECT_TRUE(std::unique_ptr<Worksheet>(CreateLinearFrm(Services()))->Text2()->isReadOnly());
  EXPECT_TRUE(std::unique_ptr<Worksheet>(CreateUltra(Services()))->Text2()->isReadOnly());
  EXPECT_FALSE(
      std::unique_ptr<Worksheet>(CreateMatrixCValueCVector(Services()))->Text2()->isReadOnly());
  EXPECT_FALSE(std::unique_ptr<Worksheet>(CreateInsertValue(Services()))->Text2()->isReadOnly());
}

}  // namespace
}  // namespace tessaly
