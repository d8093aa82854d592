// The mouse pointer a surface shows: one of the standard shapes by its
// MousePointer value, or the cursor made from its MouseIcon (value 99).
#pragma once

#include <windows.h>

#include <cstdint>

#include "draw/noncopyable.h"
#include "draw/picture.h"

namespace glavo::win32 {

class PointerShape : Noncopyable {
 public:
  PointerShape() = default;
  ~PointerShape();

  // Makes the custom cursor from the icon (none for a null or empty one).
  void setIcon(const PictureRef& icon);
  // SetCursor with the shape of `pointer`. Every value is answered, so a
  // part's default arrow does not give way to the shape its parent shows.
  void show(std::int16_t pointer) const;

 private:
  HCURSOR custom_ = nullptr;
};

}  // namespace glavo::win32
