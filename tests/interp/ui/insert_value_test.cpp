// The interpolation window's method menu, the scatter-plot window it opens, the point colour
// item and the pictures saved from the plot window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include "common/ui/plot_view.h"
#include "interp/interp_test_support.h"
#include "interp/ui/frm_fun_picture.h"
#include "shell/ui/topic_windows.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

class InsertValueWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    RegisterTopicWindows(windows, state, {&dialogs, &choosers, nullptr});
    w = qobject_cast<Worksheet*>(windows.Show("InsertValue"));
    ASSERT_NE(w, nullptr);
  }
  // The closed windows are deleted before the fixture's AppState goes: a plot window left
  // alive would draw the next test's hand-over through a pointer to this one.
  void TearDown() override {
    windows.CloseInOrder(AppWindows::UnloadOrder());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Runs a method from the menu with these answers and lets the plot window draw.
  void RunFromMenu(const char* item, std::vector<std::string> answers) {
    dialogs = ScriptedDialogs(std::move(answers));
    testing::OpenMenu(w->Menu("mnuCalculate"));
    ASSERT_TRUE(w->Action(item)->isEnabled());
    w->Action(item)->trigger();
    QApplication::processEvents();
  }
  FrmFunPicture* Plot() { return qobject_cast<FrmFunPicture*>(windows.Find("FrmFunPicture")); }

  AppState state;
  AppWindows windows;
  ScriptedDialogs dialogs;
  testing::ScriptedChoosers choosers;
  Worksheet* w = nullptr;
};

TEST_F(InsertValueWindow, MenusInOrder) {
  QStringList captions;
  for (QAction* a : w->Menu("mnuCalculate")->actions()) captions << a->text();
  EXPECT_EQ(captions, (QStringList{"线性插值", "抛物线插值", "分段线性插值", "分段抛物线插值",
                                   "拉格朗日插值多项式", "牛顿插值多项式", "等距节点插值多项式",
                                   "埃尔米特插值", "三次样条插值", "最小二乘曲线拟合"}));
  QStringList equal;
  for (QAction* a : w->Menu("cIsometryNode")->actions()) equal << a->text();
  EXPECT_EQ(equal, (QStringList{"牛顿前插公式", "牛顿后插公式"}));
  QStringList spline;
  for (const char* menu : {"cThreeBatten", "cTBRankOne", "cTBRankTwo"})
    for (QAction* a : w->Menu(menu)->actions()) spline << a->text();
  EXPECT_EQ(spline, (QStringList{"用节点处一阶导数表示的样条函数", "用节点处二阶导数表示的样条函数",
                                 "给定两端点处的一阶导数值", "给定两端点处的二阶导数值",
                                 "给定两端点处的一阶导数值", "给定两端点处的二阶导数值"}));
  QStringList show;
  for (QAction* a : w->Menu("mnuShow")->actions()) show << a->text();
  EXPECT_EQ(show, (QStringList{"字体", "背景", "默认", "散点图颜色"}));
}

TEST_F(InsertValueWindow, PlotWindowDrawsTheHandOverOnce) {
  w->SetInputText("0 1 2\n0 1 4");
  RunFromMenu("cLagrangeInsert", {"3", "yes"});
  auto alone = testing::RunInsertValue("cLagrangeInsert", "0 1 2\r\n0 1 4", {"3", "yes"});
  EXPECT_EQ(w->ReportText(), alone.report);

  FrmFunPicture* plot = Plot();
  ASSERT_NE(plot, nullptr);
  EXPECT_EQ(plot->windowTitle(), "散点图");
  EXPECT_TRUE(plot->isVisible());
  EXPECT_EQ(plot->Picture1()->objectName(), "Picture1");
  const DisplayList& d = plot->Picture1()->Drawing();
  ASSERT_TRUE(d.hasView);
  EXPECT_GE(d.points.size(), 400u);
  EXPECT_EQ(d.points.front().colour, 0u);
  EXPECT_EQ(d.texts.back().text, " max(Y)=3.9204");
  EXPECT_EQ(state.plot.kind, 0);

  // Coming back to the front does not draw again: the hand-over is spent.
  plot->Picture1()->Clear();
  plot->Form_Activate();
  EXPECT_FALSE(plot->Picture1()->Drawing().hasView);

  // No to the plot question leaves the plot window alone.
  RunFromMenu("cNewtonInsert", {"", "no"});
  EXPECT_EQ(Plot(), plot);
}

