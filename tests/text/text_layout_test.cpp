// Line layout of DrawText: prefixes, line breaks and word wrapping, measured
// with a fixed advance so that the break positions are exact.
#include "text/text_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace glavo::text {
namespace {

// Every character is 10 pixels wide, a space 5.
int FixedAdvance(char32_t c) { return c == U' ' ? 5 : 10; }

std::vector<TextChar> Plain(std::u32string_view s) { return ApplyPrefixes(s, true); }

std::u32string TextOf(const TextLine& line) {
  std::u32string out;
  for (const auto& c : line.chars) out.push_back(c.code);
  return out;
}

std::vector<std::u32string> Wrap(std::u32string_view s, int width, bool wordBreak = true) {
  std::vector<std::u32string> out;
  for (const auto& line : LayoutLines(Plain(s), false, wordBreak, width, FixedAdvance))
    out.push_back(TextOf(line));
  return out;
}

using Lines = std::vector<std::u32string>;

TEST(TextUtf16, DecodesPairsAndReplacesLoneSurrogates) {
  EXPECT_EQ(DecodeUtf16(u"a\u0445"), U"a\u0445");
  EXPECT_EQ(DecodeUtf16(u"\U0001F600"), U"\U0001F600");
  const std::u16string lone{u'x', char16_t(0xD800), u'y', char16_t(0xDC00)};
  EXPECT_EQ(DecodeUtf16(lone), U"x\uFFFDy\uFFFD");
  const std::u16string reversed{char16_t(0xDC00), char16_t(0xD800)};
  EXPECT_EQ(DecodeUtf16(reversed), U"\uFFFD\uFFFD");
  EXPECT_TRUE(DecodeUtf16(u"").empty());
}

TEST(TextPrefix, AmpersandRules) {
  const auto chars = ApplyPrefixes(U"&File && Save&", false);
  std::u32string text;
  for (const auto& c : chars) text.push_back(c.code);
  EXPECT_EQ(text, U"File & Save");
  ASSERT_EQ(chars.size(), 11u);
  EXPECT_TRUE(chars[0].underlined);
  for (std::size_t i = 1; i < chars.size(); ++i) EXPECT_FALSE(chars[i].underlined) << i;
}

TEST(TextPrefix, NoPrefixKeepsAmpersands) {
  const auto chars = ApplyPrefixes(U"a&b&&", true);
  ASSERT_EQ(chars.size(), 5u);
  for (const auto& c : chars) EXPECT_FALSE(c.underlined);
  EXPECT_EQ(chars[1].code, U'&');
}

TEST(TextLines, HardBreaksCrLfAndCrlf) {
  EXPECT_EQ(Wrap(U"a\rb\nc\r\nd", 1000, false), (Lines{U"a", U"b", U"c", U"d"}));
  EXPECT_EQ(Wrap(U"a\n\nb", 1000, false), (Lines{U"a", U"", U"b"}));
  EXPECT_EQ(Wrap(U"a\r\n", 1000, false), (Lines{U"a"}));
  EXPECT_EQ(Wrap(U"\n\r", 1000, false), (Lines{U"", U""}));
}

TEST(TextLines, SingleLineDropsBreaks) {
  const auto lines = LayoutLines(Plain(U"ab\r\ncd"), true, true, 15, FixedAdvance);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(TextOf(lines[0]), U"abcd");
  EXPECT_EQ(lines[0].width, 40);
}

TEST(TextLines, WordBreakFillsEachLine) {
  // "aa bb cc": aa=20, " bb" = 25 more, " cc" = 25 more.
  EXPECT_EQ(Wrap(U"aa bb cc", 45), (Lines{U"aa bb", U"cc"}));
  EXPECT_EQ(Wrap(U"aa bb cc", 44), (Lines{U"aa", U"bb", U"cc"}));
  EXPECT_EQ(Wrap(U"aa bb cc", 70), (Lines{U"aa bb cc"}));
}

TEST(TextLines, SpacesAtAWrapBelongToNeitherLine) {
  const auto lines = LayoutLines(Plain(U"aa    bb"), false, true, 30, FixedAdvance);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(TextOf(lines[0]), U"aa");
  EXPECT_EQ(lines[0].width, 20);
  EXPECT_EQ(TextOf(lines[1]), U"bb");
}

TEST(TextLines, LongWordStaysWholeOnItsOwnLine) {
  EXPECT_EQ(Wrap(U"a verylongword b", 40), (Lines{U"a", U"verylongword", U"b"}));
  EXPECT_EQ(Wrap(U"verylongword", 0), (Lines{U"verylongword"}));
}

TEST(TextLines, LeadingSpacesOfAParagraphStay) {
  EXPECT_EQ(Wrap(U"  aa bb", 1000), (Lines{U"  aa bb"}));
  EXPECT_EQ(Wrap(U"  aa bb", 30), (Lines{U"  aa", U"bb"}));
}

TEST(TextLines, WrapsEachParagraphSeparately) {
  EXPECT_EQ(Wrap(U"aa bb\ncc dd", 30), (Lines{U"aa", U"bb", U"cc", U"dd"}));
}

TEST(TextLines, WidthsExcludeLineBreaks) {
  const auto lines = LayoutLines(Plain(U"ab\r\nc"), false, false, 0, FixedAdvance);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].width, 20);
  EXPECT_EQ(lines[1].width, 10);
}

TEST(TextLines, EmptyTextIsOneEmptyLine) {
  const auto lines = LayoutLines({}, false, true, 10, FixedAdvance);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(lines[0].chars.empty());
}

}  // namespace
}  // namespace glavo::text
