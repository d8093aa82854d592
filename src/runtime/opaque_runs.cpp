#include "runtime/opaque_runs.h"

#include <algorithm>

#include "raster/bitmap.h"

namespace glavo {

namespace {

// One row's opaque runs; `transparent` is set when the row has a key pixel.
void RowRuns(const std::uint32_t* pixels, int keyedWidth, int width, int y, std::uint32_t key,
             std::vector<Rect>& row, bool& transparent) {
  row.clear();
  int x = 0;
  while (x < width) {
    const int skipped = x;
    while (x < keyedWidth && (pixels[x] & 0xFFFFFFu) == key) ++x;
    transparent = transparent || x > skipped;
    if (x >= width) break;
    const int start = x;
    while (x < keyedWidth && (pixels[x] & 0xFFFFFFu) != key) ++x;
    if (x >= keyedWidth) x = width;  // beyond the mask picture: opaque
    row.push_back(Rect{start, y, x, y + 1});
  }
}

// Byte-for-byte equality of two rows, a block at a time (the C runtime's
// memcmp goes a byte at a time on some hosts).
bool SameRow(const std::uint32_t* a, const std::uint32_t* b, int count) {
  constexpr int kBlock = 16;
  int x = 0;
  for (; x + kBlock <= count; x += kBlock) {
    std::uint32_t diff = 0;
    for (int k = 0; k < kBlock; ++k) diff |= a[x + k] ^ b[x + k];
    if (diff != 0) return false;
  }
  std::uint32_t diff = 0;
  for (; x < count; ++x) diff |= a[x] ^ b[x];
  return diff == 0;
}

// A row of the mask as far as it reaches (keyedWidth pixels): its pixels,
// of which a span may be one value not written out.
struct RowShape {
  int keyedWidth = 0;
  int left = 0, right = 0;  // the span of `value`, within keyedWidth
  std::uint32_t value = 0;
  const std::uint32_t* pixels = nullptr;  // right outside the span

  bool same(const RowShape& o) const {
    if (keyedWidth != o.keyedWidth || left != o.left || right != o.right) return false;
    if (left < right && value != o.value) return false;
    return SameRow(pixels, o.pixels, left) && SameRow(pixels + right, o.pixels + right, keyedWidth - right);
  }
  void runs(int width, int y, std::uint32_t key, std::vector<Rect>& row, bool& transparent,
            std::vector<std::uint32_t>& scratch) const {
    if (left == 0 && right == keyedWidth && keyedWidth > 0) {
      row.clear();
      const bool keyed = (value & 0xFFFFFFu) == key;
      transparent = transparent || keyed;
      const int start = keyed ? keyedWidth : 0;
      if (start < width) row.push_back(Rect{start, y, width, y + 1});
      return;
    }
    const std::uint32_t* at = pixels;
    if (left < right) {
      scratch.assign(pixels, pixels + keyedWidth);
      std::fill(scratch.begin() + left, scratch.begin() + right, value);
      at = scratch.data();
    }
    RowRuns(at, keyedWidth, width, y, key, row, transparent);
  }
};

RowShape ShapeOf(const Picture& mask, int y, int keyedWidth) {
  RowShape shape;
  shape.keyedWidth = keyedWidth;
  if (keyedWidth == 0) return shape;
  RowSpan span;
  if (mask.rowSpan(y, span)) {
    shape.left = std::min(span.left, keyedWidth);
    shape.right = std::clamp(span.right, shape.left, keyedWidth);
    shape.value = span.value;
    shape.pixels = mask.rowOutsideSpan(y);
  } else {
    shape.pixels = mask.row(y);
  }
  return shape;
}

bool SameRuns(const std::vector<Rect>& rects, std::size_t band, const std::vector<Rect>& row) {
  return rects.size() - band == row.size() &&
         std::equal(row.begin(), row.end(), rects.begin() + static_cast<std::ptrdiff_t>(band),
                    [](const Rect& a, const Rect& b) { return a.left == b.left && a.right == b.right; });
}

}  // namespace

std::vector<Rect> OpaqueRuns(const Picture* mask, Rgb key, int width, int height) {
  std::vector<Rect> rects;
  if (!mask || mask->empty() || width <= 0 || height <= 0) return rects;
  // The key colour as the picture stores it (0xRRGGBB, alpha aside).
  const std::uint32_t keyPixel = raster::PixelFromRgb(key);
  const int maskWidth = std::min(mask->width(), width);
  const int maskHeight = std::min(mask->height(), height);
  bool anyTransparent = false;
  std::size_t band = 0;  // the first rectangle of the band the previous row joined
  std::vector<Rect> row;
  std::vector<std::uint32_t> scratch;
  RowShape previous;
  for (int y = 0; y < height; ++y) {
    const RowShape shape = ShapeOf(*mask, y, y < maskHeight ? maskWidth : 0);
    // Most rows of a large part repeat the row above; their runs extend the
    // band without a look at each pixel.
    const bool repeats = y > 0 && shape.same(previous);
    previous = shape;
    if (!repeats) shape.runs(width, y, keyPixel, row, anyTransparent, scratch);
    if (repeats || (y > 0 && SameRuns(rects, band, row))) {
      for (std::size_t i = band; i < rects.size(); ++i) rects[i].bottom = y + 1;
      continue;
    }
    band = rects.size();
    rects.insert(rects.end(), row.begin(), row.end());
  }
  if (!anyTransparent) rects.clear();
  return rects;
}

}  // namespace glavo
