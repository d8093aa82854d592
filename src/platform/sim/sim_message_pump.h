// DoEvents of the software host: delivers the input waiting in the
// desktop's queue (when given the desktop), then runs the timer ticks that
// are due now.
#pragma once

#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_desktop.h"
#include "runtime/message_pump.h"

namespace glavo::sim {

class SimMessagePump final : public MessagePump {
 public:
  explicit SimMessagePump(SimClock& clock) : clock_(clock) {}
  explicit SimMessagePump(SimDesktop& desktop) : clock_(desktop.clock()), input_(&desktop) {}
  void doEvents() override {
    ++calls_;
    if (input_) input_->deliverQueuedInput();
    clock_.advance(0);
  }
  int calls() const { return calls_; }

 private:
  SimClock& clock_;
  SimDesktop* input_ = nullptr;
  int calls_ = 0;
};

}  // namespace glavo::sim
