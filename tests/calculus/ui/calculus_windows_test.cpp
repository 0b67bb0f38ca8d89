// The numerical-calculus windows: the menu window ValueCalculus and one press through each
// child window's button, with scripted boxes and colour dialog.
#include "calculus/ui/calculus_windows.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "common/ui/menu_window.h"
#include "common/ui/plot_view.h"
#include "shell/ui/tessaly_window.h"
#include "shell/ui/topic_windows.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

class CalculusWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    RegisterTopicWindows(windows, state, {&dialogs, &choosers, nullptr});
  }
  void TearDown() override {
    windows.CloseInOrder(kCalculusChildren);
    windows.CloseInOrder({"ValueCalculus"});
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // Opens the window and fills in the formula and the bounds.
  FormWindow* Open(const char* name, const char* f, const char* a, const char* b) {
    auto* w = qobject_cast<FormWindow*>(windows.Show(name));
    w->TextBox("Text1")->setText(f);
    w->TextBox("Text2")->setText(a);
    w->TextBox("Text3")->setText(b);
    return w;
  }
  const DisplayList& Picture(FormWindow* w) { return w->Picture()->Drawing(); }

  AppState state;
  AppWindows windows;
  ScriptedDialogs dialogs;
  testing::ScriptedChoosers choosers;
};

TEST_F(CalculusWindows, MenuWindowOpensEachChildOnceSetsTheColourAndClosesInOrder) {
  Tessaly main(windows, nullptr);
  QTest::mouseClick(main.findChild<QPushButton*>("Command5"), Qt::LeftButton);
  auto* menu = qobject_cast<MenuWindow*>(windows.Find("ValueCalculus"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->windowTitle(), "数值微积分");
  EXPECT_EQ(menu->OuterWidthTwips(), 7545);
  EXPECT_EQ(menu->OuterHeightTwips(), 7095);
  // Each child: its button, caption, fixed size and command button.
  struct Child {
    const char *button, *buttonCaption, *name, *caption;
    double width, height;
    const char* command;
  };
  const Child children[] = {{"Command1", "牛顿-柯特斯（Newton-Cotes）公式", "NewtonCotes",
                             "数值微积分—牛顿-柯特斯（Newton-Cotes）公式", 11955, 8295,
                             "牛顿-柯特斯（Newton-Cotes）积分"},
                            {"Command2", "复化求积公式", "CompFormual", "数值微积分—复化求积公式",
                             12255, 8205, "复化求积"},
                            {"Command3", "高斯求积公式", "GauseIntegral", "数值微积分—高斯求积公式",
                             12255, 8250, "高斯求积"},
                            {"cmdGeneralFunPaint", "绘制一般函数的图形", "FrmGeneralFunPaint",
                             "普通函数式f(x)绘图", 11955, 8205, "绘图"}};
  for (const Child& c : children) {
    QPushButton* b = menu->Button(c.button);
    ASSERT_NE(b, nullptr) << c.button;
    EXPECT_EQ(b->text(), c.buttonCaption);
    QTest::mouseClick(b, Qt::LeftButton);
    auto* opened = qobject_cast<FormWindow*>(windows.Find(c.name));
    ASSERT_NE(opened, nullptr) << c.name;
    EXPECT_EQ(opened->windowTitle(), c.caption);
    EXPECT_EQ(opened->OuterWidthTwips(), c.width);
    EXPECT_EQ(opened->OuterHeightTwips(), c.height);
    EXPECT_EQ(opened->Button()->text(), c.command);
    QTest::mouseClick(b, Qt::LeftButton);  // shown again, not a second copy
    EXPECT_EQ(windows.Find(c.name), opened);
  }
  EXPECT_EQ(menu->Button("cmdHelp")->text(), "帮助");

  // The colour dialog: OK takes the colour for later pictures, Cancel keeps it.
  choosers.color = QColor(0x12, 0x34, 0x56);
  QTest::mouseClick(menu->Button("cmdPlotColor"), Qt::LeftButton);
  choosers.color.reset();
  QTest::mouseClick(menu->Button("cmdPlotColor"), Qt::LeftButton);
  EXPECT_EQ(state.plotColour, 0x123456u);

  // Closing the menu window closes the four children, in order.
  std::vector<QString> closed;
  for (const QString& child : kCalculusChildren)
    QObject::connect(windows.Find(child), &QObject::destroyed,
                     [&closed, child] { closed.push_back(child); });
  menu->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(closed, std::vector<QString>(kCalculusChildren.begin(), kCalculusChildren.end()));
}

TEST_F(CalculusWindows, CompFormualHoldsItsSubintervalsAndKeepsItsResultOnFailure) {
  FormWindow* w = Open("CompFormual", "x^2", "0", "");
  EXPECT_FALSE(w->Button()->isEnabled());
  w->TextBox("Text3")->setText("1");
  EXPECT_TRUE(w->Button()->isEnabled());
  w->TextBox("Text4")->setText("1");
  EXPECT_EQ(w->TextBox("Text4")->text(), "2");
  w->TextBox("Text4")->setText("40000");
  EXPECT_EQ(w->TextBox("Text4")->text(), "32767");
  w->TextBox("Text4")->setText("2");
  EXPECT_TRUE(w->ResultBox()->isReadOnly());
  w->List("Combo1")->setCurrentIndex(1);
  QTest::mouseClick(w->Button(), Qt::LeftButton);
  const std::string simpson =
      "此函数式在区间[0,1]的 复化辛普森公式积分值是：\r\n    0.333333333333333";
  EXPECT_EQ(w->ResultText(), simpson);
  EXPECT_EQ(Picture(w).lines.size(), 2u + 401u);

  w->TextBox("Text3")->setText("-1");
  w->Press();
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"上下界值输入有误！"});
  EXPECT_EQ(w->ResultText(), simpson);
  EXPECT_EQ(Picture(w).lines.size(), 2u + 401u);
}

