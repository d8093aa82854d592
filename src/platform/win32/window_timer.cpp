#include "platform/win32/window_timer.h"

#include "platform/win32/window_class.h"

namespace glavo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"GlavoTimerWindow";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

WindowTimer::WindowTimer() {
  if (EnsureWindowClass(kClassName, &WindowTimer::Proc, 0)) {
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              WindowModule(), this);
  }
}

WindowTimer::~WindowTimer() {
  if (window_) {
    KillTimer(window_, kTimerId);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void WindowTimer::setInterval(int milliseconds) {
  interval_ = milliseconds;
  Restart();
}

void WindowTimer::setEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void WindowTimer::Restart() {
  if (!window_) return;
  if (enabled_ && interval_ > 0) {
    SetTimer(window_, kTimerId, static_cast<UINT>(interval_), nullptr);
  } else {
    KillTimer(window_, kTimerId);
  }
}

LRESULT CALLBACK WindowTimer::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* timer = WindowObject<WindowTimer>(window, message, lParam);
  if (message == WM_TIMER && timer && timer->enabled_ && timer->onTick_) {
    // A copy: the handler may replace itself or disable the timer.
    auto tick = timer->onTick_;
    tick();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace glavo::win32
