// The window-manager calls a frame control makes on its host window: style
// bits, Unicode window text, finding windows and their rectangles, releasing
// the mouse capture and sending messages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "draw/types.h"
#include "runtime/desktop.h"

namespace glavo {

inline constexpr int kGwlStyle = -16;
inline constexpr std::uint32_t kWsMaximizeBox = 0x10000;
inline constexpr std::uint32_t kWsMinimizeBox = 0x20000;
inline constexpr std::uint32_t kWsSysMenu = 0x80000;
inline constexpr unsigned kWmSetText = 0x000C;
inline constexpr unsigned kWmNcLButtonDown = 0x00A1;
inline constexpr std::uintptr_t kHtCaption = 2;

class WindowApi {
 public:
  virtual ~WindowApi() = default;

  virtual std::int32_t getWindowLong(WindowHandle window, int index) = 0;
  // Returns the previous value.
  virtual std::int32_t setWindowLong(WindowHandle window, int index, std::int32_t value) = 0;
  // WM_SETTEXT through DefWindowProcW: the text arrives as UTF-16, unconverted.
  virtual void setWindowText(WindowHandle window, std::u16string_view text) = 0;
  virtual std::u16string windowText(WindowHandle window) const = 0;

  // FindWindowA; 0 when there is no such window.
  virtual WindowHandle findWindow(std::string_view className, std::string_view windowName) = 0;
  virtual WindowHandle desktopWindow() = 0;
  // GetWindowRect in screen pixels; false (rect untouched) for no window.
  virtual bool getWindowRect(WindowHandle window, Rect& rect) = 0;

  virtual void releaseCapture() = 0;
  // SendMessageA. WM_NCLBUTTONDOWN with HTCAPTION runs the system's modal
  // move loop and returns when the mouse button is released.
  virtual std::intptr_t sendMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                    std::intptr_t lParam) = 0;
};

}  // namespace glavo
