// Dragging the form through the simulated mouse: moving it by its title
// bar, when the borders may resize it, and resizing by each of the five
// border parts. The pointer is a screen position and every move reports it
// relative to where the dragged part is by then, as real windows do.
#include <gtest/gtest.h>

#include <ostream>

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
  EXPECT_EQ(formPixels(), (Rect{270, 180, 1070, 780}));
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

constexpr Rect kStart{240, 150, 1040, 750};

// A border part and the way the pointer moves to grow the form with it.
struct Border {
  SkinPartsGwr part;
  int dirX;  // -1: drags the left edge, 1: the right edge, 0: neither
  int dirY;  // 1: drags the bottom edge
  const char* name;
};

void PrintTo(const Border& b, std::ostream* os) { *os << b.name; }

// The form's bounds after its dragged edges moved outwards by `grow` pixels
// across and `growY` down.
Rect Grown(const Border& b, int grow, int growY) {
  Rect r = kStart;
  if (b.dirX > 0) r.right += grow;
  if (b.dirX < 0) r.left -= grow;
  if (b.dirY > 0) r.bottom += growY;
  return r;
}

Rect Grown(const Border& b, int grow) { return Grown(b, grow, grow); }

class BorderDrag : public testing::TestWithParam<Border>, public SkinScenario {
 protected:
  const Border& border() const { return GetParam(); }
  // `from` moved by `pixels` in the direction that grows the form.
  Point Along(Point from, int pixels) const {
    return Point{from.x + border().dirX * pixels, from.y + border().dirY * pixels};
  }
  void Press(Point at) {
    desktop().moveCursor(at);
    desktop().pressButton(mouse::kLeft);
  }
  // Moves the pointer `count` times by `pixels` (negative: shrinks).
  Point Steps(Point from, int count, int pixels) {
    for (int i = 1; i <= count; ++i) desktop().moveCursor(Along(from, i * pixels));
    return Along(from, count * pixels);
  }
  bool PartUnder(Point p) { return desktop().surfaceAt(p) == &skin().part(border().part).surface(); }
};

// Every step adds only the movement since the previous event, so the edge
// keeps pace with the pointer whether it goes out or back.
TEST_P(BorderDrag, SmallMovesFollowThePointerOutAndBack) {
  const Point grip = stage.partPoint(border().part);
  Press(grip);
  Point at = Steps(grip, 12, 5);
  EXPECT_EQ(formPixels(), Grown(border(), 60));
  EXPECT_TRUE(PartUnder(at)) << "the part stays under the pointer";
  at = Steps(at, 7, -3);
  EXPECT_EQ(formPixels(), Grown(border(), 39));
  EXPECT_TRUE(PartUnder(at));
  desktop().releaseButton(mouse::kLeft);
  EXPECT_FALSE(skin().Resizing());
  // Released: moving on changes nothing.
  desktop().moveCursor(Along(at, 20));
  EXPECT_EQ(formPixels(), Grown(border(), 39));
}

TEST_P(BorderDrag, OneLargeMoveGrowsByExactlyItsTwips) {
  const Point grip = stage.partPoint(border().part);
  const int pumped = stage.pump().calls();
  Press(grip);
  desktop().moveCursor(Along(grip, 50));
  EXPECT_EQ(stage.pump().calls(), pumped + 1);  // the step let the form repaint
  const double width = border().dirX ? 850 * kTwips : 800 * kTwips;
  const double height = border().dirY ? 650 * kTwips : 600 * kTwips;
  EXPECT_EQ(form().bound(FormBound::kWidth), width);
  EXPECT_EQ(form().bound(FormBound::kHeight), height);
  EXPECT_EQ(form().bound(FormBound::kLeft), border().dirX < 0 ? 190 * kTwips : 240 * kTwips);
  EXPECT_TRUE(PartUnder(Along(grip, 50)));
  // The next small move adds just its own distance.
  desktop().moveCursor(Along(grip, 51));
  EXPECT_EQ(formPixels(), Grown(border(), 51));
  desktop().releaseButton(mouse::kLeft);
  const std::string part = std::to_string(border().part);
  EXPECT_EQ(log.events, (std::vector<std::string>{"MouseDown(" + part + ",1)", "MouseUp(" + part + ",1)",
                                                  "Click(" + part + ")"}));
}

