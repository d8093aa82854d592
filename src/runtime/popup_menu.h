// Popup menus shown by a control: a list of items shown at a point of the
// control, returning the item the user chose.
#pragma once

#include <string>
#include <vector>

#include "runtime/control_surface.h"

namespace glavo {

struct MenuItem {
  std::u16string caption;  // "-" makes a separator
  bool enabled = true;
  bool isSeparator() const { return caption == u"-"; }
};

// TPM flags: 0 aligns the menu's left edge at x and tracks the left button.
inline constexpr unsigned kPopupLeftAlign = 0;

class PopupMenuHost {
 public:
  virtual ~PopupMenuHost() = default;
  // Shows `items` at (x, y) in `owner`'s pixels and returns when the menu
  // closes: the index of the chosen item, or -1 when none was chosen.
  virtual int popup(ControlSurface& owner, const std::vector<MenuItem>& items, int x, int y,
                    unsigned flags) = 0;
};

}  // namespace glavo
