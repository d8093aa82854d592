// A 32-bit pixel surface with the memory layout of a top-down 32-bit DIB.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draw/types.h"

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

// Filling the whole bitmap (a resize, a clear) is only recorded; a row's
// pixels are written when something first looks at that row, and not at
// all when the row is written over whole first. A surface resized twice,
// or cleared and then painted over by a copy, is written once.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Pixel fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Pixel* row(int y) {
    if (pendingFill_) settleRow(y);
    return rowStart(y);
  }
  const Pixel* row(int y) const {
    if (pendingFill_) settleRow(y);
    return rowStart(y);
  }
  Pixel& at(int x, int y) { return row(y)[x]; }
  Pixel at(int x, int y) const { return row(y)[x]; }
  // Row y for a caller that writes every pixel of it: a fill pending there
  // is dropped instead of written. The pixels hold anything until then.
  Pixel* overwriteRow(int y);

  void fill(Pixel p);
  // Resizes; the content is cleared to `fill`.
  void resize(int width, int height, Pixel fill = 0);
  // overwriteRow for every row.
  void prepareOverwrite();

  std::vector<Pixel>& pixels() {
    if (pendingFill_) settleAll();
    return pixels_;
  }
  const std::vector<Pixel>& pixels() const {
    if (pendingFill_) settleAll();
    return pixels_;
  }

 private:
  std::size_t count() const { return static_cast<std::size_t>(width_) * height_; }
  Pixel* rowStart(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  void settleRow(int y) const;
  void settleAll() const;
  void dropRow(int y) const;

  int width_ = 0;
  int height_ = 0;
  mutable std::vector<Pixel> pixels_;
  // While pendingFill_ is set, the rows marked here are all `pending_`
  // whatever pixels_ holds.
  mutable bool pendingFill_ = false;
  mutable std::vector<std::uint8_t> rowPending_;
  mutable int pendingRows_ = 0;
  Pixel pending_ = 0;
};

}  // namespace glavo::soft
