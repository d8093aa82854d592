// The control framework of the software host: timers on the simulated
// clock, windows under the cursor, queued pointer moves, the property bag,
// picture boxes and pictures.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <tuple>

#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_message_pump.h"
#include "platform/sim/sim_surface.h"
#include "runtime/ordered_property_bag.h"
#include "runtime/picture_box.h"

namespace glavo::testing {
namespace {

TEST(SimClockTest, TimersTickInDueOrderOnlyWhileEnabled) {
  sim::SimClock clock;
  std::vector<std::string> ticks;
  auto fast = clock.createTimer();
  auto slow = clock.createTimer();
  auto idle = clock.createTimer();
  fast->setHandler([&] { ticks.push_back("fast@" + std::to_string(clock.now())); });
  slow->setHandler([&] { ticks.push_back("slow@" + std::to_string(clock.now())); });
  idle->setHandler([&] { ticks.push_back("idle"); });
  fast->setInterval(4);
  slow->setInterval(10);
  idle->setEnabled(true);  // interval 0 never ticks
  fast->setEnabled(true);
  slow->setEnabled(true);
  clock.advance(12);
  EXPECT_EQ(ticks, (std::vector<std::string>{"fast@4", "fast@8", "slow@10", "fast@12"}));
  fast->setEnabled(false);
  ticks.clear();
  clock.advance(10);
  EXPECT_EQ(ticks, (std::vector<std::string>{"slow@20"}));
  EXPECT_EQ(clock.now(), 22);
}

TEST(SimClockTest, ATimerMayStopOrDestroyItselfInItsHandler) {
  sim::SimClock clock;
  auto timer = clock.createTimer();
  int count = 0;
  timer->setInterval(1);
  timer->setHandler([&] {
    if (++count == 3) timer.reset();
  });
  timer->setEnabled(true);
  clock.advance(10);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(clock.activeTimers(), 0);
}

class DesktopTest : public ::testing::Test {
 protected:
  sim::SimDesktop desktop{400, 300};
  std::unique_ptr<sim::SimSurface> back = desktop.createWindow(Rect{0, 0, 200, 200});
  std::unique_ptr<sim::SimSurface> front = desktop.createWindow(Rect{100, 100, 300, 300});
};

TEST_F(DesktopTest, TheTopmostVisibleWindowOrChildLiesUnderThePoint) {
  EXPECT_EQ(desktop.windowFromPoint({150, 150}), front->hwnd());
  EXPECT_EQ(desktop.windowFromPoint({50, 50}), back->hwnd());
  EXPECT_EQ(desktop.windowFromPoint({350, 50}), 0u);
  back->bringToFront();
  EXPECT_EQ(desktop.windowFromPoint({150, 150}), back->hwnd());
  back->setVisible(false);
  EXPECT_EQ(desktop.windowFromPoint({150, 150}), front->hwnd());
  front->setEnabled(false);  // disabled windows take no mouse input
  EXPECT_EQ(desktop.windowFromPoint({150, 150}), 0u);
  front->setEnabled(true);
  // Children are found inside their parent and stack in creation order.
  auto a = front->createChild();
  auto b = front->createChild();
  a->move(10, 10, 50, 50);
  b->move(30, 30, 50, 50);
  EXPECT_EQ(desktop.windowFromPoint({120, 120}), front->hwnd());  // children start hidden
  a->setVisible(true);
  b->setVisible(true);
  EXPECT_EQ(desktop.windowFromPoint({120, 120}), a->hwnd());
  EXPECT_EQ(desktop.windowFromPoint({140, 140}), b->hwnd());
  a->bringToFront();
  EXPECT_EQ(desktop.windowFromPoint({140, 140}), a->hwnd());
  EXPECT_EQ(a->containerHwnd(), front->hwnd());
  EXPECT_EQ(static_cast<sim::SimSurface&>(*a).screenOrigin(), (Point{110, 110}));
}

TEST_F(DesktopTest, MaskedPixelsLetThePointThrough) {
  std::vector<std::uint32_t> mask(200 * 200, 0xFFFFFFFFu);
  mask[60 * 200 + 50] = 0xFF000000u;  // (50, 60) black
  front->setMaskPicture(std::make_shared<Picture>(PictureType::kBitmap, 200, 200, mask));
  front->setMaskColor(0);
  EXPECT_EQ(desktop.windowFromPoint({150, 160}), back->hwnd());
  EXPECT_EQ(desktop.windowFromPoint({151, 160}), front->hwnd());
  const raster::Bitmap shot = front->imageWithMask();
  EXPECT_EQ(shot.at(50, 60) >> 24, 0u);
  EXPECT_EQ(shot.at(51, 60) >> 24, 255u);
}

class Sink : public ControlEvents {
 public:
  std::vector<std::string> log;
  void onShow() override { log.push_back("Show"); }
  void onResize() override { log.push_back("Resize"); }
  void onGotFocus() override { log.push_back("GotFocus"); }
  void onLostFocus() override { log.push_back("LostFocus"); }
  void onMouseDown(std::int16_t& b, std::int16_t&, float&, float&) override { log.push_back("Down" + std::to_string(b)); }
  void onMouseUp(std::int16_t& b, std::int16_t&, float&, float&) override { log.push_back("Up" + std::to_string(b)); }
  void onClick() override { log.push_back("Click"); }
};

// How clicks follow presses, inside and outside a captured surface, is
// ClickTracker's and the cell's (EventsTest.ReleasingOutsideEndsInTheOverState).
TEST_F(DesktopTest, ShowResizeAndFocusReachTheSink) {
  auto child = back->createChild();
  Sink sink;
  child->setEventSink(&sink);
  child->move(0, 0, 20, 20);
  child->move(5, 5, 20, 20);  // a move without a size change raises nothing
  child->setVisible(true);
  child->setVisible(true);
  desktop.moveCursor({10, 10});
  desktop.click(mouse::kRight);  // the press takes the focus
  desktop.setFocus(front.get());
  EXPECT_EQ(sink.log, (std::vector<std::string>{"Resize", "Show", "GotFocus", "Down2", "Up2", "Click", "LostFocus"}));
}

// Moves queued for the next dispatch, as window-dragging code relies on
// them. That a captured move is measured from where its window is when it
// is delivered, as the window moves or grows, is
// BorderDrag.SmallMovesFollowThePointerOutAndBack's (every border, the left
// ones moving the form itself).

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

class SimPointer : public ::testing::Test {
 protected:
  SimPointer() {
    bar = std::unique_ptr<sim::SimSurface>(static_cast<sim::SimSurface*>(window->createChild().release()));
    bar->move(390, 0, 10, 300);
    bar->setVisible(true);
    bar->setEventSink(&log);
  }
  sim::SimDesktop desktop{800, 600};
  std::unique_ptr<sim::SimSurface> window = desktop.createWindow(Rect{100, 100, 500, 400});
  std::unique_ptr<sim::SimSurface> bar;
  MoveLog log;
};

TEST_F(SimPointer, QueuedMovesWaitForTheDispatchAndMayNest) {
  sim::SimMessagePump pump{desktop};
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
}

// How texts read as numbers is number_text_test.cpp's; that defaults are
// not written and missing keys read them, the cell and skin persistence
// tests'.
TEST(PropertyBagTest, AnIntegerReadOfAValueBeyondSixteenBitsGivesTheDefault) {
  OrderedPropertyBag bag;
  bag.write("e", 70000.0);
  EXPECT_EQ(ReadInteger(bag, "e", 3), 3);
}

class PictureBoxTest : public ::testing::Test {
 protected:
  sim::SimDesktop desktop{100, 100};
  std::unique_ptr<sim::SimSurface> window = desktop.createWindow(Rect{0, 0, 50, 50});
  std::unique_ptr<PictureBox> pic = window->createPictureBox(20, 10);
  void SetUp() override { pic->setBackColor(0xFFFFFF); }
};

TEST_F(PictureBoxTest, DrawsTranslatedColoursAndTheImageIsASnapshot) {
  // Apart from each other: no shape reaches another's points.
  pic->line(2, 3, 6, 3, 0xFF);
  pic->line(9, 8, 9, 4, 0xFF00);  // upwards: (9, 4) is left out
  pic->box(12, 2, 15, 6, 0xFF0000);
  pic->filledBox(0, 0, 1, 1, 0x123456);
  const std::tuple<int, int, Rgb> points[] = {{2, 3, 0xFF},     {5, 3, 0xFF},       {6, 3, 0xFFFFFF}, {9, 8, 0xFF00},
                                              {9, 5, 0xFF00},   {9, 4, 0xFFFFFF},   {15, 6, 0xFF0000}, {13, 4, 0xFFFFFF},
                                              {1, 1, 0x123456}, {2, 2, 0xFFFFFF}};
  for (auto [x, y, rgb] : points) EXPECT_EQ(pic->point(x, y), rgb) << x << "," << y;
  // System colours are translated.
  pic->setBackColor(0x80000005);  // window background
  EXPECT_EQ(pic->point(3, 3), 0xFFFFFFu);
  const PictureRef shot = pic->image();
  pic->pset(3, 3, 0);
  EXPECT_EQ(shot->rgbAt(3, 3), 0xFFFFFFu);
  EXPECT_EQ(pic->point(3, 3), 0u);
  EXPECT_EQ(shot->width(), 20);
  EXPECT_EQ(pic->point(20, 0), kInvalidColor);
  // Images still held keep their pixels when memory is reused.
  PictureRef first = pic->image();
  const PictureRef second = pic->image();
  first.reset();  // nobody holds it: its memory may serve the next image
  pic->pset(3, 3, 0x0000FF);
  const PictureRef third = pic->image();
  EXPECT_EQ(second->rgbAt(3, 3), 0u);
  EXPECT_EQ(third->rgbAt(3, 3), 0x0000FFu);
  EXPECT_EQ(third->pixel(19, 9), 0xFFFFFFFFu);  // opaque
}

// Found by fuzzing a property bag: an infinite font size overflowed the
// LOGFONT height. Sizes no font can have ask for the default height.
TEST_F(PictureBoxTest, AFontSizeNoFontCanHaveAsksForTheDefaultHeight) {
  FontObject font;
  for (float size : {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                     std::numeric_limits<float>::quiet_NaN(), 3e38f}) {
    font.size = size;
    pic->setFont(font);
    EXPECT_EQ(pic->logFont().height, 0) << size;
  }
  font.size = 12;
  pic->setFont(font);
  EXPECT_EQ(pic->logFont().height, -16);
}

TEST_F(PictureBoxTest, PicturesScaleAndBlendByTheirAlpha) {
  // Two columns: opaque red, half-transparent blue; drawn twice as large.
  const Picture p(PictureType::kIcon, 2, 1, {0xFFFF0000u, 0x800000FFu});
  p.render(pic->dc(), 4, 4, 4, 2);
  EXPECT_EQ(pic->point(4, 4), MakeRgb(255, 0, 0));
  EXPECT_EQ(pic->point(5, 5), MakeRgb(255, 0, 0));
  const Rgb mixed = pic->point(6, 4);
  EXPECT_NEAR(RedOf(mixed), 127, 2);
  EXPECT_EQ(BlueOf(mixed), 255);
  EXPECT_EQ(pic->point(8, 4), 0xFFFFFFu);
  Picture().render(pic->dc(), 0, 0, 10, 10);  // the empty picture draws nothing
  p.render(pic->dc(), 0, 0, -5, 3);
  EXPECT_EQ(pic->point(0, 0), 0xFFFFFFu);
}

}  // namespace
}  // namespace glavo::testing
