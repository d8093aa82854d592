// The control surface as a real child window: a back buffer that the
// control draws on and WM_PAINT shows, the mask as a window region, mouse
// and key messages turned into control events, pointers by WM_SETCURSOR,
// a tool tip. The parts a control owns are inner surfaces without windows
// of their own: the window shows them over its buffer and routes the
// pointer, its shape and the tool tip to the one under it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/pointer_shape.h"
#include "platform/win32/window_canvas.h"
#include "runtime/click_tracker.h"
#include "runtime/mask_runs.h"
#include "runtime/stored_surface.h"

namespace glavo::win32 {

class InnerSurface;

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
  // `desktop` outlive the surface.
  WindowSurface(HWND parentWindow, const ColorTable& colors, const Desktop& desktop, Ambient ambient,
                Drawing drawing = Drawing::kRaster);
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
  // What is to be shown again is collected meanwhile and handed to the
  // window system once, at the release.
  void holdRedraw() override;
  void releaseRedraw() override;
  void setToolTipText(const std::u16string& text) override;

  float scaleWidth() const override { return static_cast<float>(clientSize().cx); }
  float scaleHeight() const override { return static_cast<float>(clientSize().cy); }
  double pixelsPerPoint() const override;

  void setBackColor(OleColor color) override;
  bool enabled() const override;
  void setEnabled(bool enabled) override;


  DeviceContext& dc() override { return buffer_->dc(); }
  void refresh() override;

  WindowHandle hwnd() const override { return reinterpret_cast<WindowHandle>(window_); }
  WindowHandle containerHwnd() const override;
  bool isUnder(Point screen) const override { return surfaceAt(screen) == this; }
  FontRef ambientFont() const override;
  bool userMode() const override { return ambient_.userMode; }
  const ColorTable& colors() const override { return colors_; }
  const Desktop& desktop() const override { return desktop_; }

  void propertyChanged(std::string_view name) override;

  std::unique_ptr<ControlSurface> createChild() override;
  std::unique_ptr<PictureBox> createPictureBox(int width, int height) override;
  std::unique_ptr<Timer> createTimer() override;

  // --- For the inner surfaces.
  Drawing drawing() const { return drawing_; }
  // The inner surfaces directly inside the window, bottom first.
  std::vector<InnerSurface*>& layers() { return layers_; }
  // `area` (client pixels) is to be shown again.
  void invalidate(const Rect& area);
  // The surface is going: no input is routed to it any more.
  void forget(const InnerSurface* surface);
  void ensureToolTip();
  // The surface a pointer at `screen` reaches: this one, one of its inner
  // surfaces, or null when another window is there.
  const ControlSurface* surfaceAt(Point screen) const;

 private:
  // Where pointer input goes: the window itself or an inner surface, with
  // the origin of its coordinates in the window's.
  struct Target {
    ControlSurface* surface = nullptr;
    ControlEvents* sink = nullptr;
    Point origin;
  };
  Target TargetOf(ControlSurface* surface) const;
  Target TargetAt(Point client) const;
  Target PointerTarget(Point client) const;
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  SIZE clientSize() const;
  void SizeChanged();
  void Paint();
  void Show(HDC target, const RECT& dirty);
  // The rows of `area` into the frame, its first row at the frame's top.
  void Compose(const RECT& area);
  bool SetPointer();
  void MaskChanged() override { ApplyRegion(); }
  void MouseIconChanged() override { shape_.setIcon(mouseIcon_); }
  void ApplyRegion();
  void MouseButton(UINT message, WPARAM wParam, LPARAM lParam);
  void MouseMove(WPARAM wParam, LPARAM lParam);
  bool Key(UINT message, WPARAM wParam, LPARAM lParam);
  void FocusControl();
  void RelayToTip(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT ToolTipText(NMHDR* header);

  const ColorTable& colors_;
  const Desktop& desktop_;
  Ambient ambient_;
  Drawing drawing_;
  HWND window_ = nullptr;
  std::unique_ptr<WindowCanvas> buffer_;
  SIZE size_{0, 0};  // client size the buffer was last sized for
  ControlEvents* sink_ = nullptr;
  ChangeHandler onChange_;
  PlaceRequest placeRequest_;
  bool wasVisible_ = false;
  mutable double pixelsPerPoint_ = 0;  // 0: not read yet
  int redrawHolds_ = 0;
  Rect held_;  // what is to be shown again once the holds are released

  std::vector<InnerSurface*> layers_;
  std::vector<std::uint32_t> frame_;  // a band of the buffer with the inner surfaces over it

  HWND toolTipWindow_ = nullptr;
  std::u16string tipText_;  // the text the tool tip shows now
  PointerShape shape_;
  MaskRuns region_;  // the runs of the window region applied last; none: no region

  ControlSurface* captured_ = nullptr;  // gets the pointer while a button is held
  const ControlSurface* hovered_ = nullptr;  // under the pointer at its last move
  ClickTracker clicks_;
};

}  // namespace glavo::win32
