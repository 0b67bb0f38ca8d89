// The numerical-calculus windows: the menu window ValueCalculus and one press through each
// child window's button, with scripted boxes and colour dialog.
#include "calculus/ui/calculus_windows.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "calculus/calculus_plot.h"
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
    windows.CloseInOrder({"ValueCalculus"});
    windows.CloseInOrder(kCalculusChildren);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  FormWindow* Open(const char* name) {
    auto* w = qobject_cast<FormWindow*>(windows.Show(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  static void Type(FormWindow* w, const char* box, const char* text) {
    w->TextBox(box)->setText(QString::fromUtf8(text));
  }

  AppState state;
  AppWindows windows;
  ScriptedDialogs dialogs;
  testing::ScriptedChoosers choosers;
};

TEST_F(CalculusWindows, MenuWindowOpensEachChildOnceSetsTheColourAndClosesInOrder) {
  Tessaly main(windows, nullptr);
  auto* command5 = main.findChild<QPushButton*>("Command5");
  ASSERT_TRUE(command5->isEnabled());
  QTest::mouseClick(command5, Qt::LeftButton);
  auto* menu = qobject_cast<MenuWindow*>(windows.Find("ValueCalculus"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->windowTitle(), "数值微积分");
  EXPECT_EQ(menu->OuterWidthTwips(), 7545);
  EXPECT_EQ(menu->OuterHeightTwips(), 7095);
  const char* buttons[][3] = {{"Command1", "牛顿-柯特斯（Newton-Cotes）公式", "NewtonCotes"},
                              {"Command2", "复化求积公式", "CompFormual"},
                              {"Command3", "高斯求积公式", "GauseIntegral"},
                              {"cmdGeneralFunPaint", "绘制一般函数的图形", "FrmGeneralFunPaint"}};
  for (auto& [name, caption, child] : buttons) {
    QPushButton* b = menu->Button(name);
    ASSERT_NE(b, nullptr) << name;
    EXPECT_EQ(b->text(), caption);
    QTest::mouseClick(b, Qt::LeftButton);
    QWidget* opened = windows.Find(child);
    ASSERT_NE(opened, nullptr) << child;
    QTest::mouseClick(b, Qt::LeftButton);  // shown again, not a second copy
    EXPECT_EQ(windows.Find(child), opened);
  }
  EXPECT_EQ(menu->Button("cmdHelp")->text(), "帮助");

  // The colour dialog: OK takes the colour for every later picture, Cancel keeps it.
  choosers.color = QColor(0x12, 0x34, 0x56);
  QTest::mouseClick(menu->Button("cmdPlotColor"), Qt::LeftButton);
  EXPECT_EQ(state.plotColour, 0x123456u);
  choosers.color.reset();
  QTest::mouseClick(menu->Button("cmdPlotColor"), Qt::LeftButton);
  EXPECT_EQ(state.plotColour, 0x123456u);
  FormWindow* paint = Open("FrmGeneralFunPaint");
  Type(paint, "Text1", "x");
  Type(paint, "Text2", "0");
  Type(paint, "Text3", "1");
  paint->Press();
  ASSERT_FALSE(paint->Picture()->Drawing().points.empty());
  EXPECT_EQ(paint->Picture()->Drawing().points[0].colour, 0x123456u);

  // Closing the menu window closes the four children, in order, and only them.
  std::vector<QString> closed;
  for (const QString& child : kCalculusChildren)
    QObject::connect(windows.Find(child), &QObject::destroyed,
                     [&closed, child] { closed.push_back(child); });
  menu->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(closed, std::vector<QString>(kCalculusChildren.begin(), kCalculusChildren.end()));
  for (const QString& child : kCalculusChildren) EXPECT_EQ(windows.Find(child), nullptr);
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(CalculusWindows, CompFormualIntegratesAndDraws) {
  FormWindow* w = Open("CompFormual");
  EXPECT_EQ(w->windowTitle(), "数值微积分—复化求积公式");
  EXPECT_EQ(w->OuterWidthTwips(), 12255);
  EXPECT_EQ(w->OuterHeightTwips(), 8205);
  EXPECT_EQ(w->Button()->text(), "复化求积");
  EXPECT_EQ(w->Label("Label4")->text(), "等分");
  EXPECT_EQ(w->Label("Label5")->text(), "积分结果如下");
  EXPECT_FALSE(w->Button()->isEnabled());
  Type(w, "Text1", "x^2");
  Type(w, "Text2", "0");
  EXPECT_FALSE(w->Button()->isEnabled());
  Type(w, "Text3", "1");
  EXPECT_TRUE(w->Button()->isEnabled());
  // The subinterval box is held within 2 .. 32767 as it is typed into.
  Type(w, "Text4", "1");
  EXPECT_EQ(w->TextBox("Text4")->text(), "2");
  Type(w, "Text4", "40000");
  EXPECT_EQ(w->TextBox("Text4")->text(), "32767");
  Type(w, "Text4", "2");

  w->List("Combo1")->setCurrentIndex(1);
  EXPECT_TRUE(w->ResultBox()->isReadOnly());

  QTest::mouseClick(w->Button(), Qt::LeftButton);
  EXPECT_EQ(w->ResultText(),
            "此函数式在区间[0,1]的 复化辛普森公式积分值是：\r\n    0.333333333333333");
  const DisplayList& d = w->Picture()->Drawing();
  EXPECT_DOUBLE_EQ(d.right, 1.2);
  EXPECT_EQ(d.lines.size(), 2u + 401u);

  // A failure leaves the result and the picture as they were.
  Type(w, "Text3", "-1");
  w->Press();
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"上下界值输入有误！"});
  EXPECT_EQ(w->ResultText(),
            "此函数式在区间[0,1]的 复化辛普森公式积分值是：\r\n    0.333333333333333");
  EXPECT_EQ(w->Picture()->Drawing().lines.size(), 2u + 401u);
}

TEST_F(CalculusWindows, NewtonCotesChecksItsButtonWhenTheListGetsTheFocus) {
  FormWindow* w = Open("NewtonCotes");
  EXPECT_EQ(w->windowTitle(), "数值微积分—牛顿-柯特斯（Newton-Cotes）公式");
  EXPECT_EQ(w->OuterWidthTwips(), 11955);
  EXPECT_EQ(w->OuterHeightTwips(), 8295);
  EXPECT_EQ(w->Button()->text(), "牛顿-柯特斯（Newton-Cotes）积分");
  EXPECT_EQ(w->List("Combo1")->count(), 8);
  EXPECT_EQ(w->List("Combo1")->currentText(), "1 ");
  EXPECT_TRUE(w->ResultBox()->isReadOnly());
  // Filled in without the change being seen: the list's focus brings the button up to date.
  for (auto [box, text] : {std::pair{"Text1", "1"}, {"Text2", "0"}, {"Text3", "1"}}) {
    QSignalBlocker quiet(w->TextBox(box));
    Type(w, box, text);
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
  EXPECT_TRUE(w->Picture()->Drawing().hasView);
}

TEST_F(CalculusWindows, GauseIntegralAndTheFunctionPlot) {
  FormWindow* g = Open("GauseIntegral");
  EXPECT_EQ(g->windowTitle(), "数值微积分—高斯求积公式");
  EXPECT_EQ(g->OuterHeightTwips(), 8250);
  EXPECT_EQ(g->Button()->text(), "高斯求积");
  EXPECT_FALSE(g->ResultBox()->isReadOnly());
  Type(g, "Text1", "sqrt(x)");
  Type(g, "Text2", "0");
  Type(g, "Text3", "1");
  g->Press();
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"函数表达式输入有误！"});
  EXPECT_FALSE(g->Picture()->Drawing().hasView);
  Type(g, "Text1", "x^2");
  g->Press();
  EXPECT_EQ(g->ResultText(), "此函数式在区间[0,1]的积分值是：\r\n    0.333333333333333");

  FormWindow* p = Open("FrmGeneralFunPaint");
  EXPECT_EQ(p->windowTitle(), "普通函数式f(x)绘图");
  EXPECT_EQ(p->OuterWidthTwips(), 11955);
  EXPECT_EQ(p->OuterHeightTwips(), 8205);
  EXPECT_EQ(p->Label("Label1")->text(), "f(x)=");
  EXPECT_EQ(p->Button()->objectName(), "cmdPaint");
  EXPECT_EQ(p->Button()->text(), "绘图");
  EXPECT_EQ(p->ResultBox(), nullptr);
  Type(p, "Text1", "sin(x)");
  Type(p, "Text2", "0");
  Type(p, "Text3", "6.3");
  QTest::mouseClick(p->Button(), Qt::LeftButton);
  const DisplayList& d = p->Picture()->Drawing();
  EXPECT_EQ(d.points.size(), 401u);
  EXPECT_NEAR(d.top, 2.4, 0.01);
  EXPECT_EQ(d.width, kCalculusPictureWidth);
  Type(p, "Text3", "0");
  p->Press();
  EXPECT_EQ(dialogs.Messages().back(), "上下界值输入有误！");
  EXPECT_EQ(p->Picture()->Drawing().points.size(), 401u);
}

}  // namespace
}  // namespace tessaly
