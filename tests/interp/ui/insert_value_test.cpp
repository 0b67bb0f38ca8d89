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
  void TearDown() override { windows.CloseInOrder(AppWindows::UnloadOrder()); }

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
                                   "埃尔米特插值"}));
  QStringList equal;
  for (QAction* a : w->Menu("cIsometryNode")->actions()) equal << a->text();
  EXPECT_EQ(equal, (QStringList{"牛顿前插公式", "牛顿后插公式"}));
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
