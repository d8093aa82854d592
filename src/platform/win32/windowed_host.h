// Everything a skin needs around it once a container has given it a window:
// the control's own window as a child of the container's, the host form
// (the top-level window that holds it), the Windows services, real popup
// menus and timers. Owned by the automation object; outlives the skin.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/win32/win32_color_table.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/window_form.h"
#include "platform/win32/window_popup_menu.h"
#include "platform/win32/window_surface.h"
#include "skin/skin_environment.h"

namespace glavo::win32 {

class WindowedHost {
 public:
  // `container` is the window the container gives the control; `form` is
  // the container's form, or null to use the top-level window that holds
  // the control.
  WindowedHost(HWND container, win32::WindowSurface::Ambient ambient, std::unique_ptr<HostForm> form);

  SkinEnvironment environment();
  // The control's own window, hidden, as a child of the container window.
  std::unique_ptr<win32::WindowSurface> createSurface();
  HostForm& form() { return *form_; }
  // True when the form is the top-level window itself, not the container's.
  bool formIsWindow() const { return formIsWindow_; }
  HWND container() const { return container_; }

 private:
  HWND container_;
  win32::WindowSurface::Ambient ambient_;
  win32::Win32ColorTable colors_;
  Win32Desktop desktop_;
  Win32Screen screen_;
  Win32WindowApi windows_;
  win32::WindowPopupMenus menus_;
  Win32MessagePump pump_;
  std::unique_ptr<HostForm> form_;
  bool formIsWindow_;
};

}  // namespace glavo::win32
