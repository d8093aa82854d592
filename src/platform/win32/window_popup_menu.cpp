#include "platform/win32/window_popup_menu.h"

#include <windows.h>

namespace glavo::win32 {

int WindowPopupMenus::popup(ControlSurface& owner, const std::vector<MenuItem>& items, int x, int y,
                            unsigned flags) {
  HWND window = reinterpret_cast<HWND>(owner.hwnd());
  if (!window || items.empty()) return -1;
  HMENU menu = CreatePopupMenu();
  if (!menu) return -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuItem& item = items[i];
    if (item.isSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    // Command ids start at 1: TrackPopupMenu returns 0 for "nothing chosen".
    AppendMenuW(menu, MF_STRING | (item.enabled ? 0u : MF_GRAYED), i + 1,
                reinterpret_cast<const wchar_t*>(item.caption.c_str()));
  }
  POINT at{x, y};
  ClientToScreen(window, &at);
  // The menu closes properly on a click elsewhere only when its owner's
  // top-level window is in the foreground.
  SetForegroundWindow(GetAncestor(window, GA_ROOT));
  const int chosen = static_cast<int>(TrackPopupMenu(
      menu, flags | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, window, nullptr));
  DestroyMenu(menu);
  return chosen - 1;
}

}  // namespace glavo::win32
