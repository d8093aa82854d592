// Theme strings applied to a live skin, theme files and the theme actions.
#include <gtest/gtest.h>

#include <filesystem>

#include "skin/body_themes.h"
#include "skin/skin_theme_string.h"
#include "scratch_dir.h"
#include "skin_test_support.h"

namespace glavo::test {
namespace {

namespace fs = std::filesystem;

class ThemeActions : public testing::Test, public SkinScenario {
 protected:
  std::u16string field(int i) { return SplitSkinTheme(skin().SaveSkinTheme())[i]; }

  test_files::ScratchDir dir;
};

TEST_F(ThemeActions, EveryBuiltInThemeReadsBackCharacterForCharacter) {
  for (int t = 0; t < kBodyThemeCount; ++t) {
    skin().SetBodyTheme(t);
    EXPECT_EQ(skin().SaveSkinTheme(), BuiltInSkinTheme(t)) << "theme " << t;
  }
}

TEST_F(ThemeActions, ApplyingAThemeResetsEveryPartToItsNormalLook) {
  GlavoCell& close = skin().part(gwr_CloseButton);
  enter(stage.partPoint(gwr_CloseButton));
  ASSERT_EQ(close.CellState(), 1);
  skin().SetBodyTheme(gwr_Candy);
  EXPECT_EQ(close.CellState(), 0);
  EXPECT_EQ(close.SaveCellTheme(), SplitSkinTheme(BuiltInSkinTheme(gwr_Candy))[7]);
}

TEST_F(ThemeActions, SaveThenLoadRestoresLookAndMetricsAndASaveAlwaysAnswers) {
  skin().SetBodyTheme(gwr_Safari);
  const std::u16string saved = skin().SaveSkinTheme(dir.file("safari.gwr"));
  EXPECT_EQ(dir.get("safari.gwr"), std::string(saved.begin(), saved.end()) + "\r\n");

  skin().SetBodyTheme(gwr_Vista);
  skin().LoadSkinTheme(dir.file("safari.gwr"));
  EXPECT_EQ(skin().SaveSkinTheme(), saved);
  EXPECT_EQ(partBounds(gwr_TitleBar).height(), 50);
  EXPECT_EQ(partBounds(gwr_CloseButton).width(), 15);
  // How a failed write leaves the file is whole_file_test.cpp's; a failed
  // save still answers the theme, and without a name no file is written.
  EXPECT_EQ(skin().SaveSkinTheme(dir.file("no/such/folder/x.gwr")), saved);
  fs::remove(dir.at("safari.gwr"));
  EXPECT_EQ(skin().SaveSkinTheme(), saved);
  EXPECT_TRUE(fs::is_empty(dir.at("")));
}

TEST_F(ThemeActions, SettingsStringWinsOverTheFile) {
  skin().SetBodyTheme(gwr_Candy);
  skin().SaveSkinTheme(dir.file("candy.gwr"));
  skin().LoadSkinTheme(dir.file("candy.gwr"), BuiltInSkinTheme(gwr_AJAX));
  EXPECT_EQ(skin().SaveSkinTheme(), BuiltInSkinTheme(gwr_AJAX));
}

TEST_F(ThemeActions, MissingUnreadableOrEmptyInputAppliesTheEmptyText) {
  skin().LoadSkinTheme(dir.file("missing.gwr"));
  EXPECT_EQ(skin().SkinThemeData(), u"");
  EXPECT_EQ(skin().SaveSkinTheme(), BuiltInSkinTheme(gwr_Onyx));

  fs::create_directories(dir.at("folder.gwr"));  // a folder is not a readable file
  skin().LoadSkinTheme(dir.file("folder.gwr"));
  skin().LoadSkinTheme();
  EXPECT_EQ(skin().SaveSkinTheme(), BuiltInSkinTheme(gwr_Onyx));
}

TEST_F(ThemeActions, GarbageIsAppliedFieldByFieldAsFarAsItGoes) {
  std::string garbage;
  for (int i = 0; i < 20; ++i) garbage += "zz#$#";
  garbage += "200#$#abc#$#31.5#$#-2147483633#$#ignored";
  dir.put("garbage.gwr", garbage + "\r\n");
  skin().LoadSkinTheme(dir.file("garbage.gwr"));
  EXPECT_EQ(skin().BorderSize(), 3);      // "abc" reads 0; the layout pass makes that 3
  EXPECT_EQ(skin().ButtonSize(), 32);
  EXPECT_EQ(skin().BackColor(), 0x8000000Fu);
  EXPECT_EQ(partBounds(gwr_TitleBar).height(), 200);  // not limited as the property let is
  EXPECT_EQ(field(23), u"-2147483633");
  EXPECT_EQ(skin().part(gwr_Back).CellStateNormalData(), u"zz");
}

// Loading reports nothing, and a part the host cannot allocate is skipped
// on its own: the rest of the frame still takes the new theme's layout.
TEST_F(ThemeActions, APartTheHostCannotPlaceLeavesTheRestOfTheThemeApplied) {
  std::vector<std::u16string> f = SplitSkinTheme(BuiltInSkinTheme(gwr_Vista));
  f[20] = u"50";          // title bar
  f[22] = u"2000000000";  // buttons wider than the host can allocate
  const Rect closeBefore = partBounds(gwr_CloseButton);
  EXPECT_NO_THROW(skin().LoadSkinTheme(u"", JoinSkinTheme(f)));
  EXPECT_EQ(partBounds(gwr_CloseButton), closeBefore);
  // Placed after the buttons: before, the load stopped short of it.
  EXPECT_EQ(partBounds(gwr_Icon), (Rect{3, 3, 47, 47}));
  EXPECT_EQ(partBounds(gwr_TitleBar).height(), 50);
  EXPECT_EQ(skin().part(gwr_TitleBar).CellStateNormalData(), f[0]);
  EXPECT_EQ(skin().SkinThemeData(), JoinSkinTheme(f));
}

TEST_F(ThemeActions, ShortTextsChangeOnlyWhatTheyHold) {
  std::vector<std::u16string> f = SplitSkinTheme(BuiltInSkinTheme(gwr_Graphite));
  f.resize(21);
  skin().LoadSkinTheme(u"", JoinSkinTheme(f));
  EXPECT_EQ(field(0), f[0]);
  EXPECT_EQ(skin().TitleBarSize(), 30);
  EXPECT_EQ(skin().BackColor(), 16777215u);  // still Onyx's white
  f[20] = u"99999999999";
  skin().LoadSkinTheme(u"", JoinSkinTheme(f));
  EXPECT_EQ(skin().TitleBarSize(), 30);  // out of range: unchanged
}

TEST_F(ThemeActions, BodyThemeOutsideTheRangeIsStoredAndAppliesNothing) {
  skin().SetBodyTheme(gwr_TintedGlass);
  for (std::int32_t v : {12, -1}) {
    skin().SetBodyTheme(v);
    EXPECT_EQ(skin().SkinThemeData(), u"");
    EXPECT_EQ(skin().SaveSkinTheme(), BuiltInSkinTheme(gwr_TintedGlass));
  }
}

TEST_F(ThemeActions, SkinThemeActionsRunAndFallBackToNoAction) {
  stage.skinSurface().clearNotifications();
  skin().SetSkinThemeFile(u"");
  skin().SetSkinTheme(gwr_SaveTheme);
  EXPECT_TRUE(fs::is_empty(dir.at("")));
  EXPECT_EQ(skin().SkinTheme(), gwr_NoAction);

  skin().SetSkinThemeFile(dir.file("action.gwr"));
  skin().SetBodyTheme(gwr_MediaPlayer);
  skin().SetSkinTheme(gwr_SaveTheme);
  skin().SetBodyTheme(gwr_Onyx);
  skin().SetSkinTheme(gwr_LoadTheme);
  EXPECT_EQ(skin().SaveSkinTheme(), BuiltInSkinTheme(gwr_MediaPlayer));

  skin().SetSkinTheme(7);
  EXPECT_EQ(skin().SkinTheme(), gwr_NoAction);
  EXPECT_EQ(skin().SaveSkinTheme(), BuiltInSkinTheme(gwr_MediaPlayer));
  const auto& marks = stage.skinSurface().notifications();
  EXPECT_EQ(std::count(marks.begin(), marks.end(), "SkinTheme"), 4);
}

TEST_F(ThemeActions, ResetThemeBringsEverythingBack) {
  skin().SetCaption(u"Changed");
  form().setCaption(u"Form caption");
  skin().SetBorderSize(9);
  skin().SetTitleBarSize(60);
  skin().SetButtonSize(40);
  skin().SetShowHelpButton(false);
  skin().SetSkinThemeFile(u"Other.gwr");
  skin().SetBodyTheme(gwr_Candy);
  skin().SetSkinTheme(gwr_ResetTheme);
  EXPECT_EQ(skin().Caption(), u"Form caption");
  EXPECT_TRUE(skin().ShowHelpButton());
  EXPECT_EQ(skin().SkinThemeFile(), u"Onyx.gwr");
  EXPECT_EQ(skin().SaveSkinTheme(), BuiltInSkinTheme(gwr_Onyx));  // the metrics too
  EXPECT_EQ(skin().SkinTheme(), gwr_NoAction);
  EXPECT_TRUE(skin().part(gwr_HelpButton).surface().visible());
  EXPECT_EQ(partBounds(gwr_TitleBar).height(), 30);
}

}  // namespace
}  // namespace glavo::test
