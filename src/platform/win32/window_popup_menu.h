// Popup menus with TrackPopupMenu, owned by the control's window.
#pragma once

#include "runtime/popup_menu.h"

namespace glavo::win32 {

class WindowPopupMenus final : public PopupMenuHost {
 public:
  int popup(ControlSurface& owner, const std::vector<MenuItem>& items, int x, int y,
            unsigned flags) override;
};

}  // namespace glavo::win32
