// The scatter plot's display list: view box, axes, points and labels. The sweep adds the
// step to a running x, so the range sweep of [0, 2] by 0.02 ends at 1.98 (the hundredth
// sum lies just above 2) and that of [-2, 1] by 0.03 at 0.97.
#include "interp/scatter_plot.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "expr/formula.h"

namespace tessaly {
namespace {

PlotHandOver Formula(const std::string& f, double a, double b) {
  PlotHandOver p;
  p.formula = f;
  p.xMin = a;
  p.xMax = b;
  p.kind = 1;
  return p;
}

struct Label {
  double x, y;
  std::string text;
  int linesBelow;
};

void ExpectLabels(const DisplayList& d, const std::vector<Label>& want) {
  ASSERT_EQ(d.texts.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_DOUBLE_EQ(d.texts[i].x, want[i].x) << want[i].text;
    EXPECT_DOUBLE_EQ(d.texts[i].y, want[i].y) << want[i].text;
    EXPECT_EQ(d.texts[i].text, want[i].text);
    EXPECT_EQ(d.texts[i].linesBelow, want[i].linesBelow) << want[i].text;
  }
}

void ExpectView(const DisplayList& d, double left, double top, double right, double bottom) {
  ASSERT_TRUE(d.hasView);
  EXPECT_DOUBLE_EQ(d.left, left);
  EXPECT_DOUBLE_EQ(d.top, top);
  EXPECT_DOUBLE_EQ(d.right, right);
  EXPECT_DOUBLE_EQ(d.bottom, bottom);
}

TEST(ScatterPlot, PositiveFunction) {
  PlotHandOver p = Formula("x+1", 0, 2);
  const ScatterPlot plot = DrawScatterPlot(p, 0x00ff00, 300, 200);
  EXPECT_EQ(p.kind, 0);  // drawn once
  ASSERT_TRUE(plot.drawn);
  EXPECT_EQ(plot.message, "");
  const DisplayList& d = plot.picture;
  EXPECT_EQ(d.width, 300);
  EXPECT_EQ(d.height, 200);
  // ymax = 2.98, ymin = 0: no room below but a tenth of the y range; a = 0: a tenth of
  // the x range left of the y axis.
  ExpectView(d, -0.2, 2.98 * 1.2, 2.4, -0.298);
  ASSERT_EQ(d.lines.size(), 2u);
  EXPECT_EQ(d.lines[0].x1, 0);
  EXPECT_EQ(d.lines[0].y1, d.top);
  EXPECT_EQ(d.lines[0].y2, d.bottom);
  EXPECT_EQ(d.lines[1].x1, d.left);
  EXPECT_EQ(d.lines[1].x2, d.right);
  EXPECT_FALSE(d.lines[0].colour.has_value());
  // The curve: x = 0, 0.005, ... up to 2, each point on the line in the point colour.
  ASSERT_GE(d.points.size(), 400u);
  ASSERT_LE(d.points.size(), 401u);
  EXPECT_EQ(d.points.front().x, 0);
  EXPECT_EQ(d.points.front().y, 1);
  for (const PlotPoint& pt : d.points) {
    EXPECT_NEAR(pt.y, pt.x + 1, 1e-12);
    EXPECT_EQ(pt.colour, 0x00ff00u);
  }
  const double labelY = 2.98 * 1.2 * (1 - 1.0 / 25);
  ExpectLabels(d, {{0, 0, "0", 0},
                   {0, labelY, "Y", 0},
                   {2.4 - 2.4 / 20, labelY, "X", 1},
                   {0, labelY, " 0", 2},
                   {2, labelY, " 2", 3},
                   {0, 2.98, " max(Y)=2.98", 0}});
}

TEST(ScatterPlot, FunctionCrossingZero) {
  PlotHandOver p = Formula("x-1", 0, 2);
  const DisplayList d = DrawScatterPlot(p, 0).picture;
  // ymax = 0.98, ymin = -1: a fifth of the whole extent beyond each extreme.
  ExpectView(d, -0.2, 1.98 * 1.2, 2.4, -1.98 * 1.2);
  ASSERT_EQ(d.texts.size(), 7u);
  EXPECT_EQ(d.texts[5].text, " max(Y)=0.98");
  EXPECT_DOUBLE_EQ(d.texts[5].y, 0.98);
  EXPECT_EQ(d.texts[6].text, " min(Y)=-1");
  EXPECT_EQ(d.texts[6].y, -1);
}

TEST(ScatterPlot, NegativeLeftEnd) {
  PlotHandOver p = Formula("x^2", -2, 1);
  const DisplayList d = DrawScatterPlot(p, 0).picture;
  // The left border at 2.4 a; the right one a fifth beyond b + |a|.
  ExpectView(d, -4.8, 4 * 1.2, 3 * 1.2, -0.4);
  const double labelY = 4.8 - 4.8 / 25;
  ExpectLabels(d, {{0, 0, "0", 0},
                   {0, labelY, "Y", 0},
                   {3.6 - 3.6 / 20, labelY, "X", 1},
                   {-2, labelY, "-2", 2},
                   {1, labelY, " 1", 3},
                   {0, 4, " max(Y)=4", 0}});
}

TEST(ScatterPlot, PiecesPerIntervalAndPerNodeTriple) {
  PlotHandOver p;
  p.nodes = {0, 1, 2};
  p.pieces = {"", "x", "2 - x"};
  p.kind = 2;
  const DisplayList lines = DrawScatterPlot(p, 0).picture;
  EXPECT_EQ(p.pieces[2], NormalizeFormula("2 - x"));  // normalised in place
  // Each piece over its own interval, by (2 - 0) / 400: a tent with its top at 1.
  ASSERT_GE(lines.points.size(), 400u);
  for (const PlotPoint& pt : lines.points)
    EXPECT_NEAR(pt.y, pt.x <= 1 ? pt.x : 2 - pt.x, 1e-12) << pt.x;
  EXPECT_EQ(lines.texts.back().text, " max(Y)=1");

  // Kind 3: the one parabola over [0, 2], swept once.
  p.nodes = {0, 1, 2};
  p.pieces = {"", "x*(2-x)"};
  p.kind = 3;
  const DisplayList parabola = DrawScatterPlot(p, 0).picture;
  ASSERT_GE(parabola.points.size(), 400u);
  ASSERT_LE(parabola.points.size(), 401u);
  EXPECT_DOUBLE_EQ(std::max_element(parabola.points.begin(), parabola.points.end(),
                                    [](auto& a, auto& b) { return a.y < b.y; })
                       ->y,
                   1);
}

TEST(ScatterPlot, FaultsGiveAMessageAndEndTheHandOver) {
  // Nothing handed over: nothing drawn.
  PlotHandOver none;
  EXPECT_FALSE(DrawScatterPlot(none, 0).drawn);

  // Equal or decreasing ends would make the sweeps stand still or never start.
  for (auto [a, b] : {std::pair{1.0, 1.0}, std::pair{3.0, 1.0}}) {
    PlotHandOver p = Formula("x", a, b);
    const ScatterPlot plot = DrawScatterPlot(p, 0);
    EXPECT_EQ(plot.message, "第一个节点与最后一个节点相等或顺序颠倒，无法画图！");
    EXPECT_FALSE(plot.picture.hasView);
    EXPECT_EQ(p.kind, 0);
  }
  PlotHandOver reversed;
  reversed.nodes = {2, 1, 0};
  reversed.pieces = {"", "x", "x"};
  reversed.kind = 2;
  EXPECT_EQ(DrawScatterPlot(reversed, 0).message,
            "第一个节点与最后一个节点相等或顺序颠倒，无法画图！");
  // A piece far outside the range would need millions of points.
  PlotHandOver wild;
  wild.nodes = {0, 1e9, 1};
  wild.pieces = {"", "x", "x"};
  wild.kind = 2;
  EXPECT_EQ(DrawScatterPlot(wild, 0).message, "节点x没有按从小到大的顺序排列，无法画图！");

  // A malformed formula: the message, and no picture.
  PlotHandOver bad = Formula("(x+", 0, 1);
  const ScatterPlot malformed = DrawScatterPlot(bad, 0);
  EXPECT_EQ(malformed.message, "函数表达式有误！");
  EXPECT_TRUE(malformed.picture.Empty());
  EXPECT_EQ(bad.kind, 0);

  // A function that reaches an infinity (a zero node difference in a built formula) has no
  // frame: the overflow message, and no picture.
  PlotHandOver infinite = Formula("1/(x-x)", 0, 1);
  const ScatterPlot overflow = DrawScatterPlot(infinite, 0);
  EXPECT_EQ(overflow.message, "溢出");
  EXPECT_TRUE(overflow.picture.Empty());

  // A function that is 0 throughout still gets a picture around its axis.
  PlotHandOver zero = Formula("0*x", 0, 1);
  const DisplayList flat = DrawScatterPlot(zero, 0).picture;
  EXPECT_EQ(flat.top, 1);
  EXPECT_EQ(flat.bottom, -1);
}

}  // namespace
}  // namespace tessaly
