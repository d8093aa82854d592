// A 32-bit pixel surface with the memory layout of a top-down 32-bit DIB.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draw/row_fills.h"
#include "draw/types.h"

namespace glavo::raster {

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

// Filling the whole bitmap (a resize, a clear), a whole row or a long span
// of a row is only recorded; the span's pixels are written when something
// first looks at that row, and not at all when they are written over first.
// A pixel written inside a recorded span shortens it from its nearer end, so
// a border drawn around a filled shape leaves its rows recorded. A surface
// resized twice, or cleared and then painted over by a copy, is written
// once; a reader that asks (pendingRow, pendingSpan) can take a filled row
// or span as its one value.

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Pixel fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Pixel* row(int y) {
    if (pending_.any()) settleRow(y);
    return rowStart(y);
  }
  const Pixel* row(int y) const {
    if (pending_.any()) settleRow(y);
    return rowStart(y);
  }
  Pixel& at(int x, int y) { return row(y)[x]; }
  // Pixel (x, y) set to `p`; a row recorded as `p` already stays recorded.
  void set(int x, int y, Pixel p);
  Pixel at(int x, int y) const { return row(y)[x]; }
  // Row y for a caller that writes every pixel of it: a fill pending there
  // is dropped instead of written. The pixels hold anything until then.
  Pixel* overwriteRow(int y);
  // Row y for a caller that writes every pixel of [left, right) of it: a
  // fill pending there is written only outside that span.
  Pixel* overwriteSpan(int y, int left, int right);

  void fill(Pixel p);
  // Row y all `p` (0 <= y < height).
  void fillRow(int y, Pixel p);
  // Pixels [left, right) of row y set to `p` (0 <= left, right <= width); a
  // long span is only recorded.
  void fillSpan(int y, int left, int right, Pixel p);
  // True when row y is a recorded fill not yet written; `p` is its value.
  bool pendingRow(int y, Pixel& p) const { return pending_.get(y, p); }
  // True when part of row y is a recorded fill not yet written.
  bool pendingSpan(int y, RowSpan& span) const { return pending_.span(y, span, width_); }
  // Row y as it is: its pixels are right outside its pending span only.
  const Pixel* rowOutsidePending(int y) const { return rowStart(y); }
  // Resizes; the content is cleared to `fill`.
  void resize(int width, int height, Pixel fill = 0);

  std::vector<Pixel>& pixels() {
    if (pending_.any()) settleAll();
    return pixels_;
  }
  const std::vector<Pixel>& pixels() const {
    if (pending_.any()) settleAll();
    return pixels_;
  }
  // The pixels with alpha 255, width() per row, into `out`; a row or span
  // that is still a recorded fill is set in `fills` instead of written.
  void readOpaque(Pixel* out, RowFills& fills) const;

 private:
  std::size_t count() const { return static_cast<std::size_t>(width_) * height_; }
  Pixel* rowStart(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  void settleRow(int y) const;
  // Pixels [left, right) of row y about to be written: the pending span
  // loses them, keeping its longer remaining side recorded.
  void carve(int y, int left, int right) const;
  void settleAll() const;

  int width_ = 0;
  int height_ = 0;
  mutable std::vector<Pixel> pixels_;
  // Rows recorded as one value, whatever pixels_ holds there.
  mutable RowFills pending_;
};

}  // namespace glavo::raster
