// A memory device context with its own bitmap: the backing store of a
// picture box. Each backend provides one.
#pragma once

#include "host/device_context.h"

namespace glavo {

class Offscreen {
 public:
  virtual ~Offscreen() = default;
  virtual DeviceContext& dc() = 0;
  // Reallocates the bitmap (a size below 1 is kept at 1 pixel so the
  // context always has a bitmap); the content is cleared to black.
  virtual void resize(int width, int height) = 0;
  virtual int width() const = 0;
  virtual int height() const = 0;
};

}  // namespace glavo
