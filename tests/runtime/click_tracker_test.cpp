// The one Click/DblClick rule every input path follows.
#include <gtest/gtest.h>

#include "runtime/click_tracker.h"

namespace glavo::testing {
namespace {

TEST(ClickTrackerTest, APressAndItsReleaseInsideClickOnceUnlessThePressWasADoubleClick) {
  ClickTracker clicks;
  EXPECT_FALSE(clicks.press(false));
  EXPECT_TRUE(clicks.release(true));
  EXPECT_FALSE(clicks.release(true));  // one press, one click
  // The second press of a double click raises DblClick, its release no Click.
  EXPECT_TRUE(clicks.press(true));
  EXPECT_FALSE(clicks.release(true));
  // Released outside the surface: no click.
  clicks.press(false);
  EXPECT_FALSE(clicks.release(false));
  // A release without its press, or after a lost capture, clicks nothing.
  EXPECT_FALSE(clicks.release(true));
  clicks.press(false);
  EXPECT_TRUE(clicks.pressed());
  clicks.cancel();
  EXPECT_FALSE(clicks.pressed());
  EXPECT_FALSE(clicks.release(true));
}

}  // namespace
}  // namespace glavo::testing
