// DoEvents of the software host: runs the timer ticks that are due now.
#pragma once

#include "host/message_pump.h"
#include "host/soft/sim_clock.h"

namespace glavo::soft {

class SimMessagePump final : public MessagePump {
 public:
  explicit SimMessagePump(SimClock& clock) : clock_(clock) {}
  void doEvents() override {
    ++calls_;
    clock_.advance(0);
  }
  int calls() const { return calls_; }

 private:
  SimClock& clock_;
  int calls_ = 0;
};

}  // namespace glavo::soft
