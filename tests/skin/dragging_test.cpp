// Moving the form by its title bar, and when the borders may resize it,
// driven through the simulated mouse. Each border's drag itself is in
// border_drag_test.cpp.
#include <gtest/gtest.h>

#include "skin_test_support.h"

namespace glavo::test {
namespace {

constexpr double kTwips = 15;

class Dragging : public testing::Test, public SkinScenario {};

TEST_F(Dragging, BordersShowResizeArrowsOnlyWhileResizingIsPossible) {
  const std::pair<SkinPartsGwr, std::int16_t> arrows[] = {{gwr_LeftBar, pointer::kSizeWE}, {gwr_BottomBar, pointer::kSizeNS},
                                                          {gwr_RightCorner, pointer::kSizeNWSE}, {gwr_LeftCorner, pointer::kSizeNESW}};
  for (auto [part, arrow] : arrows) {
    enter(stage.partPoint(part));
    EXPECT_EQ(skin().part(part).MousePointer(), arrow) << "part " << part;
  }

  skin().SetAllowResize(false);
  enter(stage.partPoint(gwr_RightBar));
  EXPECT_EQ(skin().part(gwr_RightBar).MousePointer(), pointer::kDefault);
  const Point grip = stage.partPoint(gwr_RightBar);
  drag(grip, {{grip.x + 60, grip.y}});
  EXPECT_EQ(form().bound(FormBound::kWidth), 800 * kTwips);
}

TEST_F(Dragging, TitleBarMovesTheFormThroughTheSystemMoveLoop) {
  const Point grip = stage.partPoint(gwr_TitleBar);
  stage.windows().scriptMoveLoop({{grip.x + 10, grip.y + 5}, {grip.x + 100, grip.y + 40}});
  desktop().moveCursor(grip);
  desktop().pressButton(mouse::kLeft);
  EXPECT_EQ(formPixels(), (Rect{340, 190, 1140, 790}));
  EXPECT_EQ(stage.windows().moveLoops(), 1);
  // The loop took the release: no MouseUp or Click reached the skin.
  EXPECT_EQ(log.events, (std::vector<std::string>{"MouseDown(0,1)"}));
  EXPECT_EQ(desktop().capture(), nullptr);
  // The right button moves it too.
  stage.windows().scriptMoveLoop({{grip.x - 40, grip.y}});
  desktop().pressButton(mouse::kRight);
  EXPECT_EQ(formPixels().left, 200);
}

TEST_F(Dragging, MaximizedFrameNeitherMovesNorResizes) {
  clickAt(stage.partPoint(gwr_MaximizeButton));
  ASSERT_TRUE(skin().IsMaximized());
  const Rect maximized = formPixels();

  const Point title = stage.partPoint(gwr_TitleBar);
  stage.windows().scriptMoveLoop({{title.x + 50, title.y + 50}});
  desktop().moveCursor(title);
  desktop().pressButton(mouse::kLeft);
  desktop().releaseButton(mouse::kLeft);
  EXPECT_EQ(stage.windows().moveLoops(), 0);

  enter(stage.partPoint(gwr_LeftBar));
  EXPECT_EQ(skin().part(gwr_LeftBar).MousePointer(), pointer::kDefault);
  const Point grip = stage.partPoint(gwr_LeftBar);
  drag(grip, {{grip.x + 50, grip.y}});
  EXPECT_EQ(formPixels(), maximized);
}

TEST_F(Dragging, ArmedMoveWaitsForAPressOnTheBackground) {
  stage.menus().scriptChoice(u"Move");
  clickAt(stage.partPoint(gwr_Icon));
  EXPECT_TRUE(skin().MoveArmed());
  EXPECT_EQ(stage.skinSurface().mousePointer(), pointer::kSizeAll);
  // The parts keep their own pointers.
  EXPECT_NE(skin().part(gwr_Back).MousePointer(), pointer::kSizeAll);

  // A press on a border does not take the armed move.
  const Point border = stage.partPoint(gwr_RightBar);
  drag(border, {});
  EXPECT_TRUE(skin().MoveArmed());

  const Point back = stage.partPoint(gwr_Back);
  stage.windows().scriptMoveLoop({{back.x + 30, back.y + 30}});
  desktop().moveCursor(back);
  desktop().pressButton(mouse::kLeft);
  EXPECT_EQ(formPixels().left, 270);
  EXPECT_EQ(formPixels().top, 180);
  EXPECT_FALSE(skin().MoveArmed());
  EXPECT_EQ(stage.skinSurface().mousePointer(), pointer::kDefault);
}

TEST_F(Dragging, ArmedMoveFromTheBareControlSurface) {
  skin().SetBackgroundShow(false);
  stage.menus().scriptChoice(u"Move");
  clickAt(stage.partPoint(gwr_Icon));
  const Point bare = stage.partPoint(gwr_Back, 100, 100);
  ASSERT_EQ(desktop().surfaceAt(bare), &stage.skinSurface());
  stage.windows().scriptMoveLoop({{bare.x - 10, bare.y}});
  desktop().moveCursor(bare);
  desktop().pressButton(mouse::kLeft);
  EXPECT_EQ(formPixels().left, 230);
  EXPECT_FALSE(skin().MoveArmed());
}

}  // namespace
}  // namespace glavo::test
