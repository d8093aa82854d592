// Simulated time for the software host: timers tick only when a test or
// tool advances the clock, in due-time order, one tick at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "draw/noncopyable.h"
#include "runtime/timer.h"

namespace glavo::sim {

class SimClock : Noncopyable {
 public:
  SimClock();
  ~SimClock();

  std::int64_t now() const { return now_; }  // milliseconds
  // Runs every tick that falls due up to now + ms. A timer with interval 0
  // never ticks, as in the framework.
  void advance(std::int64_t ms);
  std::unique_ptr<Timer> createTimer();
  int activeTimers() const;  // enabled timers with an interval

 private:
  class SimTimer;
  friend class SimTimer;
  SimTimer* nextDue(std::int64_t limit) const;

  std::int64_t now_ = 0;
  std::vector<SimTimer*> timers_;
};

}  // namespace glavo::sim
