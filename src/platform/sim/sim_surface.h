// A control surface of the software host: a window of the simulated
// desktop with its own bitmap, mask, properties and children.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/sim/sim_offscreen.h"
#include "raster/bitmap.h"
#include "runtime/stored_surface.h"

namespace glavo::sim {

class SimDesktop;

class SimSurface final : public StoredSurface {
 public:
  // Use SimDesktop::createWindow or createChild.
  SimSurface(SimDesktop& desktop, SimSurface* parent, const Rect& bounds);
  ~SimSurface() override;

  void setEventSink(ControlEvents* sink) override { sink_ = sink; }
  ControlEvents* eventSink() const { return sink_; }

  Rect bounds() const override { return bounds_; }
  void move(int left, int top, int width, int height) override;
  bool visible() const override { return visible_; }
  void setVisible(bool visible) override;
  void bringToFront() override;

  DeviceContext& dc() override;
  void refresh() override { ++refreshCount_; }

  WindowHandle hwnd() const override { return handle_; }
  WindowHandle containerHwnd() const override;
  FontRef ambientFont() const override;
  bool userMode() const override { return userMode_; }
  void setUserMode(bool userMode) { userMode_ = userMode; }
  const ColorTable& colors() const override;
  const Desktop& desktop() const override;

  void propertyChanged(std::string_view name) override { notifications_.emplace_back(name); }

  std::unique_ptr<ControlSurface> createChild() override;
  std::unique_ptr<PictureBox> createPictureBox(int width, int height) override;
  std::unique_ptr<Timer> createTimer() override;

  // --- Software host only.
  SimSurface* parent() const { return parent_; }
  // Children in z-order, bottom first.
  const std::vector<SimSurface*>& children() const { return children_; }
  Point screenOrigin() const;
  // The surface's pixels (what was painted on it, before the mask).
  const raster::Bitmap& image() const { return canvas_->bitmap(); }
  // The surface's pixels with alpha 255, or 0 where the mask is transparent.
  raster::Bitmap imageWithMask() const;
  const std::vector<std::string>& notifications() const { return notifications_; }
  void clearNotifications() { notifications_.clear(); }
  int refreshCount() const { return refreshCount_; }
  // The ambient font the container offers (default: MS Sans Serif 8.25).
  void setAmbientFont(FontRef font) { ambientFont_ = std::move(font); }

 private:
  friend class SimDesktop;
  void detachChild(SimSurface* child);

  SimDesktop& desktop_;
  SimSurface* parent_;
  WindowHandle handle_;
  Rect bounds_;
  std::unique_ptr<SimOffscreen> canvas_;
  ControlEvents* sink_ = nullptr;
  std::vector<SimSurface*> children_;
  bool visible_ = true;
  FontRef ambientFont_;
  bool userMode_ = true;
  std::vector<std::string> notifications_;
  int refreshCount_ = 0;
};

}  // namespace glavo::sim
