#include "platform/win32/detached_surface.h"

#include <algorithm>

#include "runtime/picture_box.h"
#include "runtime/timer.h"

namespace glavo::win32 {
namespace {

// Keeps its settings; without a window no tick is ever delivered.
class InertTimer final : public Timer {
 public:
  void setInterval(int milliseconds) override { interval_ = milliseconds; }
  int interval() const override { return interval_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const override { return enabled_; }
  void setHandler(std::function<void()> onTick) override { onTick_ = std::move(onTick); }

 private:
  int interval_ = 0;
  bool enabled_ = false;
  std::function<void()> onTick_;
};

}  // namespace

DetachedSurface::DetachedSurface(const ColorTable& colors, const Desktop& desktop,
                                 DetachedSurface* parent)
    : colors_(colors), desktop_(desktop), parent_(parent), canvas_(1, 1),
      // A child starts hidden at (0, 0) with no size; the control's own
      // surface is shown by its owner once the control is initialised.
      visible_(false) {
  setForeColor(foreColor_);
  if (parent_) parent_->children_.push_back(this);
}

DetachedSurface::~DetachedSurface() {
  for (DetachedSurface* child : children_) child->parent_ = nullptr;
  if (parent_) std::erase(parent_->children_, this);
}

void DetachedSurface::bringToFront() {
  if (!parent_) return;
  auto& siblings = parent_->children_;
  std::erase(siblings, this);
  siblings.push_back(this);
}

void DetachedSurface::move(int left, int top, int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  const bool resized = width != bounds_.width() || height != bounds_.height();
  bounds_ = Rect{left, top, left + width, top + height};
  if (!resized) return;
  canvas_.resize(width, height);
  dc().setTextColor(Shown(foreColor_));
  if (sink_) sink_->onResize();
}

void DetachedSurface::setVisible(bool visible) {
  const bool shown = visible && !visible_;
  visible_ = visible;
  if (shown && sink_) sink_->onShow();
}

FontRef DetachedSurface::ambientFont() const {
  if (parent_ && parent_->font()) return parent_->font();
  return std::make_shared<FontObject>();
}

void DetachedSurface::propertyChanged(std::string_view name) {
  if (onChange_) onChange_(name);
}

std::unique_ptr<ControlSurface> DetachedSurface::createChild() {
  return std::make_unique<DetachedSurface>(colors_, desktop_, this);
}

std::unique_ptr<PictureBox> DetachedSurface::createPictureBox(int width, int height) {
  return std::make_unique<PictureBox>(std::make_unique<win32::MemoryDc>(width, height), colors_);
}

std::unique_ptr<Timer> DetachedSurface::createTimer() { return std::make_unique<InertTimer>(); }

}  // namespace glavo::win32
