// The host form of a container that offers none: the top-level window that
// holds the control, with the members a form has, read and written through
// USER. Positions and sizes are twips, from the window and client
// rectangles at the screen's twips per pixel.
#pragma once

#include <windows.h>

#include "runtime/host_form.h"
#include "runtime/screen.h"

namespace glavo::win32 {

class WindowForm final : public HostForm {
 public:
  // `window` is the top-level window; `screen` outlives the form.
  WindowForm(HWND window, const Screen& screen);
  ~WindowForm() override;
  WindowForm(const WindowForm&) = delete;
  WindowForm& operator=(const WindowForm&) = delete;

  HWND window() const { return window_; }

  HostValue get(std::string_view member) override;
  void set(std::string_view member, const HostValue& value) override;
  bool isWindowed() const override { return true; }
  // Posts WM_CLOSE: the window's owner may refuse it, and the control is
  // never destroyed inside its own click handler.
  void unload() override;
  void holdBounds() override { ++holds_; }
  // Moves the window to the bounds kept since the first hold, in one go.
  void releaseBounds() override;

 private:
  std::int32_t BorderStyle() const;
  void SetBorderStyle(std::int32_t style);
  void SetShowInTaskbar(bool show);
  std::int32_t WindowState() const;
  void SetWindowState(std::int32_t state);
  PictureRef Icon();
  void SetIcon(const PictureRef& icon);
  // The window's rectangle, or the one held lets have made.
  RECT WindowRect() const;
  RECT CurrentWindowRect() const;
  void SetBounds(std::string_view member, double twips);

  HWND window_;
  const Screen& screen_;
  HICON cachedIcon_ = nullptr;  // the icon the cached picture was made from
  PictureRef cachedPicture_;
  HICON ownIcon_ = nullptr;  // an icon we made and handed to the window
  int holds_ = 0;
  bool boundsKept_ = false;
  RECT keptBounds_{};  // the window rectangle the held lets made
};

}  // namespace glavo::win32
