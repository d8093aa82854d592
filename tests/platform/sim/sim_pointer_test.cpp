// The simulated pointer as window-dragging code relies on it: moves that
// wait in the queue for the next dispatch. That a captured move is measured
// from where its window is when it is delivered, as the window moves or
// grows, is BorderDrag.SmallMovesFollowThePointerOutAndBack's (every border,
// the left ones moving the form itself).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_message_pump.h"
#include "platform/sim/sim_surface.h"

namespace glavo::sim {
namespace {

// Records each move's coordinates and runs `onMove` after recording.
class MoveLog final : public ControlEvents {
 public:
  void onMouseMove(std::int16_t&, std::int16_t&, float& x, float& y) override {
    moves.push_back(Point{static_cast<int>(x), static_cast<int>(y)});
    if (onMove) onMove();
  }
  std::vector<Point> moves;
  std::function<void()> onMove;
};

class SimPointer : public testing::Test {
 protected:
  SimPointer() {
    bar = std::unique_ptr<SimSurface>(static_cast<SimSurface*>(window->createChild().release()));
    bar->move(390, 0, 10, 300);
    bar->setVisible(true);
    bar->setEventSink(&log);
  }
  SimDesktop desktop{800, 600};
  std::unique_ptr<SimSurface> window = desktop.createWindow(Rect{100, 100, 500, 400});
  std::unique_ptr<SimSurface> bar;
  MoveLog log;
};

TEST_F(SimPointer, QueuedMovesWaitForTheDispatchAndMayNest) {
  SimMessagePump pump{desktop};
  desktop.moveCursor(Point{495, 150});
  desktop.pressButton(mouse::kLeft);
  desktop.queueCursorMove(Point{500, 150});
  desktop.queueCursorMove(Point{505, 150});
  EXPECT_EQ(log.moves.size(), 1u) << "queued moves wait";
  // The handler of the first queued move moves the bar and dispatches: the
  // second is delivered inside it, measured from the moved bar.
  int depth = 0;
  log.onMove = [&] {
    if (depth > 0) return;
    ++depth;
    bar->move(393, 0, 10, 300);
    pump.doEvents();
    --depth;
  };
  pump.doEvents();
  EXPECT_EQ(log.moves, (std::vector<Point>{{5, 50}, {10, 50}, {12, 50}}));
  EXPECT_EQ(desktop.queuedInput(), 0u);
  EXPECT_EQ(desktop.cursorPos(), (Point{505, 150}));
  EXPECT_EQ(pump.calls(), 2);
  // Without a desktop the pump leaves the queue alone.
  desktop.queueCursorMove(Point{510, 150});
  SimMessagePump timersOnly{desktop.clock()};
  timersOnly.doEvents();
  EXPECT_EQ(desktop.queuedInput(), 1u);
}

}  // namespace
}  // namespace glavo::sim
