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

#include "host/stored_surface.h"
#include "host/win32/window_canvas.h"

namespace glavo::win32 {

class WindowSurface final : public StoredSurface {
 public:
  using ChangeHandler = std::function<void(std::string_view)>;
  // Asks the container to put the window at a rectangle of its own pixels;
  // true when the container did (it places the window through place()).
  using PlaceRequest = std::function<bool(int left, int top, int width, int height)>;

  struct Ambient {
    bool userMode = true;
    FontRef font;  // null: the default font
  };

  // A hidden child window of `parentWindow` at (0, 0), 0 x 0. `colors` and
  // `desktop` outlive the surface; `parent` is null for the control's own
  // surface.
  WindowSurface(HWND parentWindow, const ColorTable& colors, const Desktop& desktop,
                WindowSurface* parent, Ambient ambient, Drawing drawing = Drawing::kRaster);
  ~WindowSurface() override;
  WindowSurface(const WindowSurface&) = delete;
  WindowSurface& operator=(const WindowSurface&) = delete;

  bool created() const { return window_ != nullptr; }
  void setChangeHandler(ChangeHandler handler) { onChange_ = std::move(handler); }
  // With a request set, move() asks the container first, so that the
  // container's idea of the control's rectangle stays the truth.
  void setPlaceRequest(PlaceRequest request) { placeRequest_ = std::move(request); }
  // Puts the window where the container says, without asking anyone.
  void place(int left, int top, int width, int height);
  // The surface whose window this is; null for other windows.
  static WindowSurface* FromWindow(HWND window);
  // The back buffer: what the window shows, children excluded.
  WindowCanvas& buffer() { return *buffer_; }

  void setEventSink(ControlEvents* sink) override { sink_ = sink; }
  Rect bounds() const override;
  void move(int left, int top, int width, int height) override;
  bool visible() const override;
  void setVisible(bool visible) override;
  void bringToFront() override;
  // WM_SETREDRAW: the window system skips the invalidation and clipping
  // work of each child's move while redraw is off.
  void holdRedraw() override;
  void releaseRedraw() override;
  void setToolTipText(const std::u16string& text) override;

  float scaleWidth() const override { return static_cast<float>(clientSize().cx); }
  float scaleHeight() const override { return static_cast<float>(clientSize().cy); }
  double pixelsPerPoint() const override;

  void setForeColor(OleColor color) override;
  void setBackColor(OleColor color) override;
  bool enabled() const override;
  void setEnabled(bool enabled) override;
  void setMouseIcon(PictureRef icon) override;

  void setMaskColor(OleColor color) override;
  void setMaskPicture(PictureRef mask) override;
  bool transparentAt(int x, int y) const override;

  DeviceContext& dc() override { return buffer_->dc(); }
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
  // What the window region is made from.
  struct RegionSource {
    PictureRef mask;  // held, so a new picture cannot reuse its address
    Rgb key = 0;
    LONG width = 0;
    LONG height = 0;
    bool operator==(const RegionSource&) const = default;
  };
  void ApplyRegion();
  void NoteChildChange();
  void MouseButton(UINT message, WPARAM wParam, LPARAM lParam);
  void MouseMove(WPARAM wParam, LPARAM lParam);
  bool Key(UINT message, WPARAM wParam, LPARAM lParam);
  void FocusControl();

  const ColorTable& colors_;
  const Desktop& desktop_;
  WindowSurface* parent_;
  Ambient ambient_;
  Drawing drawing_;
  HWND window_ = nullptr;
  std::unique_ptr<WindowCanvas> buffer_;
  SIZE size_{0, 0};  // client size the buffer was last sized for
  ControlEvents* sink_ = nullptr;
  ChangeHandler onChange_;
  PlaceRequest placeRequest_;
  bool wasVisible_ = false;
  int redrawHolds_ = 0;
  bool redrawOff_ = false;  // WM_SETREDRAW turned redraw off for the holds
  bool childrenChanged_ = false;  // a child moved or repainted meanwhile

  HWND toolTipWindow_ = nullptr;
  HCURSOR customCursor_ = nullptr;
  RegionSource regionSource_;
  std::vector<RECT> regionRects_;  // opaque runs of the region applied last; none: no region

  // Click bookkeeping: a release raises Click only after a press on this
  // window, and not after a double click.
  bool pressed_ = false;
  bool afterDoubleClick_ = false;
};

}  // namespace glavo::win32
