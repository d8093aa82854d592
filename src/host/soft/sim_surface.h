// A control surface of the software host: a window of the simulated
// desktop with its own bitmap, mask, properties and children.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/control_surface.h"
#include "host/soft/bitmap.h"
#include "host/soft/sim_offscreen.h"

namespace glavo::soft {

class SimDesktop;

class SimSurface final : public ControlSurface {
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
  std::u16string toolTipText() const override { return toolTip_; }
  void setToolTipText(const std::u16string& text) override { toolTip_ = text; }

  float scaleWidth() const override { return static_cast<float>(bounds_.width()); }
  float scaleHeight() const override { return static_cast<float>(bounds_.height()); }
  double pixelsPerPoint() const override { return 96.0 / 72.0; }

  OleColor foreColor() const override { return foreColor_; }
  void setForeColor(OleColor color) override;
  OleColor backColor() const override { return backColor_; }
  void setBackColor(OleColor color) override;
  bool enabled() const override { return enabled_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  FontRef font() const override { return font_; }
  void setFont(FontRef font) override { font_ = std::move(font); }
  OleColor fillColor() const override { return fillColor_; }
  void setFillColor(OleColor color) override { fillColor_ = color; }
  std::int16_t fillStyle() const override { return fillStyle_; }
  void setFillStyle(std::int16_t style) override { fillStyle_ = style; }
  std::int16_t drawWidth() const override { return drawWidth_; }
  void setDrawWidth(std::int16_t width) override { drawWidth_ = width; }
  std::int16_t mousePointer() const override { return mousePointer_; }
  void setMousePointer(std::int16_t pointer) override { mousePointer_ = pointer; }
  PictureRef mouseIcon() const override { return mouseIcon_; }
  void setMouseIcon(PictureRef icon) override { mouseIcon_ = std::move(icon); }

  OleColor maskColor() const override { return maskColor_; }
  void setMaskColor(OleColor color) override { maskColor_ = color; }
  PictureRef maskPicture() const override { return mask_; }
  void setMaskPicture(PictureRef mask) override { mask_ = std::move(mask); }
  bool transparentAt(int x, int y) const override;

  DeviceContext& dc() override;
  void paintPicture(DeviceContext& source, int dx, int dy, int dw, int dh, int sx, int sy, int sw,
                    int sh, std::uint32_t rop) override;
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
  const Bitmap& image() const { return canvas_->bitmap(); }
  // The surface's pixels with alpha 255, or 0 where the mask is transparent.
  Bitmap imageWithMask() const;
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
  std::u16string toolTip_;
  OleColor foreColor_ = 0x80000012;
  OleColor backColor_ = 0x8000000F;
  bool enabled_ = true;
  FontRef font_;
  FontRef ambientFont_;
  OleColor fillColor_ = 0;
  std::int16_t fillStyle_ = 1;
  std::int16_t drawWidth_ = 1;
  std::int16_t mousePointer_ = 0;
  PictureRef mouseIcon_;
  OleColor maskColor_ = 0x8000000F;
  PictureRef mask_;
  bool userMode_ = true;
  std::vector<std::string> notifications_;
  int refreshCount_ = 0;
};

}  // namespace glavo::soft
