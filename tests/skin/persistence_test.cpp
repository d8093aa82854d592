// First placement, the property bag, and the property lets.
#include <gtest/gtest.h>

#include <tuple>

#include "host_error_of.h"
#include "runtime/ordered_property_bag.h"
#include "skin/body_themes.h"
#include "skin/skin_theme_string.h"
#include "skin_test_support.h"

namespace glavo::test {
namespace {

class Persistence : public testing::Test, public SkinScenario {};

TEST_F(Persistence, FirstPlacementTakesOverTheForm) {
  stage::SkinStage fresh(Size{1280, 800}, Rect{100, 100, 500, 400}, u"My Form");
  EXPECT_EQ(fresh.form().borderStyle(), FormBorderStyle::kSizable);
  // A form off the taskbar, and without a window menu (WS_CLIPCHILDREN
  // alone), so that what the skin sets shows.
  fresh.form().setShowInTaskbar(false);
  fresh.windows().setWindowLong(fresh.form().hwnd(), kGwlStyle, 0x02000000);
  fresh.place();
  EXPECT_EQ(fresh.form().borderStyle(), FormBorderStyle::kNone);
  EXPECT_TRUE(fresh.form().showInTaskbar());
  EXPECT_EQ(fresh.skin().Caption(), u"My Form");
  EXPECT_EQ(fresh.skin().SkinThemeData(), BuiltInSkinTheme(gwr_Onyx));
  // Shown: at the form's origin, its size, the window menu styles added.
  EXPECT_EQ(fresh.skinSurface().bounds(), (Rect{0, 0, 400, 300}));
  EXPECT_EQ(fresh.windows().getWindowLong(fresh.form().hwnd(), kGwlStyle), 0x020B0000);
  EXPECT_EQ(fresh.windows().windowText(fresh.form().hwnd()), u"My Form");
  EXPECT_EQ(fresh.skin().part(gwr_Icon).Icon(), fresh.form().icon());
  // Corners lie above the bars, the bars above the title bar's last row.
  auto at = [&](int x, int y) { return fresh.desktop().surfaceAt(Point{100 + x, 100 + y}); };
  EXPECT_EQ(at(1, 298), &fresh.skin().part(gwr_LeftCorner).surface());
  EXPECT_EQ(at(397, 298), &fresh.skin().part(gwr_RightCorner).surface());
  EXPECT_EQ(at(1, 29), &fresh.skin().part(gwr_LeftBar).surface());
  EXPECT_EQ(at(200, 29), &fresh.skin().part(gwr_Back).surface());
}

TEST_F(Persistence, UnicodeCaptionReachesTheWindowDecoded) {
  skin().SetCaption(u"Caf~$00233 ~$01087~$01088~$01080");
  EXPECT_EQ(stage.windows().windowText(form().hwnd()), u"Café при");
  EXPECT_EQ(form().caption(), u"Caf~$00233 ~$01087~$01088~$01080");
  EXPECT_EQ(skin().part(gwr_TitleBar).Caption(), u"Caf~$00233 ~$01087~$01088~$01080");
}

TEST_F(Persistence, PropertyBagRoundTripRestoresLookAndSettings) {
  skin().SetBodyTheme(gwr_Office2007);
  skin().SetCaption(u"Saved");
  skin().SetTitleBarSize(44);
  skin().SetAllowFullScreen(true);
  skin().SetShowHelpButton(false);
  skin().SetAllowSystemMenu(false);
  skin().SetFont(MakeFont(u"Tahoma", 11, true));
  OrderedPropertyBag bag;
  skin().WriteProperties(bag);

  stage::SkinStage loaded(Size{1280, 800}, Rect{240, 150, 1040, 750});
  loaded.load(bag);
  GlavoSkin& copy = loaded.skin();
  EXPECT_EQ(copy.Caption(), u"Saved");
  EXPECT_TRUE(copy.AllowFullScreen());
  EXPECT_FALSE(copy.ShowHelpButton());
  EXPECT_FALSE(copy.AllowSystemMenu());
  EXPECT_EQ(copy.Font()->name, u"Tahoma");
  EXPECT_EQ(copy.BodyTheme(), gwr_Office2007);
  // The theme text holds the metrics and the background colour too.
  EXPECT_EQ(copy.SaveSkinTheme(), skin().SaveSkinTheme());
  EXPECT_FALSE(copy.part(gwr_HelpButton).surface().visible());
  EXPECT_EQ(copy.part(gwr_TitleBar).surface().bounds().height(), 44);
  // Reading marks nothing changed.
  EXPECT_TRUE(loaded.skinSurface().notifications().empty());
}

TEST_F(Persistence, EmptyBagGivesTheDefaultsAndTheCreatedLook) {
  OrderedPropertyBag empty;
  stage::SkinStage loaded;
  const std::u16string createdLook = loaded.skin().part(gwr_TitleBar).SaveCellTheme();
  loaded.load(empty);
  // The metrics' read defaults show in the round trip above; these do not.
  GlavoSkin& s = loaded.skin();
  EXPECT_EQ(s.BackColor(), 12090134u);
  EXPECT_EQ(s.SkinThemeData(), u"");
  EXPECT_TRUE(s.AllowResize() && s.ShowHelpButton() && s.ShowMaximizeButton() &&
              s.ShowMinimizeButton() && s.ShowIconButton() && s.ShowCloseButton() &&
              s.BackgroundShow() && s.AllowSystemMenu() && s.Enabled());
  EXPECT_FALSE(s.AllowFullScreen());
  EXPECT_EQ(s.SkinThemeFile(), u"Onyx.gwr");
  EXPECT_EQ(*s.Font(), *loaded.skinSurface().ambientFont());
  EXPECT_EQ(s.part(gwr_TitleBar).SaveCellTheme(), createdLook);
}

TEST_F(Persistence, ReadingDoesNotClampAndTheSavedThemeWins) {
  OrderedPropertyBag bag;
  skin().SetBodyTheme(gwr_Candy);
  skin().SaveSkinTheme();
  skin().LoadSkinTheme(u"", BuiltInSkinTheme(gwr_Safari));  // as from a file
  skin().WriteProperties(bag);
  bag.write("TitleBarSize", std::int32_t{150});
  stage::SkinStage loaded;
  loaded.load(bag);
  EXPECT_EQ(loaded.skin().BodyTheme(), gwr_Candy);
  EXPECT_EQ(loaded.skin().part(gwr_Back).CellStateNormalData(),
            SplitSkinTheme(BuiltInSkinTheme(gwr_Safari))[6]);
  EXPECT_EQ(loaded.skin().part(gwr_TitleBar).surface().bounds().height(), 150);
}

// Found by fuzzing: metrics from a saved form are not clamped, and can put
// a part beyond what an extender can hold (the overflow error) or ask for
// more pixels than the host has (its out-of-memory error). Either reaches
// the caller; neither is an undefined conversion.
TEST_F(Persistence, MetricsBeyondWhatTheHostCanHoldEndInItsError) {
  // A BorderSize of -2^31 makes side bars taller than 2^31 - 1.
  const std::tuple<const char*, std::int32_t, std::int32_t> cases[] = {
      {"BorderSize", INT32_MIN, host_error::kOverflow}, {"TitleBarSize", 2000000000, host_error::kOutOfMemory}};
  for (auto [name, value, error] : cases) {
    OrderedPropertyBag bag;
    bag.write(name, value);
    stage::SkinStage loaded;
    EXPECT_EQ(test_support::HostErrorOf([&] { loaded.load(bag); }), error) << name;
  }
}

TEST_F(Persistence, WrittenKeysAreOnlyThoseThatDifferFromTheirDefaults) {
  OrderedPropertyBag bag;
  skin().WriteProperties(bag);
  // A new control differs in its caption, its white background, its theme
  // text and the title bar font.
  EXPECT_EQ(bag.keys(), (std::vector<std::string>{"BackColor", "Caption", "Font", "SkinThemeData"}));
  EXPECT_EQ(ReadLong(bag, "BackColor", 0), 16777215);
}

TEST_F(Persistence, SizeLetsClampAndLayOut) {
  struct Case {
    void (GlavoSkin::*set)(std::int32_t);
    std::int32_t (GlavoSkin::*get)() const;
    std::int32_t value, stored;
  };
  const Case cases[] = {
      {&GlavoSkin::SetBorderSize, &GlavoSkin::BorderSize, 0, 1},
      {&GlavoSkin::SetBorderSize, &GlavoSkin::BorderSize, 25, 20},
      {&GlavoSkin::SetTitleBarSize, &GlavoSkin::TitleBarSize, 5, 6},
      {&GlavoSkin::SetTitleBarSize, &GlavoSkin::TitleBarSize, 101, 100},
      {&GlavoSkin::SetButtonSize, &GlavoSkin::ButtonSize, 13, 14},
      {&GlavoSkin::SetButtonSize, &GlavoSkin::ButtonSize, 200, 100},
  };
  for (const Case& c : cases) {
    (skin().*c.set)(c.value);
    EXPECT_EQ((skin().*c.get)(), c.stored) << c.value;
  }
  EXPECT_EQ(partBounds(gwr_CloseButton).width(), 100);
  EXPECT_EQ(partBounds(gwr_TitleBar).height(), 100);
  EXPECT_EQ(partBounds(gwr_LeftBar).width(), 20);
}

// Every let tells the container, which marks the form changed: a let that
// did not would be lost when the designer saves.
TEST_F(Persistence, LetsMarkTheirPropertyChanged) {
  stage.skinSurface().clearNotifications();
  skin().SetBorderSize(4);
  skin().SetTitleBarSize(32);
  skin().SetButtonSize(20);
  skin().SetCaption(u"x");
  skin().SetAllowResize(false);
  skin().SetAllowFullScreen(true);
  skin().SetAllowSystemMenu(false);
  skin().SetShowHelpButton(true);
  skin().SetShowMaximizeButton(false);
  skin().SetShowMinimizeButton(false);
  skin().SetShowIconButton(false);
  skin().SetShowCloseButton(false);
  skin().SetBackgroundShow(false);
  skin().SetFont(MakeFont(u"Tahoma", 10));
  skin().SetEnabled(false);
  skin().SetBackColor(255);
  skin().SetBodyTheme(gwr_Candy);
  skin().SetSkinState(7);  // stored, but no window state of that value
  EXPECT_EQ(stage.skinSurface().notifications(),
            (std::vector<std::string>{"BorderSize", "TitleBarSize", "ButtonSize", "Caption", "AllowResize",
                                      "AllowFullScreen", "AllowSystemMenu", "ShowHelpButton", "ShowMaximizeButton",
                                      "ShowMinimizeButton", "ShowIconButton", "ShowCloseButton", "BackgroundShow",
                                      "Font", "Enabled", "BackColor", "BodyTheme", "SkinState"}));
  EXPECT_EQ(form().windowState(), FormWindowState::kNormal);
}

TEST_F(Persistence, HiddenFormMembersRaiseTheHostError) {
  form().removeMember(sim::SimForm::Member::kWindowState);
  EXPECT_EQ(test_support::HostErrorOf([&] { skin().Refresh(); }), host_error::kNoSuchMember);
}

}  // namespace
}  // namespace glavo::test
