// Face names of LOGFONTs resolve to the installed metric twins.
#include "text/text_face_matcher.h"

#include <gtest/gtest.h>

namespace glavo::text {
namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(TextFaceMatcher, WindowsNamesMapToTwins) {
  const std::pair<const char*, const char*> names[] = {
      {"Arial", "Liberation Sans"},         {"  TIMES NEW ROMAN ", "Liberation Serif"}, {"Courier New", "Liberation Mono"},
      {"MS Sans Serif", "Liberation Sans"}, {"", "Liberation Sans"},                   {"DejaVu Serif", "DejaVu Serif"}};
  for (auto [name, twin] : names) EXPECT_EQ(SubstituteFamily(name), twin) << name;
  // Only 31 characters of a face name count, as in a LOGFONT.
  EXPECT_EQ(SubstituteFamily(std::string(40, 'x')), std::string(31, 'x'));
  for (const char* name : {"webdings", "Webdings ", "Marlett"}) EXPECT_TRUE(IsSymbolFaceName(name)) << name;
  EXPECT_FALSE(IsSymbolFaceName("Wingdings"));
}

TEST(TextFaceMatcher, StylesPickTheirOwnFiles) {
  FaceMatcher m;
  const auto regular = m.match("Arial", false, false);
  const auto bold = m.match("Arial", true, false);
  const auto boldItalic = m.match("arial", true, true);
  ASSERT_TRUE(regular && bold && boldItalic);
  EXPECT_TRUE(EndsWith(regular->path, "LiberationSans-Regular.ttf")) << regular->path;
  EXPECT_TRUE(EndsWith(bold->path, "LiberationSans-Bold.ttf")) << bold->path;
  EXPECT_TRUE(bold->bold);
  EXPECT_FALSE(regular->bold);
  EXPECT_TRUE(boldItalic->bold && boldItalic->italic);
  const auto mono = m.match("Courier New", false, false);
  ASSERT_TRUE(mono);
  EXPECT_TRUE(EndsWith(mono->path, "LiberationMono-Regular.ttf")) << mono->path;
}

TEST(TextFaceMatcher, UnknownNamesGetTheDefaultSans) {
  FaceMatcher m;
  const auto unknown = m.match("No Such Face At All", false, false);
  ASSERT_TRUE(unknown);
  EXPECT_TRUE(EndsWith(unknown->path, "LiberationSans-Regular.ttf")) << unknown->path;
  EXPECT_FALSE(m.matchExact("No Such Face At All", false, false));
}

TEST(TextFaceMatcher, FallbackCoversMissingCharacters) {
  FaceMatcher m;
  const auto king = m.fallbackFor(0x2654, false, false);
  ASSERT_TRUE(king);
  EXPECT_NE(king->path.find("DejaVu"), std::string::npos) << king->path;
  EXPECT_FALSE(m.fallbackFor(0x10FFFD, false, false));  // private use: nobody has it
}

}  // namespace
}  // namespace glavo::text
