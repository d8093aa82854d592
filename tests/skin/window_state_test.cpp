// Maximizing to the work area or to full screen, restoring, minimizing,
// and noticing what others do to the form.
#include <gtest/gtest.h>

#include "skin_test_support.h"

namespace glavo::test {
namespace {

constexpr double kTwips = 15;
const Rect kWorkArea{0, 0, 1280, 760};  // 1280x800 screen less a 40-pixel taskbar

class WindowStates : public testing::Test, public SkinScenario {
 protected:
  void doubleClickTitle() {
    desktop().moveCursor(stage.partPoint(gwr_TitleBar, 100, 0));
    desktop().doubleClick(mouse::kLeft);
  }
  const std::u16string& restoreCaption() { return skin().mnuSys()[mnuRestore].caption; }
  std::u16string maxToolTip() { return skin().part(gwr_MaximizeButton).surface().toolTipText(); }
};

TEST_F(WindowStates, WorkAreaMaximizeAndRestoreCentred) {
  clickAt(stage.partPoint(gwr_MaximizeButton));
  EXPECT_EQ(formPixels(), kWorkArea);
  EXPECT_EQ(form().windowState(), FormWindowState::kNormal);
  EXPECT_EQ(skin().SkinState(), gwr_Maximized);
  EXPECT_EQ(skin().part(gwr_MaximizeButton).SymbolNo(), 50);
  EXPECT_EQ(maxToolTip(), u"Restore");
  EXPECT_EQ(restoreCaption(), u"Restore   (Alt + Enter)");
  // The frame fills the work area.
  EXPECT_EQ(stage.skinSurface().bounds(), (Rect{0, 0, 1280, 760}));
  EXPECT_EQ(partBounds(gwr_CloseButton).left, 1280 - 2 - 24);
  stage.tick(30);  // the toggle's own size change is not taken as a restore
  EXPECT_TRUE(skin().IsMaximized());

  clickAt(stage.partPoint(gwr_MaximizeButton));
  // The old size, centred on the whole screen rather than at the old place.
  EXPECT_EQ(formPixels(), (Rect{240, 100, 1040, 700}));
  EXPECT_EQ(skin().SkinState(), gwr_Normal);
  EXPECT_EQ(skin().part(gwr_MaximizeButton).SymbolNo(), 49);
  EXPECT_EQ(maxToolTip(), u"Maximize");
  EXPECT_EQ(restoreCaption(), u"Maximize   (Alt + Enter)");
  EXPECT_EQ(log.events, (std::vector<std::string>{"Click(8)", "Click(8)"}));
}

// Re-bound to a new surface, the same control goes on: maximized, with the
// bounds to restore, its events, and drawn as before.
TEST_F(WindowStates, ReboundControlKeepsItsMaximizedStateAndBoundsToRestore) {
  skin().SetBodyTheme(gwr_Vista);
  skin().SetCaption(u"Orders");
  clickAt(stage.partPoint(gwr_MaximizeButton));
  desktop().hover(stage.partPoint(gwr_Back), 30);
  const TwipsRect restore = skin().RestoreRect();
  const raster::Bitmap before = stage.render();
  stage.rebind();
  stage.tick(30);
  EXPECT_TRUE(skin().IsMaximized());
  EXPECT_EQ(skin().SkinState(), gwr_Maximized);
  EXPECT_EQ(skin().RestoreRect(), restore);
  EXPECT_EQ(maxToolTip(), u"Restore");
  EXPECT_TRUE(stage.render().pixels() == before.pixels());
  clickAt(stage.partPoint(gwr_MaximizeButton));
  EXPECT_EQ(formPixels(), (Rect{240, 100, 1040, 700}));
  EXPECT_EQ(log.events, (std::vector<std::string>{"Click(8)", "Click(8)"}));
}

TEST_F(WindowStates, TitleBarDoubleClickTogglesInBothModes) {
  doubleClickTitle();
  EXPECT_EQ(formPixels(), kWorkArea);
  EXPECT_NE(std::find(log.events.begin(), log.events.end(), "DblClick(0)"), log.events.end());
  doubleClickTitle();
  EXPECT_EQ(formPixels().width(), 800);

  skin().SetAllowFullScreen(true);
  doubleClickTitle();
  EXPECT_EQ(form().windowState(), FormWindowState::kMaximized);
  EXPECT_TRUE(skin().IsMaximized());
  // The control's Resize saw the maximized form and took the short caption.
  EXPECT_EQ(restoreCaption(), u"Restore");
  EXPECT_EQ(stage.skinSurface().bounds(), (Rect{0, 0, 1280, 800}));
  doubleClickTitle();
  EXPECT_EQ(form().windowState(), FormWindowState::kNormal);
  EXPECT_EQ(formPixels().width(), 800);
  EXPECT_FALSE(skin().IsMaximized());
}

TEST_F(WindowStates, SkinStateTwoBecomesTheWorkAreaAtTheNextTick) {
  skin().SetSkinState(gwr_Maximized);
  EXPECT_EQ(form().windowState(), FormWindowState::kMaximized);
  EXPECT_EQ(skin().SkinState(), gwr_Maximized);
  stage.tick(10);
  EXPECT_EQ(form().windowState(), FormWindowState::kNormal);
  EXPECT_EQ(formPixels(), kWorkArea);
  EXPECT_TRUE(skin().IsMaximized());
  // Restoring returns to the size saved before, centred.
  clickAt(stage.partPoint(gwr_MaximizeButton));
  EXPECT_EQ(formPixels(), (Rect{240, 100, 1040, 700}));
}

TEST_F(WindowStates, NothingChangesWithoutResizeOrMaximizeButton) {
  skin().SetAllowResize(false);
  const Rect before = formPixels();
  clickAt(stage.partPoint(gwr_MaximizeButton));
  doubleClickTitle();
  desktop().setFocus(&stage.skinSurface());
  desktop().keyDown(13, shift::kAlt);
  stage.menus().scriptChoice(mnuRestore);
  clickAt(stage.partPoint(gwr_Icon));
  EXPECT_EQ(formPixels(), before);
  EXPECT_FALSE(skin().IsMaximized());
  // The events were still raised: button, menu item and shortcut.
  EXPECT_EQ(std::count(log.events.begin(), log.events.end(), "Click(8)"), 3);

  skin().SetAllowResize(true);
  skin().SetShowMaximizeButton(false);
  doubleClickTitle();
  EXPECT_EQ(formPixels(), before);
}

TEST_F(WindowStates, MinimizeAndRestoreFromTheTaskbarKeepsTheMaximizedFrame) {
  clickAt(stage.partPoint(gwr_MaximizeButton));
  clickAt(stage.partPoint(gwr_MinimizeButton));
  stage.tick(30);
  skin().Refresh();
  EXPECT_EQ(skin().SkinState(), gwr_Minimized);
  form().setWindowState(FormWindowState::kNormal);  // the user clicks the taskbar button
  stage.tick(30);
  skin().Refresh();
  EXPECT_TRUE(skin().IsMaximized());
  EXPECT_EQ(skin().SkinState(), gwr_Maximized);
  EXPECT_EQ(formPixels(), kWorkArea);
}

TEST_F(WindowStates, TimerPicksUpAHostResizeAndLaysOutAgain) {
  form().setBound(FormBound::kWidth, 500 * kTwips);
  form().setBound(FormBound::kHeight, 350 * kTwips);
  EXPECT_EQ(partBounds(gwr_CloseButton).left, 800 - 2 - 24);  // not yet seen
  stage.tick(10);
  // The parts are placed in the control's new size.
  EXPECT_EQ(partBounds(gwr_CloseButton).left, 500 - 2 - 24);
  EXPECT_EQ(partBounds(gwr_BottomBar).top, 350 - 3);
  EXPECT_EQ(skin().RestoreRect(), (TwipsRect{240 * 15, 150 * 15, 740 * 15, 500 * 15}));
  // A later maximize and restore comes back at the new size.
  clickAt(stage.partPoint(gwr_MaximizeButton));
  clickAt(stage.partPoint(gwr_MaximizeButton));
  EXPECT_EQ(formPixels(), (Rect{390, 225, 890, 575}));
}

TEST_F(WindowStates, TheWorkAreaIsTheDesktopLessTheTaskbarsHeight) {
  stage.windows().setTaskbar(std::nullopt);
  clickAt(stage.partPoint(gwr_MaximizeButton));
  EXPECT_EQ(formPixels(), (Rect{0, 0, 1280, 800}));
  // A taskbar's height is taken off the bottom wherever it sits.
  clickAt(stage.partPoint(gwr_MaximizeButton));
  stage.windows().setTaskbar(Rect{0, 0, 1280, 30});  // docked at the top
  clickAt(stage.partPoint(gwr_MaximizeButton));
  EXPECT_EQ(formPixels(), (Rect{0, 0, 1280, 770}));
}

TEST_F(WindowStates, MinimizeButtonAndMenuItemMinimizeAlike) {
  clickAt(stage.partPoint(gwr_MinimizeButton));
  EXPECT_EQ(form().windowState(), FormWindowState::kMinimized);  // which hides it: SimFormTest's
  form().setWindowState(FormWindowState::kNormal);
  stage.menus().scriptChoice(u"Minimize");
  clickAt(stage.partPoint(gwr_Icon));
  EXPECT_EQ(form().windowState(), FormWindowState::kMinimized);
  // The menu chose Minimize while the button was down; the form was gone
  // before the release, so the icon saw no click.
  EXPECT_EQ(log.events, (std::vector<std::string>{"Click(9)", "Click(9)", "MouseUp(11,1)"}));
}

TEST_F(WindowStates, DesignerStopsTheTimerAfterItsFirstTick) {
  stage::SkinStage designer;
  designer.skinSurface().setUserMode(false);
  designer.place();
  EXPECT_TRUE(designer.skin().tmrDetect().enabled());
  designer.tick(10);
  EXPECT_FALSE(designer.skin().tmrDetect().enabled());
  // The parts are laid out exactly as at run time.
  EXPECT_EQ(designer.skin().part(gwr_CloseButton).surface().bounds(), (Rect{774, 3, 798, 27}));
}

}  // namespace
}  // namespace glavo::test
