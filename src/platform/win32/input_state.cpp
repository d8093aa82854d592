#include "platform/win32/input_state.h"

#include "runtime/control_events.h"

namespace glavo::win32 {

std::int16_t HeldButtons(WPARAM wParam) {
  std::int16_t buttons = 0;
  if (wParam & MK_LBUTTON) buttons |= mouse::kLeft;
  if (wParam & MK_RBUTTON) buttons |= mouse::kRight;
  if (wParam & MK_MBUTTON) buttons |= mouse::kMiddle;
  return buttons;
}

std::int16_t ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return mouse::kLeft;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return mouse::kRight;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return mouse::kMiddle;
    default: return 0;
  }
}

// The message's own flags, not GetKeyState: they are what was down when the
// message was made, and reading them costs no trip to the window system
// (under Wine each key-state query is a request to the server).
std::int16_t MouseShift(WPARAM wParam) {
  std::int16_t shift = 0;
  if (wParam & MK_SHIFT) shift |= shift::kShift;
  if (wParam & MK_CONTROL) shift |= shift::kCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= shift::kAlt;
  return shift;
}

std::int16_t KeyShift(bool altDown) {
  std::int16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= shift::kShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= shift::kCtrl;
  if (altDown || GetKeyState(VK_MENU) < 0) shift |= shift::kAlt;
  return shift;
}

}  // namespace glavo::win32
