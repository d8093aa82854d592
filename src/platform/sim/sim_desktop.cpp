#include "platform/sim/sim_desktop.h"

#include <algorithm>

#include "platform/sim/sim_surface.h"
#include "platform/sim/soft_gdi.h"

namespace glavo::sim {

namespace {

enum MouseKind { kDown, kMove, kUp };

// Like WindowFromPoint: hidden and disabled windows are passed over.
SimSurface* HitTest(SimSurface* s, Point p) {
  if (!s->visible() || !s->enabled()) return nullptr;
  const Point o = s->screenOrigin();
  const int x = p.x - o.x, y = p.y - o.y;
  const Rect b = s->bounds();
  if (x < 0 || y < 0 || x >= b.width() || y >= b.height()) return nullptr;
  if (s->transparentAt(x, y)) return nullptr;
  const auto& children = s->children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if (SimSurface* hit = HitTest(*it, p)) return hit;
  }
  return s;
}

void Paint(const SimSurface& s, Point origin, const Rect& clip, raster::Bitmap& out) {
  if (!s.visible()) return;
  const Rect b = s.bounds();
  const Point o{origin.x + b.left, origin.y + b.top};
  const Rect area{std::max(clip.left, o.x), std::max(clip.top, o.y),
                  std::min(clip.right, o.x + b.width()), std::min(clip.bottom, o.y + b.height())};
  const raster::Bitmap& img = s.image();
  // transparentAt, with the mask colour translated once per surface rather
  // than once per pixel.
  const PictureRef mask = s.maskPicture();
  Rgb key = 0;
  const bool keyed = mask && s.colors().translate(s.maskColor(), key);
  const raster::Pixel keyPixel = raster::PixelFromRgb(key);
  const int right = std::min(area.right, o.x + img.width());
  const int bottom = std::min(area.bottom, o.y + img.height());
  for (int y = area.top; y < bottom; ++y) {
    const int ly = y - o.y;
    const raster::Pixel* src = img.row(ly);
    raster::Pixel* dst = out.row(y);
    const bool maskRow = keyed && ly < mask->height();
    for (int x = area.left; x < right; ++x) {
      const int lx = x - o.x;
      if (maskRow && lx < mask->width() && (mask->pixel(lx, ly) & 0x00FFFFFFu) == keyPixel) continue;
      dst[x] = src[lx] | 0xFF000000u;
    }
  }
  for (const SimSurface* child : s.children()) Paint(*child, o, area, out);
}

}  // namespace

SimDesktop::SimDesktop(int screenWidth, int screenHeight)
    : screen_{screenWidth, screenHeight}, gdi_(std::make_unique<SoftGdi>()) {}

SimDesktop::~SimDesktop() = default;

std::unique_ptr<SimSurface> SimDesktop::createWindow(const Rect& bounds) {
  return std::make_unique<SimSurface>(*this, nullptr, bounds);
}

WindowHandle SimDesktop::attach(SimSurface* surface) {
  all_.push_back(surface);
  if (!surface->parent()) topLevel_.push_back(surface);
  nextHandle_ += 4;
  return nextHandle_;
}

void SimDesktop::detach(SimSurface* surface) {
  all_.erase(std::remove(all_.begin(), all_.end(), surface), all_.end());
  topLevel_.erase(std::remove(topLevel_.begin(), topLevel_.end(), surface), topLevel_.end());
  if (capture_ == surface) capture_ = nullptr;
  if (pressed_ == surface) pressed_ = nullptr;
  if (focus_ == surface) focus_ = nullptr;
}

void SimDesktop::raise(SimSurface* surface) {
  topLevel_.erase(std::remove(topLevel_.begin(), topLevel_.end(), surface), topLevel_.end());
  topLevel_.push_back(surface);
}

SimSurface* SimDesktop::surfaceAt(Point p) const {
  for (auto it = topLevel_.rbegin(); it != topLevel_.rend(); ++it) {
    if (SimSurface* hit = HitTest(*it, p)) return hit;
  }
  return nullptr;
}

WindowHandle SimDesktop::windowFromPoint(Point p) const {
  const SimSurface* s = surfaceAt(p);
  return s ? s->hwnd() : 0;
}

