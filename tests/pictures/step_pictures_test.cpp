// The steps the root-finding methods record, and the pictures drawn from them, as data.
#include <gtest/gtest.h>

#include <cmath>

#include "pictures/root_pictures.h"
#include "pictures/step_record.h"
#include "pictures/ticks.h"
#include "roots/roots_test_support.h"

namespace tessaly {
namespace {

using testing::RunUltra;
using Segment = std::array<double, 4>;

// The lines of one colour, as (x1, y1, x2, y2).
std::vector<Segment> LinesOf(const DisplayList& d, Rgb colour) {
  std::vector<Segment> out;
  for (const PlotLine& l : d.lines)
    if (l.colour == colour) out.push_back({l.x1, l.y1, l.x2, l.y2});
  return out;
}

constexpr Rgb kPath = 0xe08a3c, kHighlight = 0xd62728;

TEST(StepPictures, RecordingLeavesEveryReportAsItWasAndPointsAtEachStepsLine) {
  struct Case {
    const char* item;
    const char* formula;
    std::vector<std::string> answers;
    StepMethod method;
  };
  const Case cases[] = {
      {"CalculateDichotomy", "x^2-2", {"1", "2", "0.001"}, StepMethod::Bisection},
      {"CalculateIterative", "x^3-x-1", {"(x+1)^(1/3)", "1.5", "0.00001"}, StepMethod::FixedPoint},
      {"IterativeSpeedUp", "x^3-x-1", {"(x+1)^(1/3)", "1.5", "0.45", "0.0001"},
       StepMethod::FixedPointSpeedUp},
      {"CalculateAitken", "x-cos(x)", {"cos(x)", "0.5", "0.0001"}, StepMethod::Aitken},
      {"CalculateNewton", "x^2-2", {"2*x", "1", "0.000001"}, StepMethod::Newton},
      {"CalculateXianJie", "x^2-2", {"1", "2", "0.0001", "0.0001"}, StepMethod::Secant},
  };
  for (const Case& c : cases) {
    StepRecord record;
    const std::string plain = RunUltra(c.item, c.formula, c.answers, "earlier\r\n").report;
    const std::string recorded =
        RunUltra(c.item, c.formula, c.answers, "earlier\r\n", &record).report;
    EXPECT_EQ(recorded, plain) << c.item;
    EXPECT_EQ(record.method, c.method) << c.item;
    EXPECT_TRUE(record.settled) << c.item;
    ASSERT_GE(record.steps.size(), 2u) << c.item;
    for (size_t k = 1; k <= record.steps.size(); ++k) {
      const std::string at = recorded.substr(record.steps[k - 1].reportOffset, 6);
      EXPECT_EQ(at.rfind(" x" + std::to_string(k), 0), 0u) << c.item << " step " << k;
      EXPECT_TRUE(std::isfinite(record.steps[k - 1].x));
    }
  }
}

TEST(StepPictures, BisectionBarsAreTheNestedIntervals) {
  StepRecord r;
  RunUltra("CalculateDichotomy", "x^2-2", {"1", "2", "0.1"}, {}, &r);
  ASSERT_EQ(r.steps.size(), 4u);
  const DisplayList d = DrawStepPicture(r, {.shown = 3});
  std::vector<std::array<double, 2>> bars;
  for (const PlotRect& b : d.rects) bars.push_back({b.x1, b.x2});
  const std::vector<std::array<double, 2>> nested = {{1, 2}, {1, 1.5}, {1.25, 1.5}};
  EXPECT_EQ(bars, nested);
  EXPECT_EQ(d.rects.back().colour, 0x3a78c2u);  // step 3 highlighted
  // The midpoints marked on the axis, the root found (1.4375, after step 4) ringed.
  std::vector<double> onAxis;
  for (const PlotMark& m : d.marks)
    if (m.y == 0) onAxis.push_back(m.x);
  EXPECT_EQ(onAxis, (std::vector<double>{1.5, 1.25, 1.375, 1.4375}));
}

TEST(StepPictures, CobwebPathAndNewtonTangents) {
  StepRecord cobweb;
  RunUltra("CalculateIterative", "x-cos(x)", {"cos(x)", "1", "0.1"}, {}, &cobweb);
  ASSERT_EQ(cobweb.steps.size(), 5u);
  const double x1 = cobweb.steps[0].x, x2 = cobweb.steps[1].x;
  EXPECT_NEAR(x2, std::cos(std::cos(1.0)), 1e-14);
  DisplayList d = DrawStepPicture(cobweb, {.shown = 2});
  EXPECT_EQ(LinesOf(d, kPath), (std::vector<Segment>{{1, 1, 1, x1}, {1, x1, x1, x1}}));
  EXPECT_EQ(LinesOf(d, kHighlight), (std::vector<Segment>{{x1, x1, x1, x2}, {x1, x2, x2, x2}}));

  StepRecord newton;
  RunUltra("CalculateNewton", "x^2-2", {"2*x", "1", "0.001"}, {}, &newton);
  d = DrawStepPicture(newton, {.shown = 2});
  std::vector<Segment> expected;
  for (int k = 0; k < 2; ++k) {
    const IterationStep& s = newton.steps[k];
    expected.push_back({s.from, s.from * s.from - 2, s.x, 0});
  }
  EXPECT_EQ(newton.steps[0].x, 1.5);
  std::vector<Segment> tangents = LinesOf(d, kPath);
  const std::vector<Segment> highlighted = LinesOf(d, kHighlight);
  tangents.push_back(highlighted.front());
  EXPECT_EQ(tangents, expected);
}

TEST(StepPictures, OverflowMalformedAndEmptyRecordsSaySo) {
  StepRecord r;
  r.Begin(StepMethod::Newton, "x^2-2", 1);
  IterationStep s;
  s.from = 1, s.fFrom = -1, s.slope = 2, s.x = 1.5, s.fx = 0.25;
  r.Add(s, 0);
  s.from = 1.5, s.fFrom = 0.25, s.slope = 0, s.x = INFINITY, s.fx = NAN;
  r.Add(s, 10);
  r.Add(s, 20);
  EXPECT_EQ(StepPictureNotes(r, 3), (std::vector<std::string>{"第 2、3 步的值溢出，未画出"}));
  const ViewBox fitted = FitStepView(r, 3);
  EXPECT_TRUE(std::isfinite(fitted.left) && std::isfinite(fitted.right));
  EXPECT_LT(fitted.right, 2);  // the overflowed steps left out of the range
  const DisplayList d = DrawStepPicture(r, {.shown = 3});
  EXPECT_EQ(d.texts.back().text, "第 2、3 步的值溢出，未画出");
  for (const PlotLine& l : d.lines) EXPECT_TRUE(std::isfinite(l.x2)) << l.x1;

  for (int k = 4; k <= 12; ++k) r.Add(s, 30);
  EXPECT_EQ(StepPictureNotes(r, 12)[0],
            "第 2、3、4、5、6、7、8、9、…、12 步（共 11 步）的值溢出，未画出");

  r.curve = "sin(";  // a formula the evaluator cannot read: nothing drawn but the frame
  EXPECT_EQ(StepPictureNotes(r, 1), (std::vector<std::string>{"函数表达式无法计算，没有画出图形。"}));
  EXPECT_TRUE(DrawStepPicture(r, {.shown = 1}).marks.empty());

  StepRecord none;
  EXPECT_EQ(StepPictureNotes(none, 1), (std::vector<std::string>{"没有记录到迭代步骤。"}));
  EXPECT_EQ(DrawStepPicture(none, {.shown = 1}).texts.back().text, "没有记录到迭代步骤。");
}

TEST(StepPictures, TicksAreRoundAndDecadesThinned) {
  struct Case {
    double lo, hi;
    int target;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {0, 1, 5, {"0", "0.2", "0.4", "0.6", "0.8", "1"}},
      {-0.07, 0.12, 4, {"-0.05", "0", "0.05", "0.1"}},
      {1.3, 1.55, 5, {"1.3", "1.35", "1.4", "1.45", "1.5", "1.55"}},
      {-3e7, 2e7, 5, {"-30000000", "-20000000", "-10000000", "0", "10000000", "20000000"}},
      {5, 5, 5, {}},
  };
  for (const Case& c : cases) {
    const RoundTicks t = MakeRoundTicks(c.lo, c.hi, c.target);
    std::vector<std::string> labels;
    for (double v : t.values) labels.push_back(TickText(v, t.step));
    EXPECT_EQ(labels, c.labels) << c.lo << " .. " << c.hi;
  }
  EXPECT_EQ(MakeDecadeTicks(-8.5, -0.2, 10), (std::vector<int>{-8, -7, -6, -5, -4, -3, -2, -1}));
  EXPECT_EQ(MakeDecadeTicks(-16, 0, 5), (std::vector<int>{-15, -10, -5, 0}));
  EXPECT_EQ(DecadeText(-5) + " " + DecadeText(0) + " " + DecadeText(2), "1E-05 1 100");
}

}  // namespace
}  // namespace tessaly
