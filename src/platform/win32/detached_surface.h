// The control surface of a control without a container: no window, a
// memory bitmap to paint on, properties kept in memory, timers that do not
// tick (there is no window to deliver them), and property changes reported
// to the automation object.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/memory_dc.h"
#include "runtime/stored_surface.h"

namespace glavo::win32 {

class DetachedSurface final : public StoredSurface {
 public:
  using ChangeHandler = std::function<void(std::string_view)>;

  // `colors` and `desktop` outlive the surface. `parent` is null for the
  // control's own surface.
  DetachedSurface(const ColorTable& colors, const Desktop& desktop, DetachedSurface* parent);
  ~DetachedSurface() override;

  void setChangeHandler(ChangeHandler handler) { onChange_ = std::move(handler); }

  Rect bounds() const override { return bounds_; }
  void move(int left, int top, int width, int height) override;
  bool visible() const override { return visible_; }
  void setVisible(bool visible) override;
  void bringToFront() override;

  DeviceContext& dc() override { return canvas_.dc(); }
  void refresh() override {}

  WindowHandle hwnd() const override { return 0; }
  WindowHandle containerHwnd() const override { return 0; }
  FontRef ambientFont() const override;
  bool userMode() const override { return true; }
  const ColorTable& colors() const override { return colors_; }
  const Desktop& desktop() const override { return desktop_; }

  void propertyChanged(std::string_view name) override;

  std::unique_ptr<ControlSurface> createChild() override;
  std::unique_ptr<PictureBox> createPictureBox(int width, int height) override;
  std::unique_ptr<Timer> createTimer() override;

  // --- For input routing.
  void setEventSink(ControlEvents* sink) override { sink_ = sink; }
  ControlEvents* eventSink() const { return sink_; }
  DetachedSurface* parent() const { return parent_; }
  // Child surfaces in z-order, bottom first.
  const std::vector<DetachedSurface*>& children() const { return children_; }

 private:
  const ColorTable& colors_;
  const Desktop& desktop_;
  DetachedSurface* parent_;
  std::vector<DetachedSurface*> children_;
  win32::MemoryDc canvas_;
  ControlEvents* sink_ = nullptr;
  ChangeHandler onChange_;
  Rect bounds_;
  bool visible_;
};

}  // namespace glavo::win32
