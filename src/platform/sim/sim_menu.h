// Popup menus of the software host. Nothing is drawn: each popup is
// recorded, and the item the user picks is scripted beforehand.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "runtime/popup_menu.h"

namespace glavo::sim {

struct ShownMenu {
  std::vector<MenuItem> items;
  Point at;        // in the owner's pixels
  Point atScreen;  // screen pixels
  unsigned flags = 0;
};

class SimMenu final : public PopupMenuHost {
 public:
  int popup(ControlSurface& owner, const std::vector<MenuItem>& items, int x, int y,
            unsigned flags) override;

  // The user's next pick: an item index, or -1 to dismiss the menu.
  void scriptChoice(int index) { choices_.push_back(index); }
  // Picks the item whose caption starts with `caption`; dismisses when none does.
  void scriptChoice(const std::u16string& caption) { captionChoices_.push_back(caption); }
  const std::vector<ShownMenu>& shown() const { return shown_; }

 private:
  std::deque<int> choices_;
  std::deque<std::u16string> captionChoices_;
  std::vector<ShownMenu> shown_;
};

}  // namespace glavo::sim