TEST_F(CalculusWindows, NewtonCotesChecksItsButtonWhenTheListGetsTheFocus) {
  FormWindow* w = Open("NewtonCotes", "", "", "");
  EXPECT_EQ(w->List("Combo1")->currentText(), "1 ");
  EXPECT_TRUE(w->ResultBox()->isReadOnly());
  // Filled in unseen: the list's focus brings the button up to date.
  for (auto [box, text] : {std::pair{"Text1", "1"}, {"Text2", "0"}, {"Text3", "1"}}) {
    QSignalBlocker quiet(w->TextBox(box));
    w->TextBox(box)->setText(text);
  }
  EXPECT_FALSE(w->Button()->isEnabled());
  w->show();
  QApplication::setActiveWindow(w);
  w->List("Combo1")->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(w->Button()->isEnabled());
  QTest::keyClicks(w->List("Combo1"), "8");  // picked from, not typed into
  EXPECT_EQ(w->List("Combo1")->currentText(), "1 ");
  w->List("Combo1")->setCurrentIndex(7);
  w->Press();
  EXPECT_EQ(w->ResultText(), "此函数式在区间[0,1]的积分值是：\r\n    1");
  EXPECT_TRUE(Picture(w).hasView);
}

TEST_F(CalculusWindows, GauseIntegralAndTheFunctionPlot) {
  FormWindow* g = Open("GauseIntegral", "sqrt(x)", "0", "1");
  EXPECT_FALSE(g->ResultBox()->isReadOnly());
  g->Press();
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"函数表达式输入有误！"});
  EXPECT_FALSE(Picture(g).hasView);
  g->TextBox("Text1")->setText("x^2");
  g->Press();
  EXPECT_EQ(g->ResultText(), "此函数式在区间[0,1]的积分值是：\r\n    0.333333333333333");

  state.plotColour = 0xff0000;
  FormWindow* p = Open("FrmGeneralFunPaint", "sin(x)", "0", "6.3");
  EXPECT_EQ(p->Label("Label1")->text(), "f(x)=");
  EXPECT_EQ(p->ResultBox(), nullptr);
  QTest::mouseClick(p->Button(), Qt::LeftButton);
  ASSERT_EQ(Picture(p).points.size(), 401u);
  EXPECT_EQ(Picture(p).points[0].colour, 0xff0000u);
  EXPECT_NEAR(Picture(p).top, 2.4, 0.01);
}

}  // namespace
}  // namespace tessaly
