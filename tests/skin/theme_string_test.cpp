// The twelve built-in themes and the names of themes and parts. How a theme
// string splits at its separator is FieldText's (SplitAt); that its fields
// are applied, ThemeActions.GarbageIsAppliedFieldByFieldAsFarAsItGoes's.
#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "skin/body_themes.h"
#include "skin/skin_names.h"
#include "skin/skin_theme_string.h"

namespace glavo {
namespace {

// The published Onyx theme, written out independently of how the built-in
// table assembles it.
std::u16string OnyxExpected() {
  const std::u16string head = u"1##12829635##16777215##";
  const std::u16string mid = u"##16777215##True##8421504##";
  const std::u16string tail = u"##16777215##16777215##";
  auto rec = [&](const char16_t* round, const char16_t* border, const char16_t* colors,
                 const char16_t* style, const char16_t* split) {
    return head + round + u"##1##" + border + mid + colors + tail + style + u"##0##0##" + split;
  };
  const std::u16string silver = u"12829635##10857122";
  std::vector<std::u16string> f;
  f.push_back(rec(u"3##3", u"1", silver.c_str(), u"7", u"50"));
  f.push_back(rec(u"0##0", u"1", silver.c_str(), u"13", u"50"));
  f.push_back(f.back());
  f.push_back(rec(u"0##0", u"1", silver.c_str(), u"19", u"50"));
  f.push_back(rec(u"0##0", u"0", silver.c_str(), u"13", u"50"));
  f.push_back(f.back());
  f.push_back(rec(u"0##0", u"1", silver.c_str(), u"7", u"2"));
  f.push_back(rec(u"3##3", u"5", u"8816317##6316200", u"7", u"50"));
  for (int i = 0; i < 3; ++i) f.push_back(rec(u"3##3", u"5", silver.c_str(), u"7", u"50"));
  f.push_back(rec(u"500##500", u"5", silver.c_str(), u"7", u"50"));
  f.push_back(rec(u"3##3", u"5", u"12105944##8882108", u"7", u"50"));
  for (int i = 0; i < 3; ++i) f.push_back(rec(u"3##3", u"5", u"14737632##12632256", u"7", u"50"));
  f.push_back(rec(u"3##3", u"5", u"6381995##4473984", u"7", u"50"));
  for (int i = 0; i < 3; ++i) f.push_back(rec(u"3##3", u"5", u"10857122##7371377", u"7", u"50"));
  for (const char16_t* n : {u"30", u"3", u"24", u"16777215"}) f.push_back(n);
  return JoinSkinTheme(f);
}

TEST(BuiltInThemes, OnyxIsThePublishedTextCharacterForCharacter) {
  EXPECT_EQ(BuiltInSkinTheme(gwr_Onyx), OnyxExpected());
}

TEST(BuiltInThemes, GraphiteAndVistaCarryTheirPublishedRecords) {
  const auto g = SplitSkinTheme(BuiltInSkinTheme(gwr_Graphite));
  ASSERT_EQ(g.size(), 24u);
  EXPECT_EQ(g[0], u"1##4210752##8421504##3##3##1##5##16777215##True##4210752##4210752##0##16777215##9404039##7##0##0##25");
  // The corners share the side bars' record in this theme.
  EXPECT_EQ(g[4], g[1]);
  EXPECT_EQ(g[12], u"1##4210752##16777215##3##3##1##1##16777215##True##8421504##33023##16576##16777215##16576##7##0##0##40");

  const auto v = SplitSkinTheme(BuiltInSkinTheme(gwr_Vista));
  ASSERT_EQ(v.size(), 24u);
  EXPECT_EQ(v[6], u"1##12632256##16708827##3##3##1##0##16777215##False##8421504##10335078##13341259##16777215##16777215##18##0##0##80");
  EXPECT_EQ(v[11], u"1##0##8421504##3##3##1##4##16777215##True##8421504##8421504##2960427##16777215##16777215##10##0##0##50");
  EXPECT_EQ(v[16], u"1##8421504##3749943##5##5##1##5##16777215##True##8421504##3555480##2302846##16777215##16777215##10##0##0##50");
}

struct Summary {
  int tb, bs, bt;
  std::int32_t back;
  std::size_t distinct;
};

// Metrics, background colours and record counts of every built-in theme.
constexpr Summary kSummary[kBodyThemeCount] = {
    {30, 3, 24, 16777215, 12}, {30, 2, 24, 15527144, 5},  {30, 3, 24, 12090134, 11},
    {30, 5, 24, 15769952, 12}, {42, 2, 18, 14866385, 7},  {42, 3, 22, 16777215, 6},
    {36, 3, 30, 14737632, 9},  {30, 3, 24, 16244426, 11}, {30, 3, 24, 255, 6},
    {50, 2, 15, 16777215, 9},  {36, 2, 24, 11758134, 9},  {30, 1, 24, 16695433, 6}};

// Each theme has its metrics, colour and record count, and a title bar of
// its own. That every record holds eighteen values is StudioThemeCheck's
// (every built-in theme passes); that values outside the enumeration give
// no text, ThemeActions.BodyThemeOutsideTheRangeIsStoredAndAppliesNothing's.
TEST(BuiltInThemes, EveryThemeHasItsMetricsColourAndRecordCount) {
  std::set<std::u16string> titles;
  for (int t = 0; t < kBodyThemeCount; ++t) {
    SCOPED_TRACE(std::string(BodyThemeName(static_cast<BodyThemesGwr>(t))));
    const auto f = SplitSkinTheme(BuiltInSkinTheme(t));
    ASSERT_EQ(f.size(), 24u);
    const Summary& s = kSummary[t];
    EXPECT_EQ(std::vector(f.begin() + 20, f.end()),
              (std::vector{DecimalText(s.tb), DecimalText(s.bs), DecimalText(s.bt), DecimalText(s.back)}));
    const std::set<std::u16string> distinct(f.begin(), f.begin() + 20);
    EXPECT_EQ(distinct.size(), kSummary[t].distinct);
    titles.insert(f[0]);
    // Same kind, same record: the two side bars, the two corners, and the
    // three plain caption buttons in each state.
    for (auto [a, b] : {std::pair{1, 2}, {4, 5}, {8, 9}, {9, 10}, {13, 15}, {17, 19}}) EXPECT_EQ(f[a], f[b]) << a << " " << b;
  }
  EXPECT_EQ(titles.size(), static_cast<std::size_t>(kBodyThemeCount));
}

TEST(SkinNames, ThemesAndPartsAreFoundByNameOrNumber) {
  const std::pair<const char*, std::optional<BodyThemesGwr>> themes[] = {
      {"candy", gwr_Candy}, {"gwr_Office2007", gwr_Office2007}, {"11", gwr_SilverLight}, {"12", {}}, {"Aqua", {}}};
  for (const auto& [name, theme] : themes) EXPECT_EQ(FindBodyTheme(name), theme) << name;
  EXPECT_EQ(FindSkinPart("close"), gwr_CloseButton);
  EXPECT_EQ(FindSkinPart("cmdMax"), gwr_MaximizeButton);
  EXPECT_EQ(SkinPartName(gwr_LeftCorner), "LeftCorner");
  EXPECT_FALSE(FindSkinPart("door").has_value());
}

}  // namespace
}  // namespace glavo
