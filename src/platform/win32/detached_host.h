// Everything a skin needs around it when it has no container: the stand-in
// form, the Windows services and the colour table. Owned by the automation
// object and outliving the skin it serves.
#pragma once

#include <memory>

#include "platform/win32/detached_form.h"
#include "platform/win32/detached_surface.h"
#include "platform/win32/win32_color_table.h"
#include "platform/win32/win32_services.h"
#include "skin/skin_environment.h"

namespace glavo::win32 {

class DetachedHost {
 public:
  DetachedHost();

  SkinEnvironment environment();
  // The same services around a form of the caller's (a container's form
  // that outlives every skin using it).
  SkinEnvironment environment(HostForm& form);
  // The control's own surface; reports its property changes to `onChange`.
  std::unique_ptr<DetachedSurface> createSurface(DetachedSurface::ChangeHandler onChange);

 private:
  win32::Win32ColorTable colors_;
  Win32Desktop desktop_;
  Win32Screen screen_;
  Win32WindowApi windows_;
  NoPopupMenus menus_;
  Win32MessagePump pump_;
  DetachedForm form_;
};

}  // namespace glavo::win32
