// A memory device context with its own bitmap: the backing store of a
// picture box. Each backend provides one.
#pragma once

#include <cstdint>

#include "draw/device_context.h"

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
  // The pixels, top row first, with alpha 255, into width() * height()
  // values: what a picture of the image holds.
  virtual void readOpaque(std::uint32_t* out) {
    DeviceContext& d = dc();
    d.getDIBits(d.selectedBitmap(), 0, height(), DibHeader{width(), -height(), 32}, out);
    const std::size_t n = static_cast<std::size_t>(width()) * height();
    for (std::size_t i = 0; i < n; ++i) out[i] |= 0xFF000000u;
  }
};

}  // namespace glavo
