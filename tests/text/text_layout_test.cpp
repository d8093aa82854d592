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

std::u32string TextOf(const std::vector<TextChar>& chars) {
  std::u32string out;
  for (const auto& c : chars) out.push_back(c.code);
  return out;
}

std::vector<std::u32string> Wrap(std::u32string_view s, int width, bool wordBreak = true) {
  std::vector<std::u32string> out;
  for (const auto& line : LayoutLines(Plain(s), false, wordBreak, width, FixedAdvance))
    out.push_back(TextOf(line.chars));
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
  ASSERT_EQ(TextOf(chars), U"File & Save");
  EXPECT_TRUE(chars[0].underlined);
  for (std::size_t i = 1; i < chars.size(); ++i) EXPECT_FALSE(chars[i].underlined) << i;
  // Without prefixes the ampersands stay.
  const auto kept = ApplyPrefixes(U"a&b&&", true);
  EXPECT_EQ(TextOf(kept), U"a&b&&");
  for (const auto& c : kept) EXPECT_FALSE(c.underlined);
}

// Hard breaks (CR, LF, CRLF) end lines; word breaks fill each line and
// keep a long word whole; a paragraph's leading spaces stay.
TEST(TextLines, BreakAndWrapWhereTheRulesSay) {
  EXPECT_EQ(Wrap(U"a\rb\nc\r\nd", 1000, false), (Lines{U"a", U"b", U"c", U"d"}));
  EXPECT_EQ(Wrap(U"a\n\nb", 1000, false), (Lines{U"a", U"", U"b"}));
  EXPECT_EQ(Wrap(U"a\r\n", 1000, false), (Lines{U"a"}));
  EXPECT_EQ(Wrap(U"\n\r", 1000, false), (Lines{U"", U""}));
  // "aa bb cc": aa=20, " bb" = 25 more, " cc" = 25 more.
  EXPECT_EQ(Wrap(U"aa bb cc", 45), (Lines{U"aa bb", U"cc"}));
  EXPECT_EQ(Wrap(U"aa bb cc", 44), (Lines{U"aa", U"bb", U"cc"}));
  EXPECT_EQ(Wrap(U"aa bb cc", 70), (Lines{U"aa bb cc"}));
  EXPECT_EQ(Wrap(U"a verylongword b", 40), (Lines{U"a", U"verylongword", U"b"}));
  EXPECT_EQ(Wrap(U"verylongword", 0), (Lines{U"verylongword"}));
  EXPECT_EQ(Wrap(U"  aa bb", 1000), (Lines{U"  aa bb"}));
  EXPECT_EQ(Wrap(U"  aa bb", 30), (Lines{U"  aa", U"bb"}));
  EXPECT_EQ(Wrap(U"aa bb\ncc dd", 30), (Lines{U"aa", U"bb", U"cc", U"dd"}));
}

// Each line with its width: widths leave out line breaks and the spaces at
// a wrap, a single line drops its breaks, empty text is one empty line.
TEST(TextLines, WidthsCountOnlyWhatIsShown) {
  using Measured = std::vector<std::pair<std::u32string, int>>;
  auto measure = [](std::u32string_view s, bool singleLine, bool wordBreak, int width) {
    Measured out;
    for (const auto& line : LayoutLines(Plain(s), singleLine, wordBreak, width, FixedAdvance)) {
      out.push_back({TextOf(line.chars), line.width});
    }
    return out;
  };
  EXPECT_EQ(measure(U"ab\r\ncd", true, true, 15), (Measured{{U"abcd", 40}}));
  EXPECT_EQ(measure(U"aa    bb", false, true, 30), (Measured{{U"aa", 20}, {U"bb", 20}}));
  EXPECT_EQ(measure(U"ab\r\nc", false, false, 0), (Measured{{U"ab", 20}, {U"c", 10}}));
  EXPECT_EQ(measure(U"", false, true, 10), (Measured{{U"", 0}}));
}

}  // namespace
}  // namespace glavo::text
