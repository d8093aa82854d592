// The screen as the hover test sees it: cursor position and which window
// lies under a point.
#pragma once

#include <cstdint>

#include "draw/types.h"

namespace glavo {

// A window's identity (hwnd); 0 is no window.
using WindowHandle = std::uintptr_t;

class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual Point cursorPos() const = 0;                   // GetCursorPos, screen pixels
  virtual WindowHandle windowFromPoint(Point p) const = 0;  // WindowFromPoint
};

}  // namespace glavo
