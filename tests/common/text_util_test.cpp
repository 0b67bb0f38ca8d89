#include "common/text_encoding.h"
#include "common/text_util.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(TextUtil, TrimTouchesBlanksOnly) {
  EXPECT_EQ(TrimBlanks("  x^2 "), "x^2");
  EXPECT_EQ(TrimBlanks(" \tx\r\n "), "\tx\r\n");
  EXPECT_EQ(TrimBlanks("   "), "");
}

TEST(TextUtil, ReplaceIsOneLeftToRightPass) {
  EXPECT_EQ(ReplaceAll("#####", "##", "#"), "###");
  EXPECT_EQ(ReplaceAll("a,,,b", ",,", ","), "a,,b");
  EXPECT_EQ(ReplaceAll("xx", "x", "(x)"), "(x)(x)");
  EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
}

TEST(TextUtil, CharCountCountsCodePointsAcrossWordBoundaries) {
  // Every prefix of a mixed text that ends between characters, so that two-, three- and
  // four-byte characters straddle the eight-byte words the count reads.
  const std::string text = "X(n)欧拉公式Y(n)é€𝄞 Euler预估-校正公式Y(n)";
  size_t at = 0, characters = 0;
  while (at < text.size()) {
    EXPECT_EQ(CharCount(std::string_view(text).substr(0, at)), characters);
    const unsigned char lead = text[at];
    at += lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    ++characters;
  }
  EXPECT_EQ(CharCount(text), 32u);
  EXPECT_EQ(characters, 32u);
}

TEST(TextEncoding, Utf8IsKeptAndOtherBytesAreGb18030) {
  EXPECT_EQ(DecodeWorksheetBytes("1 2\r\n"), "1 2\r\n");
  EXPECT_EQ(DecodeWorksheetBytes("\xEF\xBB\xBFx^2-2"), "x^2-2");
  // "中文" in GB18030.
  EXPECT_EQ(DecodeWorksheetBytes("\xD6\xD0\xCE\xC4"), "中文");
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));  // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_TRUE(IsValidUtf8("根"));
}

TEST(TextEncoding, LineBreaksBecomeCrLf) {
  EXPECT_EQ(ToCrLf("1 2\n3 4\n"), "1 2\r\n3 4\r\n");
  EXPECT_EQ(ToCrLf("a\r\nb\rc"), "a\r\nb\r\nc");
}

}  // namespace
}  // namespace tessaly
