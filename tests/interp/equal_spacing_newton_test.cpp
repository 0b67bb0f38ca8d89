// Newton's forward and backward formulas. For 0, 1, 2, 3 -> 1, 2, 4, 8 the differences at
// the head are 1, 1, 1 (coefficients 1, 1/2, 1/6) and at the tail 4, 2, 1 (4, 1, 1/6).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "interp/interp_test_support.h"

namespace tessaly {
namespace {

using testing::Echo;
using testing::Row;
using testing::RunInsertValue;

const std::string kPowers = "0 1 2 3\r\n1 2 4 8";

std::string PowersTable(const char* degreePhrase) {
  return Echo({Row({"0", "1", "2", "3"}), Row({"1", "2", "4", "8"})}) +
         "\r\n"
         "差分表输出如下：\r\n"
         "                    X(i)                    Y(i)                1 阶差分                "
         "2 阶差分"
         "                3 阶差分\r\n"
         "                       0                       1\r\n"
         "                       1                       2                       1\r\n"
         "                       2                       4                       2                 "
         "      1\r\n"
         "                       3                       8                       4                 "
         "      2"
         "                       1\r\n"
         "\r\n"
         "得出 3 " +
         std::string(degreePhrase) + "\r\n";
}

// clang-format off

TEST(EqualSpacingNewton, ForwardAndBackwardAgree) {
  auto forward = RunInsertValue("cINPreNewton", kPowers, {"1.5", "yes"});
  EXPECT_EQ(forward.report, PowersTable("次牛顿向前插值多项式为：") +
            " N(x)=1+1*(x-0)+0.5*(x-0)*(x-1)+0.166666666666667*(x-0)*(x-1)*(x-2)\r\n"
            "\r\n"
            "函数式 F(x) 在  x=1.5 的近似值为：\r\n"
            " N(1.5)=2.8125\r\n");
  ASSERT_FALSE(forward.shown.empty());
  EXPECT_EQ(forward.shown[0].title, "牛顿前插公式");
  EXPECT_EQ(forward.shown[0].defaultText, "0");
  EXPECT_EQ(forward.shown[0].text,
            "想要求出f(x)在x=？处的近似值吗(牛顿前插公式计算表头值比较准确)？\r\n"
            "如果要，请输入 x 的值，然后单击确定\r\n如果不需要，单击取消退出。");
  EXPECT_EQ(forward.plot.kind, 1);
  EXPECT_EQ(forward.plot.xMin, 0);
  EXPECT_EQ(forward.plot.xMax, 3);

  auto backward = RunInsertValue("cINPostNewton", kPowers, {" 1.5", "no"});
  EXPECT_EQ(backward.report, PowersTable("次牛顿向后插值多项式为：") +
            " N(x)=8+4*(x-3)+1*(x-3)*(x-2)+0.166666666666667*(x-3)*(x-2)*(x-1)\r\n"
            "\r\n"
            "函数式 F(x) 在  x=1.5 的近似值为：\r\n"
            " N(1.5)=2.8125\r\n");
  EXPECT_EQ(backward.shown[0].title, "牛顿后插公式");
  EXPECT_EQ(backward.shown[0].defaultText, "1");
}

// clang-format on

TEST(EqualSpacingNewton, OrderEightDividesByEightFactorial) {
  // x^8 on ten nodes spaced 0.5: the 8th difference is 8! h^8, so the order-8 coefficient
  // is exactly 1 and the order-9 one 0.
  std::string xs, ys;
  for (int i = 0; i < 10; ++i) {
    const double x = i * 0.5;
    char text[64];
    std::snprintf(text, sizeof text, "%.17g %.17g", x, std::pow(x, 8));
    const std::string pair = text;
    xs += pair.substr(0, pair.find(' ')) + " ";
    ys += pair.substr(pair.find(' ') + 1) + " ";
  }
  auto run = RunInsertValue("cINPreNewton", xs + "\r\n" + ys, {"", "no"});
  EXPECT_NE(run.report.find("+1*(x-0)*(x-0.5)*(x-1)*(x-1.5)*(x-2)*(x-2.5)*(x-3)*(x-3.5)+0*(x-0)"),
            std::string::npos);
}

TEST(EqualSpacingNewton, ZeroStepLeavesTheTermsOutAndSaysSo) {
  auto run = RunInsertValue("cINPreNewton", "1 1 2\r\n1 2 4", {"", "no"});
  EXPECT_NE(run.report.find(" N(x)=1\r\n"), std::string::npos);
  EXPECT_EQ(run.messages.front(),
            "函数表中有相同的节点x（或计算溢出），插值公式中有的系数无法算出，所得公式不可用！");
}

}  // namespace
}  // namespace tessaly
