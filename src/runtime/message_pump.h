// The host's DoEvents: dispatches the messages waiting in the queue (timer
// ticks, paints) and returns.
#pragma once

namespace glavo {

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  virtual void doEvents() = 0;
};

}  // namespace glavo