TEST_F(InsertValueWindow, SplineAndFitFromTheMenu) {
  // A spline plotted piece by piece over the nodes.
  w->SetInputText("0 1 2 4\n1 3 5 9");
  RunFromMenu("cTBRTRankTwo", {"0", "0", "yes"});
  auto alone = testing::RunInsertValue("cTBRTRankTwo", "0 1 2 4\r\n1 3 5 9", {"0", "0", "yes"});
  EXPECT_EQ(w->ReportText(), alone.report);
  FrmFunPicture* plot = Plot();
  ASSERT_NE(plot, nullptr);
  const DisplayList& d = plot->Picture1()->Drawing();
  ASSERT_TRUE(d.hasView);
  EXPECT_GE(d.points.size(), 400u);
  // Three pieces, each swept from its left node; the line rises to just below 9.
  EXPECT_EQ(d.points.front().x, 0);
  EXPECT_EQ(d.points.front().y, 1);
  EXPECT_NEAR(d.points.back().y, 9, 0.03);

  // The fit's too-high question: Yes moves the focus to the input pane.
  w->Text2()->setFocus();
  RunFromMenu("CMinRideCurve", {"3", "yes"});
  ASSERT_EQ(dialogs.Shown().size(), 2u);
  EXPECT_EQ(dialogs.Shown()[1].title, "数据缺少或拟合曲线次数太高");
  EXPECT_EQ(w->focusWidget(), w->Text1());
  w->Text2()->setFocus();
  RunFromMenu("CMinRideCurve", {"3", "no"});
  EXPECT_EQ(w->focusWidget(), w->Text2());

  // The fitted line, plotted from the first to the last node.
  RunFromMenu("CMinRideCurve", {"1", "yes"});
  EXPECT_TRUE(w->ReportText().ends_with(" y= 1+2*x^1"));
  ASSERT_NE(Plot(), plot);
  EXPECT_EQ(Plot()->Picture1()->Drawing().texts[3].text, " 0");
  EXPECT_EQ(Plot()->Picture1()->Drawing().texts[4].text, " 4");
}

TEST_F(InsertValueWindow, PointColourItemAndDefaultLook) {
  choosers.color = QColor(255, 0, 0);
  w->Action("mnuShowPicture")->trigger();
  EXPECT_EQ(state.scatterColour, 0xff0000u);

  // The next plot draws in that colour, in a fresh window.
  w->SetInputText("0 1 2\n0 1 4");
  RunFromMenu("cSubsectionPInS", {"", "yes"});
  FrmFunPicture* first = Plot();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Picture1()->Drawing().points.front().colour, 0xff0000u);

  // "默认" resets the colour to black; Cancel in the colour dialog keeps the colour the
  // dialog last held.
  w->Action("ShowDefault")->trigger();
  EXPECT_EQ(state.scatterColour, 0u);
  choosers.color.reset();
  w->Action("mnuShowPicture")->trigger();
  EXPECT_EQ(state.scatterColour, 0xff0000u);

  // A saved picture shows what the window shows.
  QTemporaryDir dir;
  PlotView* view = first->Picture1();
  choosers.files = {dir.filePath("plot.png"), dir.filePath("plot.svg")};
  ASSERT_TRUE(view->SaveAsPng());
  const QImage image(dir.filePath("plot.png"));
  ASSERT_EQ(image.size(), view->size());
  int red = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) red += image.pixelColor(x, y) == QColor(Qt::red);
  EXPECT_GT(red, 300);
  ASSERT_TRUE(view->SaveAsSvg());
  const QByteArray svg = testing::ReadBytes(dir.filePath("plot.svg"));
  EXPECT_TRUE(svg.contains("<svg"));
  EXPECT_TRUE(svg.contains("#ff0000"));
}

}  // namespace
}  // namespace tessaly
