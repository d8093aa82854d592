// The cell's events: click kinds, double clicks, keys, animation of the
// looks, and hover detection by polling.
#include "cell_fixture.h"

namespace glavo::testing {
namespace {

using Events = std::vector<std::string>;

class EventsTest : public CellTest {
 protected:
  void SetUp() override {
    CellTest::SetUp();
    desktop.moveCursor(Inside());
    desktop.clock().advance(1);  // first tick: pointer inside, nothing raised
    recorder.take();
  }
  // Looks that tell the states apart by BlendSize.
  void Looks() {
    cell->SetCellStateNormalData(u"10");
    cell->SetCellStateOverData(u"11");
    cell->SetCellStateDownData(u"12");
    cell->SetAnimate(true);
  }
  // The state and its look from Looks().
  void ExpectState(int state) {
    EXPECT_EQ(cell->CellState(), state);
    EXPECT_EQ(cell->BlendSize(), 10 + state) << "state " << state;
  }
};

TEST_F(EventsTest, AClickFollowsTheButtonEventsItsKindTheRightButtonFlag) {
  desktop.click(mouse::kLeft);
  EXPECT_EQ(recorder.take(), (Events{"MouseDown 1", "MouseUp 1", "Click"}));
  // The right button flag chooses the click kind; a middle press keeps the
  // previous kind.
  const std::pair<std::int16_t, const char*> clicks[] = {
      {mouse::kRight, "RightClick"}, {mouse::kMiddle, "RightClick"}, {mouse::kLeft, "Click"}, {mouse::kMiddle, "Click"}};
  for (auto [button, kind] : clicks) {
    desktop.click(button);
    EXPECT_EQ(recorder.take().back(), kind) << "button " << button;
  }
  // The flag follows the button the MouseDown handler left.
  recorder.rewriteButton = mouse::kRight;
  desktop.click(mouse::kLeft);
  EXPECT_EQ(recorder.take().back(), "RightClick");
}

TEST_F(EventsTest, TheSecondClickIsAClickUnlessDoubleClicksAreReported) {
  desktop.doubleClick(mouse::kLeft);
  EXPECT_EQ(recorder.take(), (Events{"MouseDown 1", "MouseUp 1", "Click", "Click", "MouseUp 1"}));
  desktop.doubleClick(mouse::kRight);
  EXPECT_EQ(recorder.take(), (Events{"MouseDown 2", "MouseUp 2", "RightClick", "RightClick", "MouseUp 2"}));
  // With it, the double-click kinds.
  cell->SetDoubleClickEnable(true);
  desktop.doubleClick(mouse::kLeft);
  EXPECT_EQ(recorder.take()[3], "DblClick");
  desktop.doubleClick(mouse::kRight);
  EXPECT_EQ(recorder.take()[3], "RightDblClick");
}

// Mouse moves in the surface's units are HoverRaisesInOnceAndOutWhenThePointerLeaves'.
TEST_F(EventsTest, KeysArePassedOnWithTheirArguments) {
  desktop.click(mouse::kLeft);  // takes the focus
  recorder.take();
  desktop.keyDown(65, shift::kShift);
  desktop.keyPress(97);
  desktop.keyUp(65, 0);
  EXPECT_EQ(recorder.take(), (Events{"KeyDown 65 1", "KeyPress 97", "KeyUp 65 0"}));
}

TEST_F(EventsTest, AnAnimatedCellFollowsTheButtonAndTheFocus) {
  Looks();
  desktop.pressButton(mouse::kLeft);
  ExpectState(2);
  desktop.releaseButton(mouse::kLeft);
  ExpectState(1);
  desktop.setFocus(form.get());
  ExpectState(0);
  cell->SetDoubleClickEnable(true);
  desktop.doubleClick(mouse::kLeft);
  EXPECT_EQ(cell->CellState(), 1);  // the double-click's own MouseUp ends it
}

// Without Animate the hover events still arrive, but the state never moves.
TEST_F(EventsTest, WithoutAnimateTheStateNeverMoves) {
  cell->SetCellStateDownData(u"12");
  desktop.click(mouse::kLeft);
  desktop.doubleClick(mouse::kLeft);
  desktop.setFocus(form.get());
  recorder.take();
  desktop.hover(Outside(), 1);
  desktop.hover(Inside(), 1);
  desktop.hover(Outside(), 5);
  EXPECT_EQ(recorder.take(), (Events{"MouseOut", "MouseMove 5,5", "MouseIn", "MouseOut"}));
  EXPECT_EQ(cell->CellState(), 0);
  EXPECT_EQ(cell->BlendSize(), 1);
}

TEST_F(EventsTest, HoverRaisesInOnceAndOutWhenThePointerLeaves) {
  Looks();
  desktop.hover(Outside(), 1);
  EXPECT_EQ(recorder.take(), Events{"MouseOut"});
  ExpectState(0);
  EXPECT_FALSE(cell->overTimer().enabled());
  desktop.clock().advance(50);  // idle: the timer is stopped
  EXPECT_TRUE(recorder.take().empty());

  desktop.hover(Inside(), 1);
  EXPECT_EQ(recorder.take(), (Events{"MouseMove 5,5", "MouseIn"}));
  ExpectState(1);
  desktop.hover(Inside(6, 6), 20);  // resting inside raises nothing more
  EXPECT_EQ(recorder.take(), Events{"MouseMove 6,6"});

  desktop.hover(Outside(), 1);
  EXPECT_EQ(recorder.take(), Events{"MouseOut"});
  ExpectState(0);
}

TEST_F(EventsTest, ReleasingOutsideEndsInTheOverState) {
  Looks();
  desktop.hover(Outside(), 1);
  desktop.hover(Inside(), 1);
  desktop.pressButton(mouse::kLeft);
  recorder.take();
  desktop.moveCursor(Outside());  // captured: the cell still gets the move
  desktop.clock().advance(1);
  EXPECT_EQ(recorder.take(), (Events{"MouseMove -105,-115", "MouseOut"}));
  EXPECT_EQ(cell->CellState(), 0);
  desktop.moveCursor(Point{6, 6});  // each captured move re-arms the poll
  desktop.clock().advance(1);
  EXPECT_EQ(recorder.take().back(), "MouseOut");
  desktop.releaseButton(mouse::kLeft);
  EXPECT_EQ(recorder.take(), Events{"MouseUp 1"});  // no click outside
  EXPECT_EQ(cell->CellState(), 1);
}

}  // namespace
}  // namespace glavo::testing