SimSurface* SimDesktop::fromHandle(WindowHandle handle) const {
  for (SimSurface* s : all_) {
    if (s->hwnd() == handle) return s;
  }
  return nullptr;
}

SimSurface* SimDesktop::mouseTarget() const { return capture_ ? capture_ : surfaceAt(cursor_); }

void SimDesktop::deliverMouse(SimSurface* target, int kind, std::int16_t button, std::int16_t shift) {
  if (!target || !target->eventSink()) return;
  const Point o = target->screenOrigin();
  float x = static_cast<float>(cursor_.x - o.x);
  float y = static_cast<float>(cursor_.y - o.y);
  ControlEvents& sink = *target->eventSink();
  if (kind == kDown) sink.onMouseDown(button, shift, x, y);
  if (kind == kMove) sink.onMouseMove(button, shift, x, y);
  if (kind == kUp) sink.onMouseUp(button, shift, x, y);
}

void SimDesktop::moveCursor(Point screen) {
  cursor_ = screen;
  deliverMouse(mouseTarget(), kMove, buttons_, 0);
}

void SimDesktop::pressButton(std::int16_t button, std::int16_t shift) {
  buttons_ = static_cast<std::int16_t>(buttons_ | button);
  if (!capture_) {
    capture_ = surfaceAt(cursor_);
    pressed_ = capture_;
    clicks_.press(false);
    setFocus(capture_);
  }
  deliverMouse(capture_, kDown, button, shift);
}

void SimDesktop::releaseButton(std::int16_t button, std::int16_t shift) {
  SimSurface* target = mouseTarget();
  buttons_ = static_cast<std::int16_t>(buttons_ & ~button);
  if (buttons_ == 0) capture_ = nullptr;
  deliverMouse(target, kUp, button, shift);
  if (buttons_ != 0) return;
  const bool click = clicks_.release(pressed_ && pressed_ == surfaceAt(cursor_));
  if (click && pressed_->eventSink()) pressed_->eventSink()->onClick();
  pressed_ = nullptr;
}

void SimDesktop::click(std::int16_t button, std::int16_t shift) {
  pressButton(button, shift);
  releaseButton(button, shift);
}

void SimDesktop::doubleClick(std::int16_t button, std::int16_t shift) {
  click(button, shift);
  // The second press arrives as DblClick instead of MouseDown.
  SimSurface* target = surfaceAt(cursor_);
  clicks_.press(true);
  if (target && target->eventSink()) target->eventSink()->onDblClick();
  if (target) deliverMouse(target, kUp, button, shift);
  clicks_.release(true);
}

void SimDesktop::keyDown(std::int16_t keyCode, std::int16_t shift) {
  if (focus_ && focus_->eventSink()) focus_->eventSink()->onKeyDown(keyCode, shift);
}

void SimDesktop::keyPress(std::int16_t keyAscii) {
  if (focus_ && focus_->eventSink()) focus_->eventSink()->onKeyPress(keyAscii);
}

void SimDesktop::keyUp(std::int16_t keyCode, std::int16_t shift) {
  if (focus_ && focus_->eventSink()) focus_->eventSink()->onKeyUp(keyCode, shift);
}

void SimDesktop::setFocus(SimSurface* surface) {
  if (surface == focus_) return;
  SimSurface* previous = focus_;
  focus_ = surface;
  if (previous && previous->eventSink()) previous->eventSink()->onLostFocus();
  if (surface && surface->eventSink()) surface->eventSink()->onGotFocus();
}

void SimDesktop::hover(Point screen, std::int64_t ms) {
  moveCursor(screen);
  clock_.advance(ms);
}

void SimDesktop::deliverQueuedInput() {
  while (!queuedMoves_.empty()) {
    const Point next = queuedMoves_.front();
    queuedMoves_.pop_front();
    moveCursor(next);
  }
}

raster::Bitmap SimDesktop::composite(raster::Pixel background) const {
  raster::Bitmap out(screen_.cx, screen_.cy, background);
  const Rect screen{0, 0, screen_.cx, screen_.cy};
  for (const SimSurface* s : topLevel_) Paint(*s, Point{0, 0}, screen, out);
  return out;
}

}  // namespace glavo::sim
