#include "platform/win32/detached_host.h"

namespace glavo::win32 {

DetachedHost::DetachedHost() : form_(screen_.twipsPerPixelX(), screen_.twipsPerPixelY()) {}

SkinEnvironment DetachedHost::environment() { return environment(form_); }

SkinEnvironment DetachedHost::environment(HostForm& form) {
  return SkinEnvironment{form, screen_, windows_, menus_, pump_};
}

std::unique_ptr<DetachedSurface> DetachedHost::createSurface(
    DetachedSurface::ChangeHandler onChange) {
  auto surface = std::make_unique<DetachedSurface>(colors_, desktop_, nullptr);
  surface->setChangeHandler(std::move(onChange));
  return surface;
}

}  // namespace glavo::win32
