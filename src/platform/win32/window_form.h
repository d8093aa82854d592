// The host form of a container that offers none: the top-level window that
// holds the control, read and written through USER. Positions and sizes are twips, from the window and client
// rectangles at the screen's twips per pixel.
#pragma once

#include <windows.h>

#include "draw/noncopyable.h"
#include "runtime/host_form.h"
#include "runtime/screen.h"

namespace glavo::win32 {

class WindowForm final : public HostForm, Noncopyable {
 public:
  // `window` is the top-level window; `screen` outlives the form.
  WindowForm(HWND window, const Screen& screen);
  ~WindowForm() override;

  HWND window() const { return window_; }

  double bound(FormBound which) override;
  void setBound(FormBound which, double twips) override;
  double scaleWidth() override;
  double scaleHeight() override;
  FormWindowState windowState() override;
  void setWindowState(FormWindowState state) override;
  void setBorderStyle(FormBorderStyle style) override;
  void setShowInTaskbar(bool show) override;
  std::u16string caption() override;
  void setCaption(const std::u16string& text) override;
  PictureRef icon() override;
  void setIcon(const PictureRef& icon) override;
  WindowHandle hwnd() override { return reinterpret_cast<WindowHandle>(window_); }
  bool isWindowed() const override { return true; }
  // Posts WM_CLOSE: the window's owner may refuse it, and the control is
  // never destroyed inside its own click handler.
  void unload() override;
  void holdBounds() override { ++holds_; }
  // Moves the window to the bounds kept since the first hold, in one go.
  void releaseBounds() override;

 private:
  // The window's rectangle, or the one held bounds have made.
  RECT WindowRect() const;
  RECT CurrentWindowRect() const;
  // The client rectangle, grown with the held bounds.
  RECT ClientRect() const;

  HWND window_;
  const Screen& screen_;
  HICON cachedIcon_ = nullptr;  // the icon the cached picture was made from
  PictureRef cachedPicture_;
  HICON ownIcon_ = nullptr;  // an icon we made and handed to the window
  int holds_ = 0;
  bool boundsKept_ = false;
  RECT keptBounds_{};  // the window rectangle the held bounds made
};

}  // namespace glavo::win32
