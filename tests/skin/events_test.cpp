// Public events, caption buttons, the system menu and the shortcuts.
#include <gtest/gtest.h>

#include "skin_test_support.h"

namespace glavo::test {
namespace {

using Events = std::vector<std::string>;

class SkinEvents : public testing::Test, public SkinScenario {
 protected:
  void keyOnControl(std::int16_t key, std::int16_t shift) {
    desktop().setFocus(&stage.skinSurface());
    desktop().keyDown(key, shift);
  }
};

TEST_F(SkinEvents, CloseButtonRaisesClickBeforeAskingTheFormToUnload) {
  bool loadedDuringClick = false;
  log.onClick = [&](SkinPartsGwr p) {
    if (p == gwr_CloseButton) loadedDuringClick = form().loaded();
  };
  clickAt(stage.partPoint(gwr_CloseButton));
  EXPECT_TRUE(loadedDuringClick);
  EXPECT_EQ(log.events, Events{"Click(7)"});
  EXPECT_EQ(form().unloadRequests(), 1);  // a refusal is the form's: sim_form_test.cpp
}

TEST_F(SkinEvents, AltF4ClosesUnlessTheHandlerCancels) {
  keyOnControl(115, shift::kAlt);
  EXPECT_EQ(log.events, (Events{"KeyDown(115,4)", "Click(7)"}));
  EXPECT_FALSE(form().loaded());

  SkinScenario cancelled;
  cancelled.log.onKeyDown = [](std::int16_t& key, std::int16_t&) { key = 0; };
  cancelled.desktop().setFocus(&cancelled.stage.skinSurface());
  cancelled.desktop().keyDown(115, shift::kAlt);
  EXPECT_TRUE(cancelled.form().loaded());
  EXPECT_EQ(cancelled.log.events, Events{"KeyDown(115,4)"});
}

TEST_F(SkinEvents, AltEnterMaximizesUnlessCancelledOrOtherModifiersAreHeld) {
  keyOnControl(13, shift::kAlt | shift::kCtrl);
  keyOnControl(13, shift::kAlt | shift::kShift);
  EXPECT_FALSE(skin().IsMaximized());

  log.onKeyDown = [](std::int16_t&, std::int16_t& shift) { shift = 0; };
  keyOnControl(13, shift::kAlt);
  EXPECT_FALSE(skin().IsMaximized());

  log.onKeyDown = nullptr;
  log.events.clear();
  keyOnControl(13, shift::kAlt);
  EXPECT_TRUE(skin().IsMaximized());
  EXPECT_EQ(log.events, (Events{"KeyDown(13,4)", "Click(8)"}));
}

TEST_F(SkinEvents, KeysOnTheControlArePassedOnAndKeysOnThePartsAreNot) {
  desktop().setFocus(&stage.skinSurface());
  desktop().keyPress(65);
  desktop().keyUp(65, shift::kShift);
  EXPECT_EQ(log.events, (Events{"KeyPress(65)", "KeyUp(65,1)"}));
  // Keys on the parts are not handled.
  log.events.clear();
  desktop().setFocus(&static_cast<sim::SimSurface&>(skin().part(gwr_TitleBar).surface()));
  desktop().keyDown(115, shift::kAlt);
  EXPECT_TRUE(form().loaded());
  EXPECT_TRUE(log.events.empty());
}

TEST_F(SkinEvents, SystemMenuOpensBelowTheTitleBarWithItsCaptionsUnlessDisallowed) {
  clickAt(stage.partPoint(gwr_Icon));
  ASSERT_EQ(stage.menus().shown().size(), 1u);
  const sim::ShownMenu& menu = stage.menus().shown()[0];
  EXPECT_EQ(menu.at, (Point{3, 30}));
  EXPECT_EQ(menu.atScreen, (Point{243, 180}));
  EXPECT_EQ(menu.flags, 0u);
  std::vector<std::u16string> items;  // "-" is the separator
  for (const auto& item : menu.items) items.push_back(item.caption);
  EXPECT_EQ(items, (std::vector<std::u16string>{u"Maximize   (Alt + Enter)", u"Move", u"Minimize", u"-",
                                                u"Close         (Alt + F4)"}));
  // No MouseDown for the icon; its click still arrives.
  EXPECT_EQ(log.events, (Events{"MouseUp(11,1)", "Click(11)"}));
  // Dismissed, the menu does nothing.
  EXPECT_TRUE(form().loaded());
  EXPECT_FALSE(skin().MoveArmed());
  EXPECT_FALSE(skin().IsMaximized());
  // Without the system menu the icon only clicks.
  skin().SetAllowSystemMenu(false);
  log.events.clear();
  clickAt(stage.partPoint(gwr_Icon));
  EXPECT_EQ(stage.menus().shown().size(), 1u);
  EXPECT_EQ(log.events, (Events{"MouseUp(11,1)", "Click(11)"}));
}

TEST_F(SkinEvents, MenuItemsActLikeTheirButtons) {
  stage.menus().scriptChoice(u"Maximize");
  clickAt(stage.partPoint(gwr_Icon));
  EXPECT_TRUE(skin().IsMaximized());
  // The menu now offers to restore.
  stage.menus().scriptChoice(u"Restore");
  clickAt(stage.partPoint(gwr_Icon));
  EXPECT_FALSE(skin().IsMaximized());
  stage.menus().scriptChoice(u"Close");
  clickAt(stage.partPoint(gwr_Icon));
  EXPECT_FALSE(form().loaded());
  // The menu's Maximize raises the button's Click too: WindowStates.NothingChanges...
  EXPECT_EQ(std::count(log.events.begin(), log.events.end(), "Click(7)"), 1);
}

TEST_F(SkinEvents, HelpButtonOnlyReportsItsClickAndRightClicksDoNothing) {
  const Rect before = formPixels();
  clickAt(stage.partPoint(gwr_HelpButton));
  EXPECT_EQ(log.events, Events{"Click(10)"});
  EXPECT_EQ(formPixels(), before);
  EXPECT_TRUE(form().loaded());
  EXPECT_EQ(log.mouseMoves, 0);  // caption buttons report no mouse moves
  // A right click on a button does not act.
  log.events.clear();
  clickAt(stage.partPoint(gwr_CloseButton), mouse::kRight);
  EXPECT_TRUE(form().loaded());
  EXPECT_TRUE(log.events.empty());
}

TEST_F(SkinEvents, TheBackgroundReportsDoubleClicksAndBordersDoNot) {
  desktop().moveCursor(stage.partPoint(gwr_Back));
  desktop().doubleClick(mouse::kLeft);
  EXPECT_EQ(std::count(log.events.begin(), log.events.end(), "DblClick(6)"), 1);
  EXPECT_FALSE(skin().IsMaximized());
  // Borders report none: the second press is a click.
  desktop().moveCursor(stage.partPoint(gwr_BottomBar));
  desktop().doubleClick(mouse::kLeft);
  EXPECT_EQ(std::count(log.events.begin(), log.events.end(), "DblClick(3)"), 0);
  EXPECT_EQ(std::count(log.events.begin(), log.events.end(), "Click(3)"), 1);
}

TEST(SkinDoubleClicks, MaximizeButtonDoubleClickIsTwoClicks) {
  // A form in the top right corner, so the button stays under the pointer
  // when the form grows to the work area.
  SkinScenario s(Rect{480, 0, 1280, 600});
  s.desktop().moveCursor(s.stage.partPoint(gwr_MaximizeButton));
  s.desktop().doubleClick(mouse::kLeft);
  EXPECT_EQ(s.log.events, (Events{"Click(8)", "Click(8)"}));
  EXPECT_FALSE(s.skin().IsMaximized());
  EXPECT_EQ(s.formPixels().width(), 800);
}

TEST_F(SkinEvents, BareControlSurfaceCountsAsBack) {
  skin().SetBackgroundShow(false);
  const Point bare = stage.partPoint(gwr_Back, 50, 50);
  ASSERT_EQ(desktop().surfaceAt(bare), &stage.skinSurface());
  clickAt(bare);
  EXPECT_EQ(log.events, (Events{"MouseDown(6,1)", "MouseUp(6,1)", "Click(6)"}));
}

// The caption buttons light up under the pointer (ThemeActions.Applying...);
// how a hover comes and goes is the cell's (EventsTest.HoverRaises...).
TEST_F(SkinEvents, TheTitleBarDoesNotLightUpUnderThePointer) {
  enter(stage.partPoint(gwr_TitleBar, 100, 0));
  EXPECT_EQ(skin().part(gwr_TitleBar).CellState(), 0);
}

}  // namespace
}  // namespace glavo::test
