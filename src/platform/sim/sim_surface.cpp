#include "platform/sim/sim_surface.h"

#include <algorithm>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/soft_dc.h"

namespace glavo::sim {

SimSurface::SimSurface(SimDesktop& desktop, SimSurface* parent, const Rect& bounds)
    : desktop_(desktop), parent_(parent), bounds_(bounds) {
  canvas_ = std::make_unique<SimOffscreen>(desktop.gdi(), bounds.width(), bounds.height());
  handle_ = desktop.attach(this);
  if (parent_) {
    parent_->children_.push_back(this);
    visible_ = false;
  }
  dc().setBkMode(kBkTransparent);
  setForeColor(foreColor_);
}

SimSurface::~SimSurface() {
  for (SimSurface* child : children_) child->parent_ = nullptr;
  if (parent_) parent_->detachChild(this);
  desktop_.detach(this);
}

void SimSurface::detachChild(SimSurface* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

void SimSurface::move(int left, int top, int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  const bool resized = width != bounds_.width() || height != bounds_.height();
  // A size the host cannot allocate fails before the surface changes.
  if (resized) canvas_->resize(width, height);
  bounds_ = Rect{left, top, left + width, top + height};
  if (resized && sink_) sink_->onResize();
}

void SimSurface::setVisible(bool visible) {
  const bool shown = visible && !visible_;
  visible_ = visible;
  if (shown && sink_) sink_->onShow();
}

void SimSurface::bringToFront() {
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    siblings.push_back(this);
  } else {
    desktop_.raise(this);
  }
}

DeviceContext& SimSurface::dc() { return canvas_->dc(); }

WindowHandle SimSurface::containerHwnd() const { return parent_ ? parent_->hwnd() : 0; }

FontRef SimSurface::ambientFont() const {
  if (ambientFont_) return ambientFont_;
  if (parent_ && parent_->font()) return parent_->font();
  return std::make_shared<FontObject>();
}

const ColorTable& SimSurface::colors() const { return desktop_.colors(); }
const Desktop& SimSurface::desktop() const { return desktop_; }

std::unique_ptr<ControlSurface> SimSurface::createChild() {
  return std::make_unique<SimSurface>(desktop_, this, Rect{});
}

std::unique_ptr<PictureBox> SimSurface::createPictureBox(int width, int height) {
  return std::make_unique<PictureBox>(
      std::make_unique<SimOffscreen>(desktop_.gdi(), width, height), colors());
}

std::unique_ptr<Timer> SimSurface::createTimer() { return desktop_.clock().createTimer(); }

Point SimSurface::screenOrigin() const {
  Point p{bounds_.left, bounds_.top};
  if (parent_) {
    const Point o = parent_->screenOrigin();
    p.x += o.x;
    p.y += o.y;
  }
  return p;
}

raster::Bitmap SimSurface::imageWithMask() const {
  const int w = std::max(0, bounds_.width()), h = std::max(0, bounds_.height());
  raster::Bitmap out(w, h);
  const raster::Bitmap& src = canvas_->bitmap();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const raster::Pixel p = src.contains(x, y) ? src.at(x, y) : 0;
      out.at(x, y) = transparentAt(x, y) ? (p & 0x00FFFFFFu) : (p | 0xFF000000u);
    }
  }
  return out;
}

}  // namespace glavo::sim
