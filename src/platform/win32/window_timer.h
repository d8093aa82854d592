// A timer over SetTimer. Each timer has its own message-only window, so it
// lives exactly as long as its owner keeps it and needs no lookup table.
#pragma once

#include <windows.h>

#include <functional>

#include "draw/noncopyable.h"
#include "runtime/timer.h"

namespace glavo::win32 {

class WindowTimer final : public Timer, Noncopyable {
 public:
  WindowTimer();
  ~WindowTimer() override;

  void setInterval(int milliseconds) override;
  int interval() const override { return interval_; }
  void setEnabled(bool enabled) override;
  bool enabled() const override { return enabled_; }
  void setHandler(std::function<void()> onTick) override { onTick_ = std::move(onTick); }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // An interval of 0 never ticks, as with a form's timer.
  void Restart();

  HWND window_ = nullptr;
  int interval_ = 0;
  bool enabled_ = false;
  std::function<void()> onTick_;
};

}  // namespace glavo::win32
