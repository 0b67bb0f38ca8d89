// The platform-free worksheet rules: the Delete range, the splitter limits and the pane
// text of a report.
#include <gtest/gtest.h>

#include "common/text_encoding.h"
#include "common/file_text.h"
#include "worksheet/worksheet_rules.h"

namespace tessaly {
namespace {

TEST(DeleteRange, CaretSelectionAndLineBreaks) {
  const std::u16string text = u"ab\r\ncd";
  auto range = DeleteRange(text, 0, 0, 6);
  ASSERT_TRUE(range);
  EXPECT_EQ(range->start, 0);
  EXPECT_EQ(range->length, 1);
  // A carriage return takes its line feed with it.
  range = DeleteRange(text, 2, 0, 6);
  ASSERT_TRUE(range);
  EXPECT_EQ(range->length, 2);
  // A selection goes as it is, a line break in it included.
  range = DeleteRange(text, 1, 3, 6);
  ASSERT_TRUE(range);
  EXPECT_EQ(range->start, 1);
  EXPECT_EQ(range->length, 3);
  // Nothing at the end of the focused text; nothing past the end of the input.
  EXPECT_FALSE(DeleteRange(text, 6, 0, 6));
  EXPECT_FALSE(DeleteRange(text, 6, 0, 10));
  // The length compared is that of the focused pane: with the result pane focused and as
  // long as the caret's position, nothing happens.
  EXPECT_FALSE(DeleteRange(text, 3, 0, 3));
  // A CR at the very end has no LF to take.
  range = DeleteRange(u"ab\r", 2, 0, 3);
  ASSERT_TRUE(range);
  EXPECT_EQ(range->length, 1);
}

TEST(SplitterClamps, BoundariesStay) {
  // Exactly at a limit nothing moves; the window tests cover the clamping itself.
  EXPECT_EQ(ClampSplitPosition(1500, 9000), 1500);
  EXPECT_EQ(ClampSplitPosition(7500, 9000), 7500);
  EXPECT_EQ(ClampGhostBarVertical(4950, 6000, 300), 4950);
  EXPECT_EQ(SnapOuterSize(3000, 3000), 3000);
  EXPECT_EQ(SnapOuterSize(2999, 3000), 3500);
}

TEST(PaneText, ReportsSurviveTheEditorAndBack) {
  EXPECT_EQ(PaneTextFromReport("a\r\nb\rc\nd"), "a\nb\nc\nd");
  for (const char* report : {"", "x\r\n", "a\r\n\r\nb", "\r\n\r\n"})
    EXPECT_EQ(ToCrLf(PaneTextFromReport(report)), report);
  EXPECT_EQ(FirstLine("x^2-2\r\nrest"), "x^2-2");
  EXPECT_EQ(FirstLine("x\rrest"), "x");
  EXPECT_EQ(FirstLine("only"), "only");
  EXPECT_EQ(FirstLine(""), "");
}

TEST(PaneText, FileOpenFillsTheInputPaneAsTheWindowDoes) {
  // The one-line pane takes the first line, decoded on its own: the GBK bytes of the second
  // line do not turn the UTF-8 first line into GB18030.
  const std::string bytes = "\xe4\xb8\x80x\r\n\xd2\xbb\n";
  EXPECT_EQ(FirstLineOfFile(bytes), "\xe4\xb8\x80x");
  EXPECT_EQ(InputTextFromFile("Ultra", bytes), "\xe4\xb8\x80x");
  EXPECT_EQ(InputTextFromFile("Ultra", "x^2-2\rx"), "x^2-2");
  EXPECT_EQ(InputTextFromFile("Ultra", ""), "");
  // The other windows take the whole text, line breaks as CR LF.
  EXPECT_EQ(InputTextFromFile("LinearFrm", "1 2\n3 4\n"), "1 2\r\n3 4\r\n");
  EXPECT_TRUE(HasOneLineInput("Ultra"));
  EXPECT_FALSE(HasOneLineInput("InsertValue"));
  // The method menu: blanks alone keep it disabled; a line break is not a blank.
  EXPECT_FALSE(MethodMenuEnabled(""));
  EXPECT_FALSE(MethodMenuEnabled("   "));
  EXPECT_TRUE(MethodMenuEnabled(" x "));
  EXPECT_TRUE(MethodMenuEnabled("\r\n"));
}

}  // namespace
}  // namespace tessaly
