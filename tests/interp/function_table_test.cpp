// The function table readers, their echo, and the check every method makes on a table.
#include "interp/function_table.h"

#include <gtest/gtest.h>

#include "interp/interp_test_support.h"

namespace tessaly {
namespace {

using testing::Echo;
using testing::Row;
using testing::RunInsertValue;

using Values = std::vector<double>;

TEST(ParseFunctionTable, SeparatorsBlankLinesAndEcho) {
  const FunctionTable plain = ParseFunctionTable("1 2 3\r\n4 5 6");
  EXPECT_EQ(plain.x, (Values{1, 2, 3}));
  EXPECT_EQ(plain.y, (Values{4, 5, 6}));
  EXPECT_EQ(plain.echo, Echo({Row({"1", "2", "3"}), Row({"4", "5", "6"})}));

  // Runs of blanks and single commas separate alike; blank lines before, between and
  // after the rows, blanks at the ends of rows, lone CR and LF line ends, and rows after
  // the second are all ignored.
  const FunctionTable spaced = ParseFunctionTable("\r\n   \r\n  1      2,3   \n\n\r4,5" +
                                                  std::string(40, ' ') + "6 \r\n7 8 9\r\n");
  EXPECT_EQ(spaced.x, plain.x);
  EXPECT_EQ(spaced.y, plain.y);
  // A tab typed between entries separates them like a blank.
  const FunctionTable tabbed = ParseFunctionTable("\t1\t2 \t3\t\r\n4\t\t5,6");
  EXPECT_EQ(tabbed.x, plain.x);
  EXPECT_EQ(tabbed.y, plain.y);

  // A comma next to a blank leaves an empty entry between them; entries are constant
  // formulas and the echo shows plain number texts, exponent forms included.
  const FunctionTable mixed = ParseFunctionTable("1, 2\r\n1/4 2^3 -1e-5");
  EXPECT_EQ(mixed.x, (Values{1, 0, 2}));
  EXPECT_EQ(mixed.y, (Values{0.25, 8, -1e-5}));
  EXPECT_EQ(mixed.echo, Echo({Row({"1", "0", "2"}), Row({"0.25", "8", "-1E-05"})}));
}

TEST(ParseFunctionTable, HermiteRowsAndMissingRows) {
  const FunctionTable t = ParseHermiteTable("0 1 2\r\n\r\n0 1 4\r\n0 2 4\r\n9 9 9");
  EXPECT_EQ(t.d, (Values{0, 2, 4}));
  EXPECT_EQ(t.echo, Echo({Row({"0", "1", "2"}), Row({"0", "1", "4"}), Row({"0", "2", "4"})}));
  EXPECT_TRUE(TableFits(t, 3, true));

  // A row that is not there has no entries; its echo line is empty.
  const FunctionTable short_ = ParseHermiteTable("0 1 2\r\n0 1 4");
  EXPECT_TRUE(short_.d.empty());
  EXPECT_EQ(short_.echo, Echo({Row({"0", "1", "2"}), Row({"0", "1", "4"}), ""}));
  EXPECT_FALSE(TableFits(short_, 3, true));
  EXPECT_TRUE(TableFits(short_, 3, false));
}

TEST(TableCheck, RefusesUnequalRowsAndTooFewPointsWithThePaneCleared) {
  const std::string message = "函数表中，变量x与函数值f(x)没有一一对应或少于两组，请重新输入！";
  // Rows of different length: the message, an empty result pane, nothing asked.
  auto uneven = RunInsertValue("cLagrangeInsert", "1 2 3\r\n4 5", {"1"}, "earlier report\r\n");
  EXPECT_EQ(uneven.report, "");
  EXPECT_EQ(uneven.messages, std::vector<std::string>{message});
  EXPECT_EQ(uneven.shown.size(), 1u);

  // Two points: refused by every method but the piecewise linear one (and the linear one,
  // which reads its own table).
  for (const char* item : {"cParabolaInsert", "cSubsectionPInS", "cLagrangeInsert", "cNewtonInsert",
                           "cINPreNewton", "cINPostNewton"}) {
    auto two = RunInsertValue(item, "1 2\r\n4 5", {"1", "no"}, "earlier\r\n");
    EXPECT_EQ(two.report, "") << item;
    EXPECT_EQ(two.messages, std::vector<std::string>{message}) << item;
  }
  auto hermite = RunInsertValue("cHermite", "1 2 3\r\n4 5 6\r\n7 8", {}, "earlier\r\n");
  EXPECT_EQ(hermite.report, "");
  EXPECT_EQ(hermite.messages,
            std::vector<std::string>{
                "函数表中，变量x与函数值f(x)、导数值没有一一对应或少于两组，请重新输入！"});
  for (const char* item : {"cSubsectionLInS", "cLinerInsert"}) {
    auto two = RunInsertValue(item, "1 2\r\n4 5", {"", "no"});
    EXPECT_NE(two.report, "") << item;
    EXPECT_EQ(two.messages, std::vector<std::string>{"是否要画出该插值函数的散点图的图形？"})
        << item;
  }
}

}  // namespace
}  // namespace tessaly
