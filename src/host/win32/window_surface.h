// The control surface as a real child window: a back buffer that the
// control draws on and WM_PAINT shows, the mask as a window region, mouse
// and key messages turned into control events, pointers by WM_SETCURSOR,
// a tool tip, and child windows for the parts a control owns.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/control_surface.h"
#include "host/win32/memory_dc.h"

namespace glavo::win32 {

class WindowSurface final : public ControlSurface {
 public:
  using ChangeHandler = std::function<void(std::string_view)>;

  struct Ambient {
    bool userMode = true;
    FontRef font;  // null: the default font
  };

  // A hidden child window of `parentWindow` at (0, 0), 0 x 0. `colors` and
  // `desktop` outlive the surface; `parent` is null for the control's own
  // surface.
  WindowSurface(HWND parentWindow, const ColorTable& colors, const Desktop& desktop,
                WindowSurface* parent, Ambient ambient);
  ~WindowSurface() override;
  WindowSurface(const WindowSurface&) = delete;
  WindowSurface& operator=(const WindowSurface&) = delete;

  bool created() const { return window_ != nullptr; }
  void setChangeHandler(ChangeHandler handler) { onChange_ = std::move(handler); }
  // The surface whose window this is; null for other windows.
  static WindowSurface* FromWindow(HWND window);
  // The back buffer: what the window shows, children excluded.
  MemoryDc& buffer() { return buffer_; }

  void setEventSink(ControlEvents* sink) override { sink_ = sink; }
  Rect bounds() const override;
  void move(int left, int top, int width, int height) override;
  bool visible() const override;
  void setVisible(bool visible) override;
  void bringToFront() override;
  std::u16string toolTipText() const override { return toolTip_; }
  void setToolTipText(const std::u16string& text) override;

  float scaleWidth() const override { return static_cast<float>(clientSize().cx); }
  float scaleHeight() const override { return static_cast<float>(clientSize().cy); }
  double pixelsPerPoint() const override;

  OleColor foreColor() const override { return foreColor_; }
  void setForeColor(OleColor color) override;
  OleColor backColor() const override { return backColor_; }
  void setBackColor(OleColor color) override;
  bool enabled() const override;
  void setEnabled(bool enabled) override;
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
  void setMouseIcon(PictureRef icon) override;

  OleColor maskColor() const override { return maskColor_; }
  void setMaskColor(OleColor color) override;
  PictureRef maskPicture() const override { return mask_; }
  void setMaskPicture(PictureRef mask) override;
  bool transparentAt(int x, int y) const override;

  DeviceContext& dc() override { return buffer_.dc(); }
  void paintPicture(DeviceContext& source, int dx, int dy, int dw, int dh, int sx, int sy, int sw,
                    int sh, std::uint32_t rop) override;
  void refresh() override;

  WindowHandle hwnd() const override { return reinterpret_cast<WindowHandle>(window_); }
  WindowHandle containerHwnd() const override;
  FontRef ambientFont() const override;
  bool userMode() const override { return ambient_.userMode; }
  const ColorTable& colors() const override { return colors_; }
  const Desktop& desktop() const override { return desktop_; }

  void propertyChanged(std::string_view name) override;

  std::unique_ptr<ControlSurface> createChild() override;
  std::unique_ptr<PictureBox> createPictureBox(int width, int height) override;
  std::unique_ptr<Timer> createTimer() override;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  SIZE clientSize() const;
  Rgb Translate(OleColor color) const;
  void SizeChanged();
  void Paint();
  bool SetPointer();
  void ApplyRegion();
  void MouseButton(UINT message, WPARAM wParam, LPARAM lParam);
  void MouseMove(WPARAM wParam, LPARAM lParam);
  bool Key(UINT message, WPARAM wParam, LPARAM lParam);
  void FocusControl();

  const ColorTable& colors_;
  const Desktop& desktop_;
  WindowSurface* parent_;
  Ambient ambient_;
  HWND window_ = nullptr;
  MemoryDc buffer_;
  SIZE size_{0, 0};  // client size the buffer was last sized for
  ControlEvents* sink_ = nullptr;
  ChangeHandler onChange_;
  bool wasVisible_ = false;

  std::u16string toolTip_;
  HWND toolTipWindow_ = nullptr;
  OleColor foreColor_ = 0x80000012;
  OleColor backColor_ = 0x8000000F;
  FontRef font_;
  OleColor fillColor_ = 0;
  std::int16_t fillStyle_ = 1;
  std::int16_t drawWidth_ = 1;
  std::int16_t mousePointer_ = 0;
  PictureRef mouseIcon_;
  HCURSOR customCursor_ = nullptr;
  OleColor maskColor_ = 0x8000000F;
  PictureRef mask_;
  std::vector<RECT> regionRects_;  // opaque runs of the region applied last
  bool hasRegion_ = false;

  // Click bookkeeping: a release raises Click only after a press on this
  // window, and not after a double click.
  bool pressed_ = false;
  bool afterDoubleClick_ = false;
};

}  // namespace glavo::win32
