// The software host's form and window manager, as the skin relies on them.
#include <gtest/gtest.h>

#include "platform/sim/sim_form.h"
#include "host_error_of.h"
#include "platform/sim/sim_window_api.h"

namespace glavo::sim {
namespace {

class SimFormTest : public testing::Test {
 protected:
  SimDesktop desktop{1024, 768};
  SimScreen screen{Size{1024, 768}};
  SimForm form{desktop, screen, Rect{100, 50, 500, 350}, u"Orders"};
};

TEST_F(SimFormTest, BoundsAreTwipsAndTheWindowFollowsInPixels) {
  EXPECT_EQ(form.bound(FormBound::kLeft), 1500);
  EXPECT_EQ(form.bound(FormBound::kWidth), 6000);
  form.setBound(FormBound::kWidth, 7500.0);
  form.setBound(FormBound::kTop, 1200);
  EXPECT_EQ(form.pixelBounds(), (Rect{100, 80, 600, 380}));
  EXPECT_EQ(form.window().bounds(), (Rect{100, 80, 600, 380}));
  // A bordered form's client area is smaller than the window; a borderless one is not.
  EXPECT_LT(form.scaleHeight(), form.bound(FormBound::kHeight));
  form.setBorderStyle(FormBorderStyle::kNone);
  EXPECT_EQ(form.scaleWidth(), 7500);
  EXPECT_EQ(form.scaleHeight(), 4500);
}

TEST_F(SimFormTest, RefusalsRaiseTheHostsError) {
  using test_support::HostErrorOf;
  EXPECT_EQ(HostErrorOf([&] { form.setBound(FormBound::kWidth, -1); }), 5);
  EXPECT_EQ(HostErrorOf([&] { form.setWindowState(static_cast<FormWindowState>(3)); }), 380);
  form.setWindowState(FormWindowState::kMaximized);
  EXPECT_EQ(HostErrorOf([&] { form.setBound(FormBound::kLeft, 0.0); }), 384);
  form.removeMember(SimForm::Member::kIcon);
  EXPECT_EQ(HostErrorOf([&] { form.icon(); }), 438);
  EXPECT_EQ(HostErrorOf([&] { form.setIcon(nullptr); }), 438);
  EXPECT_EQ(HostErrorOf([&] { form.caption(); }), 0);
}

TEST_F(SimFormTest, MaximizedCoversTheScreenAndRestoresItsBounds) {
  form.setWindowState(FormWindowState::kMaximized);
  EXPECT_EQ(form.pixelBounds(), (Rect{0, 0, 1024, 768}));
  EXPECT_EQ(form.bound(FormBound::kWidth), 1024 * 15);
  form.setWindowState(FormWindowState::kMinimized);
  EXPECT_FALSE(form.window().visible());
  form.setWindowState(FormWindowState::kNormal);
  EXPECT_TRUE(form.window().visible());
  EXPECT_EQ(form.pixelBounds(), (Rect{100, 50, 500, 350}));
}

TEST_F(SimFormTest, UnloadCanBeRefused) {
  bool refuse = true;
  form.setQueryUnload([&] { return refuse; });
  form.unload();
  EXPECT_TRUE(form.loaded());
  refuse = false;
  form.unload();
  EXPECT_FALSE(form.loaded());
  EXPECT_FALSE(form.window().visible());
  EXPECT_EQ(form.unloadRequests(), 2);
}

// The window text is Persistence.UnicodeCaptionReachesTheWindowDecoded's; the
// desktop window's rectangle, WindowStates.TheWorkAreaIsTheDesktopLessTheTaskbarsHeight's;
// that a style set reads back, Persistence.FirstPlacementTakesOverTheForm's.
TEST_F(SimFormTest, WindowManagerKnowsStylesTaskbarAndDesktop) {
  SimWindowApi windows(desktop);
  EXPECT_EQ(windows.setWindowLong(form.hwnd(), kGwlStyle, 0x12340000), 0x16CF0000);
  const WindowHandle tray = windows.findWindow("Shell_TrayWnd", "");
  Rect r;
  ASSERT_TRUE(windows.getWindowRect(tray, r));
  EXPECT_EQ(r, (Rect{0, 728, 1024, 768}));
  EXPECT_EQ(windows.findWindow("Shell_TrayWnd", "Taskbar"), 0u);
  EXPECT_FALSE(windows.getWindowRect(0xDEAD, r));
}

}  // namespace
}  // namespace glavo::sim
