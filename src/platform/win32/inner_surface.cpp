#include "platform/win32/inner_surface.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/window_surface.h"
#include "platform/win32/window_timer.h"
#include "runtime/picture_box.h"

namespace glavo::win32 {
namespace {

Rect Offset(const Rect& r, Point by) { return Rect{r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y}; }

}  // namespace

InnerSurface::InnerSurface(WindowSurface& root, InnerSurface* parent)
    : root_(root), parent_(parent), canvas_(MakeCanvas(root.drawing(), 1, 1)) {
  Siblings().push_back(this);
  setForeColor(foreColor_);
}

InnerSurface::~InnerSurface() {
  Invalidate();
  for (InnerSurface* child : children_) child->parent_ = nullptr;
  std::erase(Siblings(), this);
  root_.forget(this);
}

std::vector<InnerSurface*>& InnerSurface::Siblings() {
  return parent_ ? parent_->children_ : root_.layers();
}

Point InnerSurface::origin() const {
  Point o{bounds_.left, bounds_.top};
  for (const InnerSurface* p = parent_; p; p = p->parent_) {
    o.x += p->bounds_.left;
    o.y += p->bounds_.top;
  }
  return o;
}

void InnerSurface::Invalidate() {
  if (!visible_ || bounds_.width() <= 0 || bounds_.height() <= 0) return;
  for (const InnerSurface* p = parent_; p; p = p->parent_) {
    if (!p->visible_) return;
  }
  const Point o = origin();
  root_.invalidate(Rect{o.x, o.y, o.x + bounds_.width(), o.y + bounds_.height()});
}

void InnerSurface::move(int left, int top, int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  const Rect next{left, top, left + width, top + height};
  if (next == bounds_) return;
  const bool resized = width != bounds_.width() || height != bounds_.height();
  Invalidate();
  bounds_ = next;
  if (resized) {
    canvas_->resize(width, height);
    dc().setTextColor(Shown(foreColor_));
    // A part that shapes itself sets its new mask while it repaints for
    // the new size; the runs are worked out once, after that.
    if (sink_) sink_->onResize();
    UpdateRuns();
  }
  Invalidate();
}

void InnerSurface::setVisible(bool visible) {
  if (visible == visible_) return;
  Invalidate();
  visible_ = visible;
  Invalidate();
  if (visible && sink_) sink_->onShow();
}

void InnerSurface::bringToFront() {
  std::vector<InnerSurface*>& siblings = Siblings();
  if (siblings.back() == this) return;
  std::erase(siblings, this);
  siblings.push_back(this);
  Invalidate();
}

void InnerSurface::setToolTipText(const std::u16string& text) {
  toolTip_ = text;
  if (!text.empty()) root_.ensureToolTip();
}

double InnerSurface::pixelsPerPoint() const { return root_.pixelsPerPoint(); }

void InnerSurface::setBackColor(OleColor color) {
  StoredSurface::setBackColor(color);
  refresh();
}

void InnerSurface::UpdateRuns() {
  Rgb key = 0;
  if (runs_.update(KeyedMask(key), key, bounds_.width(), bounds_.height())) Invalidate();
}

// Shown at the root's next paint, so what is drawn after a refresh (a
// cell's caption) shows too.
void InnerSurface::refresh() { Invalidate(); }

WindowHandle InnerSurface::hwnd() const { return root_.hwnd(); }

bool InnerSurface::isUnder(Point screen) const {
  return root_.surfaceAt(screen) == this;
}

FontRef InnerSurface::ambientFont() const {
  if (parent_ && parent_->font()) return parent_->font();
  if (!parent_ && root_.font()) return root_.font();
  return root_.ambientFont();
}

bool InnerSurface::userMode() const { return root_.userMode(); }
const ColorTable& InnerSurface::colors() const { return root_.colors(); }
const Desktop& InnerSurface::desktop() const { return root_.desktop(); }

std::unique_ptr<ControlSurface> InnerSurface::createChild() {
  return std::make_unique<InnerSurface>(root_, this);
}

std::unique_ptr<PictureBox> InnerSurface::createPictureBox(int width, int height) {
  return root_.createPictureBox(width, height);
}

std::unique_ptr<Timer> InnerSurface::createTimer() { return std::make_unique<WindowTimer>(); }

InnerSurface* InnerSurface::hit(Point p) {
  if (!visible_ || !enabled_) return nullptr;
  if (p.x < bounds_.left || p.y < bounds_.top || p.x >= bounds_.right || p.y >= bounds_.bottom) return nullptr;
  const Point local{p.x - bounds_.left, p.y - bounds_.top};
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    if (InnerSurface* found = (*it)->hit(local)) return found;
  }
  return transparentAt(local.x, local.y) ? nullptr : this;
}

void InnerSurface::coveredSpans(int y, std::vector<std::pair<int, int>>& spans) const {
  if (!visible_ || y < bounds_.top || y >= bounds_.bottom || bounds_.left >= bounds_.right) return;
  if (runs_.runs().empty()) {
    spans.emplace_back(bounds_.left, bounds_.right);
    return;
  }
  const int local = y - bounds_.top;
  for (const Rect& run : runs_.runs()) {
    if (local >= run.top && local < run.bottom) {
      spans.emplace_back(bounds_.left + run.left, bounds_.left + std::min(run.right, bounds_.width()));
    }
  }
}

namespace {

// Columns [left, right) of a canvas row onto a frame row, at frame column
// column + dx; the columns in `fill` are its value.
void ComposeRow(std::uint32_t* out, int dx, const std::uint32_t* from, int left, int right, const RowSpan& fill) {
  const int a = std::clamp(fill.left, left, right);
  const int b = std::clamp(fill.right, a, right);
  std::memcpy(out + (dx + left), from + left, static_cast<std::size_t>(a - left) * sizeof(std::uint32_t));
  std::fill(out + (dx + a), out + (dx + b), fill.value);
  std::memcpy(out + (dx + b), from + b, static_cast<std::size_t>(right - b) * sizeof(std::uint32_t));
}

}  // namespace

void InnerSurface::compose(std::uint32_t* frame, int stride, int frameTop, const Rect& clip,
                           Point parentOrigin) {
  if (!visible_ || bounds_.width() <= 0 || bounds_.height() <= 0) return;
  const Point o{parentOrigin.x + bounds_.left, parentOrigin.y + bounds_.top};
  const Rect whole{0, 0, bounds_.width(), bounds_.height()};
  auto copy = [&](const Rect& local) {
    const Rect r = Intersect(Offset(local, o), clip);
    for (int y = r.top; y < r.bottom; ++y) {
      RowSpan fill;
      const std::uint32_t* from = canvas_->shownRow(y - o.y, fill);
      std::uint32_t* out = frame + static_cast<std::ptrdiff_t>(y - frameTop) * stride;
      ComposeRow(out, o.x, from, r.left - o.x, r.right - o.x, fill);
    }
  };
  if (runs_.runs().empty()) {
    copy(whole);
  } else {
    for (const Rect& run : runs_.runs()) copy(Intersect(run, whole));
  }
  const Rect inner = Intersect(Offset(whole, o), clip);
  if (inner.left >= inner.right) return;
  for (InnerSurface* child : children_) child->compose(frame, stride, frameTop, inner, o);
}

}  // namespace glavo::win32
