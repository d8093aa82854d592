// A timer of a control surface; ticks arrive on the UI thread between
// other messages.
#pragma once

#include <functional>

namespace glavo {

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void setInterval(int milliseconds) = 0;
  virtual int interval() const = 0;
  // Enabling (re)starts the interval; disabling stops further ticks.
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
  virtual void setHandler(std::function<void()> onTick) = 0;
};

}  // namespace glavo
