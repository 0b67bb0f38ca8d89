// The picture painter, its PNG and SVG files, the picture box's save commands and the form
// window built around a command.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QToolButton>

#include "common/ui/form_window.h"
#include "common/ui/plot_painter.h"
#include "common/ui/plot_view.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

// A 101 x 101 picture of the square [-1, 1] x [-1, 1]: axes through the middle, a red point
// at (0.5, 0.5) and a label at the upper-left corner.
DisplayList Square() {
  DisplayList d;
  d.width = 101;
  d.height = 101;
  d.SetView(-1, 1, 1, -1);
  d.lines.push_back({0, 1, 0, -1, std::nullopt});
  d.lines.push_back({-1, 0, 1, 0, std::nullopt});
  d.lines.push_back({-0.5, 0, -0.5, -1, 0x0000ff});
  d.points.push_back({0.5, 0.5, 0xff0000});
  d.points.push_back({0.5, 1e300, 0xff0000});  // far outside: clipped, harmless
  d.texts.push_back({-1, 1, "Y", 0});
  return d;
}

TEST(Pictures, PngMapsUserCoordinatesOntoThePicture) {
  testing::EnsureApp();
  QTemporaryDir dir;
  const QString path = dir.filePath("square.png");
  QString error;
  ASSERT_TRUE(SavePicture(Square(), path, PictureSize(Square()), &error)) << error.toStdString();
  QImage image(path);
  ASSERT_EQ(image.size(), QSize(101, 101));
  EXPECT_EQ(image.pixelColor(75, 25), QColor(Qt::red));     // the point (0.5, 0.5)
  EXPECT_EQ(image.pixelColor(50, 10), QColor(Qt::black));   // the y axis
  EXPECT_EQ(image.pixelColor(90, 50), QColor(Qt::black));   // the x axis
  EXPECT_EQ(image.pixelColor(25, 80), QColor(Qt::blue));    // the coloured line
  EXPECT_EQ(image.pixelColor(90, 90), QColor(Qt::white));   // the ground
  int dark = 0;  // the label "Y" in the upper-left corner
  for (int x = 0; x < 12; ++x)
    for (int y = 0; y < 16; ++y) dark += image.pixelColor(x, y).lightness() < 128;
  EXPECT_GT(dark, 3);
}

TEST(Pictures, SvgFilesAndFailedSaves) {
  testing::EnsureApp();
  QTemporaryDir dir;
  const QString path = dir.filePath("square.svg");
  ASSERT_TRUE(SavePicture(Square(), path, QSize(200, 150), nullptr));
  const QByteArray svg = testing::ReadBytes(path);
  EXPECT_TRUE(svg.contains("<svg"));
  EXPECT_TRUE(svg.contains("width=\"200") || svg.contains("viewBox=\"0 0 200 150\""));

  // An earlier file survives a save that cannot be made, and no temporary file is left.
  testing::WriteBytes(dir.filePath("keep.png"), "earlier");
  QString error;
  EXPECT_FALSE(SavePicture(Square(), dir.filePath("keep.bmp"), QSize(10, 10), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(SavePicture(Square(), dir.filePath("no/such/folder/x.png"), QSize(10, 10), &error));
  EXPECT_EQ(testing::ReadBytes(dir.filePath("keep.png")), "earlier");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);

  // Without a view box, or with an empty one, only the white ground is painted.
  DisplayList flat = Square();
  flat.SetView(0, 1, 0, -1);
  ASSERT_TRUE(SavePicture(flat, dir.filePath("flat.png"), QSize(20, 20), nullptr));
  EXPECT_EQ(QImage(dir.filePath("flat.png")).pixelColor(10, 10), QColor(Qt::white));
  flat.SetView(-1, 1e-320, 1, -1e-321);  // too thin to scale
  ASSERT_TRUE(SavePicture(flat, dir.filePath("thin.png"), QSize(20, 20), nullptr));
  EXPECT_EQ(QImage(dir.filePath("thin.png")).pixelColor(10, 10), QColor(Qt::white));
}

TEST(Pictures, PictureBoxSavesWhatItShows) {
  testing::EnsureApp();
  QTemporaryDir dir;
  testing::ScriptedChoosers choosers;
  ScriptedDialogs dialogs;
  PlotView view(nullptr, &choosers, &dialogs);
  view.resize(120, 80);
  view.SetDrawing(Square());
  choosers.files = {dir.filePath("shot"), "", dir.filePath("no/such/x.svg")};
  EXPECT_TRUE(view.SaveAsPng());  // the extension is added
  EXPECT_EQ(QImage(dir.filePath("shot.png")).size(), QSize(120, 80));
  EXPECT_FALSE(view.SaveAsSvg());  // Cancel: nothing said
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_FALSE(view.SaveAsSvg());
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"图片没有保存：文件无法写入！"});
}

TEST(FormWindows, EnableHoldInRangeAndShowWhatTheCommandReturns) {
  testing::EnsureApp();
  FormCommand command;
  command.window = "Demo";
  command.control = "Command1";
  command.caption = "计算";
  command.controls = {{"Text1", ""}, {"Text4", "2", {}, 2, 32767}, {"Combo1", "甲", {"甲", "乙"}}};
  command.enabled = [](const FormFields& f) { return AllFilled(f, {"Text1"}); };
  int runs = 0;
  command.run = [&runs](FormContext& ctx) {
    ++runs;
    FormOutcome o;
    o.result = ctx.fields.Text("Text4") + ctx.fields.Text("Combo1") + "\r\n第二行";
    DisplayList d;
    d.SetView(0, 1, 1, 0);
    o.picture = d;
    o.focus = "Text1";
    return o;
  };
  FormWindowDescription description;
  description.name = "Demo";
  description.caption = "演示";
  description.outerWidthTwips = 9000;
  description.outerHeightTwips = 6000;
  description.labels = {{"Label1", "函数式", "Text1"}, {"Label5", "结果", "Text5"}};
  description.resultBox = "Text5";
  description.spinner = "UpDown1";
  description.picture = true;
  ScriptedDialogs dialogs;
  FormWindow w(description, {&dialogs, nullptr, nullptr, nullptr}, &command);

  EXPECT_EQ(w.Label("Label1")->text(), "函数式");
  EXPECT_FALSE(w.Button()->isEnabled());
  w.Press();
  EXPECT_EQ(runs, 0);
  w.TextBox("Text1")->setText("x");
  EXPECT_TRUE(w.Button()->isEnabled());

  w.TextBox("Text4")->setText("0");
  EXPECT_EQ(w.TextBox("Text4")->text(), "2");
  w.TextBox("Text4")->setText("99999");
  EXPECT_EQ(w.TextBox("Text4")->text(), "32767");
  auto* up = w.findChild<QToolButton*>("Up");
  auto* down = w.findChild<QToolButton*>("Down");
  ASSERT_TRUE(up && down);
  up->click();
  EXPECT_EQ(w.TextBox("Text4")->text(), "32767");
  down->click();
  EXPECT_EQ(w.TextBox("Text4")->text(), "32766");

  w.List("Combo1")->setCurrentIndex(1);
  w.Press();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(w.ResultText(), "32766乙\r\n第二行");
  EXPECT_EQ(w.ResultBox()->toPlainText(), "32766乙\n第二行");
  EXPECT_TRUE(w.Picture()->Drawing().hasView);
}

}  // namespace
}  // namespace tessaly
