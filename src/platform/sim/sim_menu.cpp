#include "platform/sim/sim_menu.h"

#include "platform/sim/sim_surface.h"

namespace glavo::sim {

int SimMenu::popup(ControlSurface& owner, const std::vector<MenuItem>& items, int x, int y,
                   unsigned flags) {
  ShownMenu shown{items, Point{x, y}, Point{x, y}, flags};
  if (auto* sim = dynamic_cast<SimSurface*>(&owner)) {
    const Point origin = sim->screenOrigin();
    shown.atScreen = Point{origin.x + x, origin.y + y};
  }
  shown_.push_back(shown);

  int chosen = -1;
  if (!captionChoices_.empty()) {
    const std::u16string caption = captionChoices_.front();
    captionChoices_.pop_front();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (!items[i].isSeparator() && items[i].caption.rfind(caption, 0) == 0) {
        chosen = static_cast<int>(i);
        break;
      }
    }
  } else if (!choices_.empty()) {
    chosen = choices_.front();
    choices_.pop_front();
  }
  if (chosen < 0 || chosen >= static_cast<int>(items.size())) return -1;
  if (items[chosen].isSeparator() || !items[chosen].enabled) return -1;
  return chosen;
}

}  // namespace glavo::sim
