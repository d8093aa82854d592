// Face names of LOGFONTs resolve to the installed metric twins.
#include "text/text_face_matcher.h"

#include <gtest/gtest.h>

#include <tuple>

namespace glavo::text {
namespace {

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

// Each style has its own file; an unknown name gets the default sans.
TEST(TextFaceMatcher, StylesPickTheirOwnFilesAndUnknownNamesTheDefaultSans) {
  FaceMatcher m;
  // {name, bold, italic, file}
  const std::tuple<const char*, bool, bool, const char*> faces[] = {
      {"Arial", false, false, "LiberationSans-Regular.ttf"},  {"Arial", true, false, "LiberationSans-Bold.ttf"},
      {"arial", true, true, "LiberationSans-BoldItalic.ttf"}, {"Courier New", false, false, "LiberationMono-Regular.ttf"},
      {"No Such Face At All", false, false, "LiberationSans-Regular.ttf"}};
  for (auto [name, bold, italic, file] : faces) {
    SCOPED_TRACE(::testing::Message() << name << (bold ? " bold" : "") << (italic ? " italic" : ""));
    const auto face = m.match(name, bold, italic);
    ASSERT_TRUE(face);
    EXPECT_TRUE(face->path.ends_with(file)) << face->path;
    EXPECT_EQ(face->bold, bold);
    EXPECT_EQ(face->italic, italic);
  }
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
