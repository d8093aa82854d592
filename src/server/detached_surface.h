// The control surface of a control without a container: no window, a
// memory bitmap to paint on, properties kept in memory, timers that do not
// tick (there is no window to deliver them), and property changes reported
// to the automation object.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/control_surface.h"
#include "host/win32/memory_dc.h"

namespace glavo::server {

class DetachedSurface final : public ControlSurface {
 public:
  using ChangeHandler = std::function<void(std::string_view)>;

  // `colors` and `desktop` outlive the surface. `parent` is null for the
  // control's own surface.
  DetachedSurface(const ColorTable& colors, const Desktop& desktop, DetachedSurface* parent);
  ~DetachedSurface() override;

  void setChangeHandler(ChangeHandler handler) { onChange_ = std::move(handler); }

  void setEventSink(ControlEvents* sink) override { sink_ = sink; }
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

  DeviceContext& dc() override { return canvas_.dc(); }
  void paintPicture(DeviceContext& source, int dx, int dy, int dw, int dh, int sx, int sy, int sw,
                    int sh, std::uint32_t rop) override;
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
  ControlEvents* eventSink() const { return sink_; }
  DetachedSurface* parent() const { return parent_; }
  // Child surfaces in z-order, bottom first.
  const std::vector<DetachedSurface*>& children() const { return children_; }

 private:
  Rgb Translate(OleColor color) const;

  const ColorTable& colors_;
  const Desktop& desktop_;
  DetachedSurface* parent_;
  std::vector<DetachedSurface*> children_;
  win32::MemoryDc canvas_;
  ControlEvents* sink_ = nullptr;
  ChangeHandler onChange_;
  Rect bounds_;
  bool visible_;
  std::u16string toolTip_;
  OleColor foreColor_ = 0x80000012;
  OleColor backColor_ = 0x8000000F;
  bool enabled_ = true;
  FontRef font_;
  OleColor fillColor_ = 0;
  std::int16_t fillStyle_ = 1;
  std::int16_t drawWidth_ = 1;
  std::int16_t mousePointer_ = 0;
  PictureRef mouseIcon_;
  OleColor maskColor_ = 0x8000000F;
  PictureRef mask_;
};

}  // namespace glavo::server
