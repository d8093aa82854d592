// The platform services a skin reaches through the host interfaces,
// answered by Windows itself: the screen, window-manager calls, the
// message pump and the pointer.
#pragma once

#include "runtime/desktop.h"
#include "runtime/message_pump.h"
#include "runtime/popup_menu.h"
#include "runtime/screen.h"
#include "runtime/window_api.h"

namespace glavo::win32 {

class Win32Screen final : public Screen {
 public:
  Win32Screen();
  double width() const override;
  double height() const override;
  double twipsPerPixelX() const override { return twipsX_; }
  double twipsPerPixelY() const override { return twipsY_; }

 private:
  double twipsX_ = 15;
  double twipsY_ = 15;
};

class Win32WindowApi final : public WindowApi {
 public:
  std::int32_t getWindowLong(WindowHandle window, int index) override;
  std::int32_t setWindowLong(WindowHandle window, int index, std::int32_t value) override;
  void setWindowText(WindowHandle window, std::u16string_view text) override;
  std::u16string windowText(WindowHandle window) const override;
  WindowHandle findWindow(std::string_view className, std::string_view windowName) override;
  WindowHandle desktopWindow() override;
  bool getWindowRect(WindowHandle window, Rect& rect) override;
  void releaseCapture() override;
  std::intptr_t sendMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
};

class Win32MessagePump final : public MessagePump {
 public:
  void doEvents() override;
};

class Win32Desktop final : public Desktop {
 public:
  Point cursorPos() const override;
  WindowHandle windowFromPoint(Point p) const override;
};

// Menus need an owner window; a control without one shows none.
class NoPopupMenus final : public PopupMenuHost {
 public:
  int popup(ControlSurface&, const std::vector<MenuItem>&, int, int, unsigned) override {
    return -1;
  }
};

}  // namespace glavo::win32
