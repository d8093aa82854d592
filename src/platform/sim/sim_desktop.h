// The simulated desktop of the software host: windows in z-order, the
// cursor, mouse capture and focus, keyboard and mouse input, timers on a
// simulated clock, and compositing of the visible windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "draw/noncopyable.h"
#include "platform/sim/sim_clock.h"
#include "raster/bitmap.h"
#include "runtime/click_tracker.h"
#include "runtime/color_table.h"
#include "runtime/desktop.h"

namespace glavo::sim {

class SimSurface;
class SoftGdi;

class SimDesktop final : public Desktop, Noncopyable {
 public:
  explicit SimDesktop(int screenWidth = 1920, int screenHeight = 1080);
  ~SimDesktop() override;

  SimClock& clock() { return clock_; }
  SoftGdi& gdi() { return *gdi_; }
  const ColorTable& colors() const { return colors_; }
  Size screenSize() const { return screen_; }

  // A visible top-level window at `bounds` (screen pixels).
  std::unique_ptr<SimSurface> createWindow(const Rect& bounds);

  Point cursorPos() const override { return cursor_; }
  // The deepest visible, enabled window under the point, skipping the
  // parts its mask makes transparent; 0 over the bare desktop. Mouse input
  // goes only to such windows.
  WindowHandle windowFromPoint(Point p) const override;
  SimSurface* surfaceAt(Point p) const;
  SimSurface* fromHandle(WindowHandle handle) const;

  // --- Input. Mouse events go to the capture holder, else to the window
  // under the cursor; a press captures the mouse and takes the focus.
  void moveCursor(Point screen);
  void pressButton(std::int16_t button, std::int16_t shift = 0);
  // Releases capture; raises Click when released over the pressed window.
  void releaseButton(std::int16_t button, std::int16_t shift = 0);
  void click(std::int16_t button, std::int16_t shift = 0);
  // Down, up, Click, DblClick, up: the framework's double-click sequence.
  void doubleClick(std::int16_t button, std::int16_t shift = 0);
  void keyDown(std::int16_t keyCode, std::int16_t shift = 0);
  void keyPress(std::int16_t keyAscii);
  void keyUp(std::int16_t keyCode, std::int16_t shift = 0);
  void setFocus(SimSurface* surface);
  SimSurface* focus() const { return focus_; }
  SimSurface* capture() const { return capture_; }
  void setCapture(SimSurface* surface) { capture_ = surface; }
  // Moves the cursor and lets `ms` milliseconds of timers run.
  void hover(Point screen, std::int64_t ms);
  // A pointer move that arrives while a handler runs: it waits in the queue
  // until pending messages are next dispatched, and then reports X and Y
  // from where its target is at that time.
  void queueCursorMove(Point screen) { queuedMoves_.push_back(screen); }
  // Delivers the queued moves, oldest first; a handler that dispatches
  // again meanwhile takes the next ones itself.
  void deliverQueuedInput();
  std::size_t queuedInput() const { return queuedMoves_.size(); }

  // Draws every visible top-level window and its children, in z-order,
  // honouring masks, over `background`.
  raster::Bitmap composite(raster::Pixel background = 0xFF3A6EA5) const;

 private:
  friend class SimSurface;
  WindowHandle attach(SimSurface* surface);
  void detach(SimSurface* surface);
  void raise(SimSurface* surface);
  SimSurface* mouseTarget() const;
  void deliverMouse(SimSurface* target, int kind, std::int16_t button, std::int16_t shift);

  Size screen_;
  DefaultColorTable colors_;
  SimClock clock_;
  std::unique_ptr<SoftGdi> gdi_;
  std::vector<SimSurface*> topLevel_;  // z-order, bottom first
  std::vector<SimSurface*> all_;
  WindowHandle nextHandle_ = 0x10010;
  Point cursor_;
  std::int16_t buttons_ = 0;
  SimSurface* capture_ = nullptr;
  SimSurface* pressed_ = nullptr;
  ClickTracker clicks_;
  SimSurface* focus_ = nullptr;
  std::deque<Point> queuedMoves_;
};

}  // namespace glavo::sim