// 101 pixels is the least a dragged edge leaves; one pixel more is refused.
TEST_P(BorderDrag, TheSmallestSizeIsOneHundredAndOnePixels) {
  const Point grip = stage.partPoint(border().part);
  Press(grip);
  const Point least{grip.x - border().dirX * 699, grip.y - border().dirY * 499};
  desktop().moveCursor(least);
  EXPECT_EQ(formPixels(), Grown(border(), -699, -499));
  desktop().moveCursor(Point{least.x - border().dirX, least.y - border().dirY});
  EXPECT_EQ(formPixels(), Grown(border(), -699, -499));
  desktop().releaseButton(mouse::kLeft);
}

// Shrinking by 7-pixel steps: the height stops at 103 pixels after 71 steps,
// the width at 107 after 99. A refused dimension stays (and so does the left
// edge) while a corner's other dimension goes on changing.
TEST_P(BorderDrag, ShrinkingStopsAboveOneHundredPixels) {
  const Point grip = stage.partPoint(border().part);
  Press(grip);
  Point at = Steps(grip, 80, -7);
  // kStart's right edge stays throughout: the left edge moves only with an
  // accepted width.
  Rect want = kStart;
  if (border().dirX > 0) want.right = kStart.left + 240;
  if (border().dirX < 0) want.left = kStart.right - 240;
  if (border().dirY > 0) want.bottom = kStart.top + 103;
  EXPECT_EQ(formPixels(), want);

  at = Steps(at, 40, -7);
  if (border().dirX > 0) want.right = kStart.left + 107;
  if (border().dirX < 0) want.left = kStart.right - 107;
  EXPECT_EQ(formPixels(), want);

  // A refused step still records the pointer: moving back grows at once.
  Steps(at, 1, 10);
  if (border().dirX > 0) want.right += 10;
  if (border().dirX < 0) want.left -= 10;
  if (border().dirY > 0) want.bottom += 10;
  EXPECT_EQ(formPixels(), want);
  desktop().releaseButton(mouse::kLeft);
}

// A move that arrives while a step lets pending messages run is a step of
// its own, inside the first one, measured from the part the first step moved.
TEST_P(BorderDrag, MoveDuringTheDispatchIsANestedStep) {
  const Point grip = stage.partPoint(border().part);
  Press(grip);
  desktop().queueCursorMove(Along(grip, 15));
  const int movesBefore = log.mouseMoves;
  desktop().moveCursor(Along(grip, 10));
  EXPECT_EQ(log.mouseMoves - movesBefore, 2) << "the queued move ran during the first step";
  EXPECT_EQ(desktop().queuedInput(), 0u);
  EXPECT_EQ(formPixels(), Grown(border(), 15));
  desktop().moveCursor(Along(grip, 20));
  EXPECT_EQ(formPixels(), Grown(border(), 20));
  EXPECT_TRUE(PartUnder(Along(grip, 20)));
  desktop().releaseButton(mouse::kLeft);
}

INSTANTIATE_TEST_SUITE_P(AllBorders, BorderDrag,
                         testing::Values(Border{gwr_LeftBar, -1, 0, "LeftBar"},
                                         Border{gwr_RightBar, 1, 0, "RightBar"},
                                         Border{gwr_BottomBar, 0, 1, "BottomBar"},
                                         Border{gwr_LeftCorner, -1, 1, "LeftCorner"},
                                         Border{gwr_RightCorner, 1, 1, "RightCorner"}),
                         [](const testing::TestParamInfo<Border>& info) { return info.param.name; });

}  // namespace
}  // namespace glavo::test
