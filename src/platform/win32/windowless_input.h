// Mouse and keyboard messages delivered to a control without a window of
// its own (IOleInPlaceObjectWindowless::OnWindowMessage): each becomes the
// control framework's event on the surface under the pointer, with the
// pointer captured while a button is held, as a windowed control gets them.
#pragma once

#include <windows.h>

#include "platform/win32/detached_surface.h"
#include "runtime/click_tracker.h"

namespace glavo::win32 {

class WindowlessInput {
 public:
  explicit WindowlessInput(DetachedSurface& root) : root_(root) {}

  // False for a message that is no input of a control (left to the caller).
  bool deliver(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Hit {
    DetachedSurface* surface = nullptr;
    float x = 0, y = 0;
  };
  Hit hitTest(DetachedSurface& surface, int x, int y);
  Hit locate(int x, int y);
  bool mouse(UINT message, WPARAM wParam, LPARAM lParam);
  bool key(UINT message, WPARAM wParam, LPARAM lParam);

  DetachedSurface& root_;
  DetachedSurface* captured_ = nullptr;
  ClickTracker clicks_;
};

}  // namespace glavo::win32
