#include "platform/win32/windowless_input.h"

#include <windowsx.h>

#include "platform/win32/input_state.h"

namespace glavo::win32 {

// The topmost visible surface at (x, y) of `surface`'s coordinates, where
// its mask does not make it transparent.
WindowlessInput::Hit WindowlessInput::hitTest(DetachedSurface& surface, int x, int y) {
  const auto& children = surface.children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    DetachedSurface* child = *it;
    const Rect b = child->bounds();
    if (!child->visible() || x < b.left || y < b.top || x >= b.right || y >= b.bottom) continue;
    Hit hit = hitTest(*child, x - b.left, y - b.top);
    if (hit.surface) return hit;
  }
  if (surface.transparentAt(x, y)) return {};
  return {&surface, static_cast<float>(x), static_cast<float>(y)};
}

WindowlessInput::Hit WindowlessInput::locate(int x, int y) {
  if (captured_) {
    // Captured: the pressed surface gets the pointer in its own coordinates.
    int left = 0, top = 0;
    for (DetachedSurface* s = captured_; s && s != &root_; s = s->parent()) {
      const Rect b = s->bounds();
      left += b.left;
      top += b.top;
    }
    return {captured_, static_cast<float>(x - left), static_cast<float>(y - top)};
  }
  Hit hit = hitTest(root_, x, y);
  if (!hit.surface) hit = {&root_, static_cast<float>(x), static_cast<float>(y)};
  return hit;
}

bool WindowlessInput::mouse(UINT message, WPARAM wParam, LPARAM lParam) {
  Hit hit = locate(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  ControlEvents* sink = hit.surface->eventSink();
  std::int16_t shift = MouseShift(wParam);
  switch (message) {
    case WM_MOUSEMOVE: {
      std::int16_t buttons = HeldButtons(wParam);
      if (sink) sink->onMouseMove(buttons, shift, hit.x, hit.y);
      return true;
    }
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: {
      captured_ = hit.surface;
      std::int16_t button = ButtonOf(message);
      // The second press of a double click: DblClick instead of a new Click.
      const bool second = message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
      const bool doubleClick = clicks_.press(second);
      if (doubleClick && sink) sink->onDblClick();
      if (!doubleClick && sink) sink->onMouseDown(button, shift, hit.x, hit.y);
      return true;
    }
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
      std::int16_t button = ButtonOf(message);
      const Rect b = hit.surface->bounds();
      const bool inside = hit.x >= 0 && hit.y >= 0 && hit.x < b.width() && hit.y < b.height();
      const bool click = clicks_.release(inside);
      captured_ = nullptr;
      if (sink) sink->onMouseUp(button, shift, hit.x, hit.y);
      if (click && sink) sink->onClick();
      return true;
    }
    default:
      return false;
  }
}

// Keys go to the control itself, which has the focus when it gets them.
bool WindowlessInput::key(UINT message, WPARAM wParam, LPARAM lParam) {
  ControlEvents* sink = root_.eventSink();
  const bool systemKey = message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
  const bool altDown = systemKey && (lParam & (1 << 29));
  std::int16_t shift = KeyShift(altDown);
  std::int16_t code = static_cast<std::int16_t>(wParam);
  switch (message) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
      if (sink) sink->onKeyDown(code, shift);
      return true;
    case WM_KEYUP: case WM_SYSKEYUP:
      if (sink) sink->onKeyUp(code, shift);
      return true;
    case WM_CHAR: case WM_SYSCHAR:
      if (sink) sink->onKeyPress(code);
      return true;
    default:
      return false;
  }
}

bool WindowlessInput::deliver(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK) return mouse(message, wParam, lParam);
  return key(message, wParam, lParam);
}

}  // namespace glavo::win32
