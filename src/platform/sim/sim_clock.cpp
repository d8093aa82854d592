#include "platform/sim/sim_clock.h"

#include <algorithm>

namespace glavo::sim {

class SimClock::SimTimer final : public Timer {
 public:
  explicit SimTimer(SimClock& clock) : clock_(&clock) { clock_->timers_.push_back(this); }
  ~SimTimer() override {
    if (!clock_) return;
    auto& list = clock_->timers_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }

  void setInterval(int milliseconds) override {
    interval_ = milliseconds;
    restart();
  }
  int interval() const override { return interval_; }
  void setEnabled(bool enabled) override {
    enabled_ = enabled;
    if (enabled) restart();
  }
  bool enabled() const override { return enabled_; }
  void setHandler(std::function<void()> onTick) override { onTick_ = std::move(onTick); }

  bool active() const { return enabled_ && interval_ > 0; }
  std::int64_t due() const { return due_; }
  void tick() {
    due_ += interval_;
    if (onTick_) {
      auto handler = onTick_;  // the handler may replace itself
      handler();
    }
  }
  void detach() { clock_ = nullptr; }

 private:
  void restart() {
    if (clock_) due_ = clock_->now_ + interval_;
  }

  SimClock* clock_;
  int interval_ = 0;
  bool enabled_ = false;
  std::int64_t due_ = 0;
  std::function<void()> onTick_;
};

SimClock::SimClock() = default;

SimClock::~SimClock() {
  for (SimTimer* t : timers_) t->detach();
}

std::unique_ptr<Timer> SimClock::createTimer() { return std::make_unique<SimTimer>(*this); }

SimClock::SimTimer* SimClock::nextDue(std::int64_t limit) const {
  SimTimer* best = nullptr;
  for (SimTimer* t : timers_) {
    if (t->active() && t->due() <= limit && (!best || t->due() < best->due())) best = t;
  }
  return best;
}

void SimClock::advance(std::int64_t ms) {
  const std::int64_t end = now_ + std::max<std::int64_t>(0, ms);
  // A timer that falls behind (its handler ran long) catches up one tick at
  // a time, as a message queue coalesces nothing here.
  while (SimTimer* t = nextDue(end)) {
    now_ = std::max(now_, t->due());
    t->tick();
  }
  now_ = end;
}

int SimClock::activeTimers() const {
  return static_cast<int>(std::count_if(timers_.begin(), timers_.end(),
                                        [](const SimTimer* t) { return t->active(); }));
}

}  // namespace glavo::sim
