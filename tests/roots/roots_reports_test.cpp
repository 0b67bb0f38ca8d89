// Whole reports of the Ultra methods. The expected numbers were derived apart from this
// code (a separate model evaluating with x rounded to 15 significant digits, and by hand
// for the simple steps: 1.5^2-2 = 0.25, 577/408 for Newton's third step, 58/41 for the
// secant's third).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "roots/roots_test_support.h"

namespace tessaly {
namespace {

using testing::RunUltra;

// Report lines are kept whole, one source line each.
// clang-format off

TEST(CalculateDichotomy, HalvesUntilValueOrWidthWithinPrecision) {
  // Blanks around the formula and the answers, a decorated formula and trailing text
  // after the numbers are all accepted.
  auto run = RunUltra("CalculateDichotomy", "  f(x)=x^2 - 2=0 ", {" 1", "2abc ", "1e-4x"});
  EXPECT_TRUE(run.messages.empty());
  EXPECT_EQ(run.report,
            " 初始隔根区间： [1  ,  2]       精度为：0.0001\r\n"
            "\r\n"
            " x1 = 1.5   f(x1)=0.25        隔根区间： [1  ,  1.5]\r\n"
            " x2 = 1.25   f(x2)=-0.4375        隔根区间： [1.25  ,  1.5]\r\n"
            " x3 = 1.375   f(x3)=-0.109375        隔根区间： [1.375  ,  1.5]\r\n"
            " x4 = 1.4375   f(x4)=0.06640625        隔根区间： [1.375  ,  1.4375]\r\n"
            " x5 = 1.40625   f(x5)=-0.0224609375        隔根区间： [1.40625  ,  1.4375]\r\n"
            " x6 = 1.421875   f(x6)=0.021728515625        隔根区间： [1.40625  ,  1.421875]\r\n"
            " x7 = 1.4140625   f(x7)=-0.00042724609375        隔根区间： [1.4140625  ,  1.421875]\r\n"
            " x8 = 1.41796875   f(x8)=0.0106353759765625        隔根区间： [1.4140625  ,  1.41796875]\r\n"
            " x9 = 1.416015625   f(x9)=0.00510025024414062        隔根区间： [1.4140625  ,  1.416015625]\r\n"
            " x10 = 1.4150390625   f(x10)=0.00233554840087891        隔根区间： [1.4140625  ,  1.4150390625]\r\n"
            " x11 = 1.41455078125   f(x11)=0.000953912734985352        隔根区间： [1.4140625  ,  1.41455078125]\r\n"
            " x12 = 1.414306640625   f(x12)=0.0002632737159729        隔根区间： [1.4140625  ,  1.414306640625]\r\n"
            " x13 = 1.4141845703125   f(x13)=-8.20010900497437E-05        隔根区间： [1.4141845703125  ,  1.414306640625]\r\n");
}

const std::string kNoSignChange = "初始区间两端的函数值同号，此区间内不一定有根，以上结果不可信！";

TEST(CalculateDichotomy, RunsWithoutSignChangeThenWarnsAfterTheLastLine) {
  // No sign change: the lower end moves up to the midpoint until the width test stops.
  // A width equal to the precision stops the run. f(0) = 1 and f(1) = 2 have one sign, so
  // a warning follows the report (OK button, warning icon, the application's title).
  auto noSign = RunUltra("CalculateDichotomy", "x^2+1", {"0", "1", "0.125"});
  EXPECT_EQ(noSign.report,
            " 初始隔根区间： [0  ,  1]       精度为：0.125\r\n"
            "\r\n"
            " x1 = 0.5   f(x1)=1.25        隔根区间： [0.5  ,  1]\r\n"
            " x2 = 0.75   f(x2)=1.5625        隔根区间： [0.75  ,  1]\r\n"
            " x3 = 0.875   f(x3)=1.765625        隔根区间： [0.875  ,  1]\r\n");
  EXPECT_EQ(noSign.messages, std::vector<std::string>{kNoSignChange});
  const ShownBox& box = noSign.shown.back();
  EXPECT_EQ(box.buttons, MsgButtons::Ok);
  EXPECT_EQ(box.icon, MsgIcon::Exclamation);
  EXPECT_EQ(box.title, "Tessaly v1.0");

  // Lower end above the upper end: b - a is negative after the first step. f(2) = 2 and
  // f(1) = -1 differ in sign: no warning.
  auto reversed = RunUltra("CalculateDichotomy", "x^2-2", {"2", "1", "0.0001"});
  EXPECT_EQ(reversed.report,
            " 初始隔根区间： [2  ,  1]       精度为：0.0001\r\n"
            "\r\n"
            " x1 = 1.5   f(x1)=0.25        隔根区间： [1.5  ,  1]\r\n");
  EXPECT_TRUE(reversed.messages.empty());

  // A zero or a non-finite value at a typed end is no evidence against a root: no warning.
  EXPECT_TRUE(RunUltra("CalculateDichotomy", "x^2-1", {"1", "3", "0.5"}).messages.empty());
  EXPECT_TRUE(RunUltra("CalculateDichotomy", "1/x+1", {"0", "1", "0.5"}).messages.empty());
  EXPECT_TRUE(RunUltra("CalculateDichotomy", "1/(x-1)+5", {"0", "1", "0.5"}).messages.empty());
}

TEST(CalculateDichotomy, GivesUpAfterStep101WithMessageAndNoSummary) {
  // f(0) = 1 and f(1) = 2: the warning comes after the give-up message.
  auto run = RunUltra("CalculateDichotomy", "x^2+1", {"0", "1", "-1"});
  EXPECT_EQ(run.messages, (std::vector<std::string>{"此区间在此精度下无根！", kNoSignChange}));
  ASSERT_EQ(run.lines.size(), 104u);  // header, blank, 101 steps, nothing after the last CR LF
  EXPECT_EQ(run.lines[102], " x101 = 1   f(x101)=2        隔根区间： [1  ,  1]");
  EXPECT_EQ(run.lines[103], "");
  EXPECT_EQ(run.shown.back().kind, ShownBox::Kind::Message);
}

TEST(CalculateDichotomy, FunctionOfAnInfiniteValueIsZero) {
  // sin(1/x) at the midpoint 0 is sin(infinity) = 0, within the precision at once.
  auto run = RunUltra("CalculateDichotomy", "sin(1/x)", {"-1", "1", "0.0001"});
  EXPECT_EQ(run.report,
            " 初始隔根区间： [-1  ,  1]       精度为：0.0001\r\n"
            "\r\n"
            " x1 = 0   f(x1)=0        隔根区间： [0  ,  1]\r\n");
  EXPECT_TRUE(run.messages.empty());
}

TEST(CalculateDichotomy, ChoosesTheHalfBySignsWhenTheProductOverflowsOrUnderflows) {
  // f(a) = 1E+200 and f(c) = 1.5E+200 have the same sign although their product
  // overflows: the lower end moves up.
  auto huge = RunUltra("CalculateDichotomy", "1e200*x", {"1", "2", "0.3"});
  EXPECT_EQ(huge.report,
            " 初始隔根区间： [1  ,  2]       精度为：0.3\r\n"
            "\r\n"
            " x1 = 1.5   f(x1)=1.5E+200        隔根区间： [1.5  ,  2]\r\n"
            " x2 = 1.75   f(x2)=1.75E+200        隔根区间： [1.75  ,  2]\r\n");
  // f(a) = -2E-201 and f(c) = 3E-201 differ in sign although their product underflows
  // to zero: the upper end moves down, keeping the root 1.2 inside.
  auto tiny = RunUltra("CalculateDichotomy", "(x-1.2)*1e-200", {"1", "2", "1e-300"});
  ASSERT_GE(tiny.lines.size(), 4u);
  EXPECT_EQ(tiny.lines[2].substr(tiny.lines[2].find("隔根区间")), "隔根区间： [1  ,  1.5]");
  EXPECT_EQ(tiny.lines[3].substr(tiny.lines[3].find("隔根区间")), "隔根区间： [1  ,  1.25]");
}

TEST(CalculateIterative, DivergingPhiWrites100StepsThenMessageThenSummary) {
  // x(i) = 2^(i+1) - 1 while exact; from 1E+15 on the iterate enters phi rounded to 15
  // significant digits. phi is shown as typed, inner blanks kept.
  auto run = RunUltra("CalculateIterative", "x+1", {" 2 * x+1 ", "1", "0.0001"},
                      "an earlier report that is replaced");
  EXPECT_EQ(run.messages, std::vector<std::string>{"此法不合适，可能是迭代方程式不收敛。"});
  ASSERT_EQ(run.lines.size(), 105u);  // 3 header lines, 100 steps, blank, summary
  EXPECT_EQ(run.lines[0], "函数方程式等价的迭代方程式为:2 * x+1    精度=0.0001");
  EXPECT_EQ(run.lines[2], " x0=1");
  EXPECT_EQ(run.lines[3], " x1 = 3  |x1-x0| = 2");
  EXPECT_EQ(run.lines[50], " x48 = 562949953421311  |x48-x47| = 281474976710656");
  EXPECT_EQ(run.lines[51], " x49 = 1.12589990684262E+15  |x49-x48| = 562949953421312");
  EXPECT_EQ(run.lines[52], " x50 = 2.25179981368524E+15  |x50-x49| = 1.12589990684262E+15");
  EXPECT_EQ(run.lines[102], " x100 = 2.53530120045644E+30  |x100-x99| = 1.26765060022822E+30");
  EXPECT_EQ(run.lines[103], "");
  EXPECT_EQ(run.lines[104], "迭代 100 次;   结果x= 2.53530120045644E+30    f(x)=2.53530120045644E+30");
}

TEST(IterativeSpeedUp, HalfFactorReachesTheFixedPointShowingCanonicalPhi) {
  // phi = 0.5x + 1 with q = 0.5: the accelerated value 2y - x0 is the fixed point 2 at
  // once, while the plain iterate halves its distance to 2 at each step.
  auto run = RunUltra("IterativeSpeedUp", "x-2", {"0.5*x+1", "0", "0.5", "0.0001"});
  EXPECT_TRUE(run.messages.empty());
  EXPECT_EQ(run.report,
            "函数方程式的迭代方程式: 0.5*x++1    初值x0=0    精度e=0.0001    迭代的因子q=0.5\r\n"
            "\r\n"
            " x11=1       x12=2     |x1-x0|=1\r\n"
            " x21=1.5       x22=2     |x2-x1|=0.5\r\n"
            " x31=1.75       x32=2     |x3-x2|=0.25\r\n"
            " x41=1.875       x42=2     |x4-x3|=0.125\r\n"
            " x51=1.9375       x52=2     |x5-x4|=0.0625\r\n"
            " x61=1.96875       x62=2     |x6-x5|=0.03125\r\n"
            " x71=1.984375       x72=2     |x7-x6|=0.015625\r\n"
            " x81=1.9921875       x82=2     |x8-x7|=0.0078125\r\n"
            " x91=1.99609375       x92=2     |x9-x8|=0.00390625\r\n"
            " x101=1.998046875       x102=2     |x10-x9|=0.001953125\r\n"
            " x111=1.9990234375       x112=2     |x11-x10|=0.0009765625\r\n"
            " x121=1.99951171875       x122=2     |x12-x11|=0.00048828125\r\n"
            " x131=1.999755859375       x132=2     |x13-x12|=0.000244140625\r\n"
            " x141=1.9998779296875       x142=2     |x14-x13|=0.0001220703125\r\n"
            " x151=1.99993896484375       x152=2     |x15-x14|=6.103515625E-05\r\n"
            "\r\n"
            "迭代15次   解x=2     f(x)=0");
}

TEST(IterativeSpeedUp, StopsAfter50StepsWithMessageThenSummary) {
  auto run = RunUltra("IterativeSpeedUp", "x+1", {"2*x+1", "1", "0.5", "0.0001"});
  EXPECT_EQ(run.messages, std::vector<std::string>{"本方法在此初值、精度下无根！"});
  ASSERT_EQ(run.lines.size(), 54u);
  EXPECT_EQ(run.lines[2], " x11=3       x12=5     |x1-x0|=2");
  EXPECT_EQ(run.lines[51],
            " x501=2.25179981368524E+15       x502=3.37769972052786E+15     |x50-x49|=1.12589990684262E+15");
  EXPECT_EQ(run.lines[53], "迭代50次   解x=3.37769972052786E+15     f(x)=3.37769972052786E+15");
}

TEST(CalculateAitken, CosineConvergesInFourSteps) {
  auto run = RunUltra("CalculateAitken", "x-cos(x)", {"cos(x)", "0", "0.0001"});
  EXPECT_TRUE(run.messages.empty());
  EXPECT_EQ(run.report,
            "函数方程式迭代的方程式: cos(x)    初值x0=0    精度e=0.0001\r\n"
            "\r\n"
            " x11=1     x12=0.54030230586814     x1=0.685073357326045     |x1-x0|=0.685073357326045\r\n"
            " x21=0.774372633807905     x22=0.714859871642984     x2=0.738660156167713     |x2-x1|=0.0535867988416683\r\n"
            " x31=0.739371336116416     x32=0.738892313230712     x3=0.739085106356699     |x3-x2|=0.000424950188985918\r\n"
            " x41=0.739085151307343     x42=0.739085121028049     x4=0.739085133239188     |x4-x3|=2.68824884575025E-08\r\n"
            "\r\n"
            "迭代4次   解x=0.739085133239188     f(x)=4.02124999965281E-11");
}

TEST(CalculateNewton, ConvergesOnXSquaredMinusTwo) {
  auto run = RunUltra("CalculateNewton", "x^2-2", {"2*x", "1", "0.0001"}, "earlier");
  EXPECT_TRUE(run.messages.empty());
  EXPECT_EQ(run.report,
            "方程的导数方程式: 2*x      初值x0 = 1      计算精度 0.0001\r\n"
            "\r\n"
            " x1=1.5    f(x1)=0.25    |x1-x0|=0.5\r\n"
            " x2=1.41666666666667    f(x2)=0.00694444444445397    |x2-x1|=0.0833333333333333\r\n"
            " x3=1.41421568627451    f(x3)=6.00730488375945E-06    |x3-x2|=0.00245098039216018\r\n"
            "\r\n"
            " x=1.41421568627451    f(x)=6.00730488375945E-06");

  // An exact root meets a zero precision.
  auto exact = RunUltra("CalculateNewton", "x-1", {"1", "3", "0"});
  EXPECT_EQ(exact.report,
            "方程的导数方程式: 1      初值x0 = 3      计算精度 0\r\n"
            "\r\n"
            " x1=1    f(x1)=0    |x1-x0|=2\r\n"
            "\r\n"
            " x=1    f(x)=0");
}

TEST(CalculateNewton, ZeroDerivativeFailsAtFirstStepWithZeroSummary) {
  auto run = RunUltra("CalculateNewton", "x^2-2", {"0", "0", "0.0001"});
  EXPECT_EQ(run.messages, std::vector<std::string>{"方法失败，在此精度下无根！"});
  EXPECT_EQ(run.report,
            "方程的导数方程式: 0      初值x0 = 0      计算精度 0.0001\r\n"
            "\r\n"
            "\r\n"
            " x=0    f(x)=0");
}

TEST(CalculateNewton, GivesUpAt101WithSummaryOfStep100) {
  // A precision that can never be met: the iterate settles at the root, alternating
  // between its two nearest 15-digit values.
  auto run = RunUltra("CalculateNewton", "x^2-2", {"2*x", "1", "-1"});
  EXPECT_EQ(run.messages, std::vector<std::string>{"方法失败，在此精度下无根！"});
  ASSERT_EQ(run.lines.size(), 104u);
  EXPECT_EQ(run.lines[6],
            " x5=1.41421356237309    f(x5)=-1.4210854715202E-14    |x5-x4|=1.5949463971765E-12");
  EXPECT_EQ(run.lines[101],
            " x100=1.4142135623731    f(x100)=1.4210854715202E-14    |x100-x99|=5.10702591327572E-15");
  EXPECT_EQ(run.lines[102], "");
  EXPECT_EQ(run.lines[103], " x=1.4142135623731    f(x)=1.4210854715202E-14");
}

TEST(CalculateXianJie, ConvergesOnXSquaredMinusTwo) {
  auto run = RunUltra("CalculateXianJie", "x^2-2", {"1", "2", "0.0001", "0.0001"});
  EXPECT_TRUE(run.messages.empty());
  EXPECT_EQ(run.report,
            " 区间:[1  ,  2]        函数值精度 0.0001   根迭代精度 0.0001\r\n"
            "\r\n"
            " x1=1.33333333333333    f(x1)=-0.222222222222231\r\n"
            " x2=1.4    f(x2)=-0.0400000000000003\r\n"
            " x3=1.41463414634147    f(x3)=0.00118976799525949\r\n"
            " x4=1.41421143847487    f(x4)=-6.00728683886054E-06\r\n"
            "\r\n"
            "迭代4次   解x=1.41421143847487     f(x)=-6.00728683886054E-06");
}

TEST(CalculateXianJie, GivesUpAfterStep101WithMessageThenSummary) {
  // x^2+1 has no real root: the chords wander for 101 steps.
  auto run = RunUltra("CalculateXianJie", "x^2+1", {"0", "0.5", "0.0001", "0.0001"});
  EXPECT_EQ(run.messages, std::vector<std::string>{"方法失败，或许在此精度下无根！"});
  ASSERT_EQ(run.lines.size(), 105u);
  EXPECT_EQ(run.lines[2], " x1=-2    f(x1)=5");
  EXPECT_EQ(run.lines[3], " x2=1.33333333333333    f(x2)=2.77777777777777");
  EXPECT_EQ(run.lines[102], " x101=255.952617791258    f(x101)=65512.7425541978");
  EXPECT_EQ(run.lines[103], "");
  EXPECT_EQ(run.lines[104], "迭代101次   解x=255.952617791258     f(x)=65512.7425541978");
}

TEST(UltraMethods, ZeroDenominatorsCarryOnAsNonFiniteValuesUntilTheCap) {
  // phi(x) = x: x0 is already fixed, so Aitken's denominator is 0 and its value 0/0.
  auto aitken = RunUltra("CalculateAitken", "x-1", {"x", "1", "0.0001"});
  EXPECT_EQ(aitken.messages, std::vector<std::string>{"本方法在此初值、精度下无根！"});
  ASSERT_EQ(aitken.lines.size(), 104u);
  EXPECT_EQ(aitken.lines[2], " x11=1     x12=1     x1=NaN     |x1-x0|=NaN");
  EXPECT_EQ(aitken.lines[103].rfind("迭代100次   解x=NaN     f(x)=", 0), 0u) << aitken.lines[103];

  // Equal function values at both ends: the first secant point is minus infinity.
  auto secant = RunUltra("CalculateXianJie", "x^2+1", {"-1", "1", "0.0001", "0.0001"});
  EXPECT_EQ(secant.messages, std::vector<std::string>{"方法失败，或许在此精度下无根！"});
  ASSERT_EQ(secant.lines.size(), 105u);
  EXPECT_EQ(secant.lines[2].rfind(" x1=-Infinity    f(x1)=", 0), 0u) << secant.lines[2];
  EXPECT_EQ(secant.lines[104].rfind("迭代101次   解x=", 0), 0u) << secant.lines[104];
}

// clang-format on

}  // namespace
}  // namespace tessaly
