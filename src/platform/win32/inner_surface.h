// A child surface without a window of its own: a part drawn on its own
// canvas and shown inside its root's window, over the root's picture and
// under its later siblings, through the opaque runs of its mask. The root
// window routes the pointer to it, shows its pointer shape and tool tip.
// Twelve parts of a frame cost the window system nothing this way: moving,
// sizing and repainting one is a few copies in memory, and the root shows
// the finished frame in one paint.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/pointer_shape.h"
#include "platform/win32/window_canvas.h"
#include "runtime/mask_runs.h"
#include "runtime/stored_surface.h"

namespace glavo::win32 {

class WindowSurface;

class InnerSurface final : public StoredSurface {
 public:
  // A hidden child at (0, 0) with size 0 x 0, above its earlier siblings;
  // `parent` null: directly inside the root.
  InnerSurface(WindowSurface& root, InnerSurface* parent);
  ~InnerSurface() override;
  InnerSurface(const InnerSurface&) = delete;
  InnerSurface& operator=(const InnerSurface&) = delete;

  void setEventSink(ControlEvents* sink) override { sink_ = sink; }
  Rect bounds() const override { return bounds_; }
  void move(int left, int top, int width, int height) override;
  bool visible() const override { return visible_; }
  void setVisible(bool visible) override;
  void bringToFront() override;
  void setToolTipText(const std::u16string& text) override;

  float scaleWidth() const override { return static_cast<float>(bounds_.width()); }
  float scaleHeight() const override { return static_cast<float>(bounds_.height()); }
  double pixelsPerPoint() const override;

  void setBackColor(OleColor color) override;

  DeviceContext& dc() override { return canvas_->dc(); }
  void refresh() override;

  WindowHandle hwnd() const override;
  WindowHandle containerHwnd() const override { return hwnd(); }
  bool isUnder(Point screen) const override;
  FontRef ambientFont() const override;
  bool userMode() const override;
  const ColorTable& colors() const override;
  const Desktop& desktop() const override;
  // A part's changes are the control's business, not the container's.
  void propertyChanged(std::string_view) override {}

  std::unique_ptr<ControlSurface> createChild() override;
  std::unique_ptr<PictureBox> createPictureBox(int width, int height) override;
  std::unique_ptr<Timer> createTimer() override;

  // --- For the root window.
  ControlEvents* eventSink() const { return sink_; }
  WindowCanvas& canvas() { return *canvas_; }
  // The top-left corner in the root's client coordinates.
  Point origin() const;
  // The topmost visible, enabled surface of this subtree at `p` (in the
  // parent's coordinates) where no mask makes it transparent; null: none.
  InnerSurface* hit(Point p);
  // Copies what the subtree shows within `clip` (root coordinates) onto
  // `frame`, rows of the root's picture from row `frameTop` on, `stride`
  // pixels a row.
  void compose(std::uint32_t* frame, int stride, int frameTop, const Rect& clip, Point parentOrigin);
  void showPointer() const { shape_.show(mousePointer_); }
  // Adds the spans of row `y` (parent coordinates) that the surface covers
  // with opaque pixels, as [left, right) pairs in parent coordinates.
  void coveredSpans(int y, std::vector<std::pair<int, int>>& spans) const;

 private:
  std::vector<InnerSurface*>& Siblings();
  // Its whole rectangle is to be shown again.
  void Invalidate();
  void MaskChanged() override { UpdateRuns(); }
  void MouseIconChanged() override { shape_.setIcon(mouseIcon_); }
  void UpdateRuns();

  WindowSurface& root_;
  InnerSurface* parent_;
  std::vector<InnerSurface*> children_;  // bottom first
  std::unique_ptr<WindowCanvas> canvas_;
  ControlEvents* sink_ = nullptr;
  Rect bounds_;
  bool visible_ = false;
  PointerShape shape_;
  MaskRuns runs_;
};

}  // namespace glavo::win32
