// A 32-bit pixel surface with the memory layout of a top-down 32-bit DIB.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/types.h"

namespace glavo::soft {

// A pixel is 0xAARRGGBB as a 32-bit value (bytes B, G, R, A in memory), as in
// a Windows 32-bit DIB. Drawing operations leave alpha at 0 like GDI does;
// only AlphaBlend sources and PNG output give it meaning.
using Pixel = std::uint32_t;

constexpr Pixel PixelFromRgb(Rgb c) {
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr Rgb RgbFromPixel(Pixel p) {
  return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Pixel fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Pixel* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Pixel* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  Pixel& at(int x, int y) { return row(y)[x]; }
  Pixel at(int x, int y) const { return row(y)[x]; }

  void fill(Pixel p);
  // Reallocates to the new size; the content is cleared to `fill`.
  void resize(int width, int height, Pixel fill = 0);

  std::vector<Pixel>& pixels() { return pixels_; }
  const std::vector<Pixel>& pixels() const { return pixels_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

// Writes the bitmap as an 8-bit RGBA PNG. With `useAlpha` false every pixel is
// written opaque. Returns false (and writes nothing usable) on failure.
bool SavePng(const Bitmap& bitmap, const std::string& path, bool useAlpha);
// Reads a PNG into a bitmap (alpha kept). Returns false on failure.
bool LoadPng(const std::string& path, Bitmap& out);

}  // namespace glavo::soft
