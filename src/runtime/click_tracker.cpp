#include "runtime/click_tracker.h"

namespace glavo {

bool ClickTracker::press(bool secondOfDouble) {
  armed_ = true;
  afterDouble_ = secondOfDouble;
  return secondOfDouble;
}

bool ClickTracker::release(bool inside) {
  const bool click = armed_ && !afterDouble_ && inside;
  cancel();
  return click;
}

}  // namespace glavo
