#include "studio/theme_check.h"

#include <gtest/gtest.h>

#include "cell/cell_theme_record.h"
#include "skin/body_themes.h"
#include "skin/skin_theme_string.h"
#include "stage/skin_render.h"

namespace glavo::studio {
namespace {

std::string Onyx() { return stage::ToUtf8(BuiltInSkinTheme(gwr_Onyx)); }

// Replaces value `position` of look `field` (or field `field` itself when
// position is -1) in a theme string.
std::string WithValue(const std::string& theme, int field, int position, const std::string& value) {
  std::vector<std::u16string> fields = SplitSkinTheme(stage::FromUtf8(theme));
  if (position < 0) {
    fields[field] = stage::FromUtf8(value);
  } else {
    std::vector<std::u16string> values = SplitRecord(fields[field]);
    values[position] = stage::FromUtf8(value);
    fields[field] = JoinRecord(values);
  }
  return stage::ToUtf8(JoinSkinTheme(fields));
}

TEST(StudioThemeCheck, EveryBuiltInThemeReadsAndWritesBackUnchanged) {
  for (int t = 0; t < kBodyThemeCount; ++t) {
    const std::string text = stage::ToUtf8(BuiltInSkinTheme(t));
    const ThemeCheck check = CheckTheme(text);
    ASSERT_TRUE(check.theme) << "theme " << t << ": " << check.problems.front().message;
    EXPECT_EQ(FormatTheme(*check.theme), text) << "theme " << t;
  }
}

TEST(StudioThemeCheck, NamesTheLookAndValueOfEachBadField) {
  std::string text = WithValue(Onyx(), 0, 6, "9");             // BorderStyle of the title bar
  text = WithValue(text, 12, 7, "blue");                        // CaptionColor of the close button's over look
  text = WithValue(text, 17, 8, "maybe");                       // CaptionShadow of the max button's down look
  text = WithValue(text, 21, -1, "0");                          // BorderSize below the control's 1
  const ThemeCheck check = CheckTheme(text);
  EXPECT_FALSE(check.theme);
  ASSERT_EQ(check.problems.size(), 4u);
  EXPECT_EQ(check.problems[0].field, 0);
  EXPECT_EQ(check.problems[0].position, 6);
  EXPECT_EQ(check.problems[0].message,
            "Title bar (normal): BorderStyle must be a whole number from 0 to 7, not '9'");
  EXPECT_EQ(check.problems[1].field, 12);
  EXPECT_NE(check.problems[1].message.find("Close button (over): CaptionColor must be a colour"), std::string::npos);
  EXPECT_EQ(check.problems[2].position, 8);
  EXPECT_NE(check.problems[2].message.find("True or False"), std::string::npos);
  EXPECT_EQ(check.problems[3].field, 21);
  EXPECT_EQ(check.problems[3].position, -1);
}

TEST(StudioThemeCheck, RefusesTextsThatAreNotThemes) {
  EXPECT_EQ(CheckTheme("").problems.front().message, "the theme string is empty");
  EXPECT_NE(CheckTheme("hello").problems.front().message.find("this text has 1"), std::string::npos);
  EXPECT_NE(CheckTheme(WithValue(Onyx(), 3, -1, "1##2##3")).problems.front().message.find("has 3 values"),
            std::string::npos);
  // Not the control's plain decimal: spaces, plus signs, fractions, overflow.
  for (const char* bad : {" 3", "+3", "3.0", "99999999999999", "&H10"}) {
    EXPECT_FALSE(CheckTheme(WithValue(Onyx(), 0, 0, bad)).theme) << bad;
  }
}

TEST(StudioThemeCheck, TakesSystemColoursTheHostKnows) {
  EXPECT_TRUE(CheckTheme(WithValue(Onyx(), 0, 7, "-2147483633")).theme);   // button face
  EXPECT_TRUE(CheckTheme(WithValue(Onyx(), 23, -1, "-2147483618")).theme); // menu bar, the last
  EXPECT_FALSE(CheckTheme(WithValue(Onyx(), 0, 7, "-2147483623")).theme);  // index 25 has none
  EXPECT_FALSE(CheckTheme(WithValue(Onyx(), 0, 7, "-2147483617")).theme);  // past the table
  EXPECT_FALSE(CheckTheme(WithValue(Onyx(), 0, 7, "16777216")).theme);
  EXPECT_TRUE(CheckTheme(WithValue(Onyx(), 0, 8, "false")).theme);         // as the control reads it
}

TEST(StudioThemeCheck, StopsCountingAtTheLimit) {
  std::string text = Onyx();
  for (int f = 0; f < 20; ++f) {
    for (int p : {1, 2, 7, 10}) text = WithValue(text, f, p, "x");
  }
  EXPECT_EQ(CheckTheme(text).problems.size(), kMaxProblems);
}

}  // namespace
}  // namespace glavo::studio
