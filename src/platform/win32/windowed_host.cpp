#include "platform/win32/windowed_host.h"

namespace glavo::win32 {

WindowedHost::WindowedHost(HWND container, win32::WindowSurface::Ambient ambient,
                           std::unique_ptr<HostForm> form)
    : container_(container), ambient_(std::move(ambient)), form_(std::move(form)), formIsWindow_(!form_) {
  if (!form_) {
    HWND top = GetAncestor(container, GA_ROOT);
    form_ = std::make_unique<win32::WindowForm>(top ? top : container, screen_);
  }
}

SkinEnvironment WindowedHost::environment() {
  return SkinEnvironment{*form_, screen_, windows_, menus_, pump_};
}

std::unique_ptr<win32::WindowSurface> WindowedHost::createSurface() {
  return std::make_unique<win32::WindowSurface>(container_, colors_, desktop_, ambient_);
}

}  // namespace glavo::win32
