#include "raster/bitmap.h"

#include <algorithm>
#include <cstring>

namespace glavo::raster {

namespace {

// Negative or absurd sizes become an empty surface rather than a huge allocation.
int SaneExtent(int v) { return std::clamp(v, 0, 1 << 15); }

constexpr int kGrowthRoom = 64;

// Spans shorter than this are written at once: recording them costs more
// than it saves.
constexpr int kRecordedSpan = 64;

}  // namespace

Bitmap::Bitmap(int width, int height, Pixel fill) { resize(width, height, fill); }

void Bitmap::fill(Pixel p) {
  pending_.reset(height_);
  for (int y = 0; y < height_; ++y) pending_.set(y, p);
}

void Bitmap::fillRow(int y, Pixel p) { pending_.set(y, p); }

// A surface being dragged larger grows by a few pixels per mouse move;
// keeping room for that many more rows and columns spares a fresh
// allocation (and its page faults) on every step.
void Bitmap::resize(int width, int height, Pixel fill) {
  width_ = SaneExtent(width);
  height_ = SaneExtent(height);
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  const std::size_t room = static_cast<std::size_t>(width_ + kGrowthRoom) * (height_ + kGrowthRoom);
  if (count() > pixels_.capacity()) {
    std::vector<Pixel> grown;
    grown.reserve(room);
    pixels_.swap(grown);
  } else if (pixels_.capacity() / 4 > room) {
    // Far larger than a new surface of this size would take: give the
    // memory back. (Measured against the room, not the pixels: a thin
    // surface's room is many times its pixels, and it would otherwise be
    // freed and allocated again on every step.)
    std::vector<Pixel>().swap(pixels_);
  }
  pixels_.resize(count());
  this->fill(fill);
}

void Bitmap::settleRow(int y) const {
  RowSpan s;
  if (!pending_.span(y, s, width_)) return;
  std::fill(rowStart(y) + s.left, rowStart(y) + s.right, s.value);
  pending_.drop(y);
}

void Bitmap::settleAll() const {
  for (int y = 0; y < height_ && pending_.any(); ++y) settleRow(y);
}

void Bitmap::carve(int y, int left, int right) const {
  RowSpan s;
  if (!pending_.span(y, s, width_)) return;
  left = std::max(left, s.left);
  right = std::min(right, s.right);
  if (left >= right) return;
  Pixel* row = rowStart(y);
  if (left - s.left >= s.right - right) {
    std::fill(row + right, row + s.right, s.value);
    s.right = left;
  } else {
    std::fill(row + s.left, row + left, s.value);
    s.left = right;
  }
  if (s.left < s.right) {
    pending_.setSpan(y, s);
  } else {
    pending_.drop(y);
  }
}

Pixel* Bitmap::overwriteSpan(int y, int left, int right) {
  carve(y, left, right);
  return rowStart(y);
}

Pixel* Bitmap::overwriteRow(int y) { return overwriteSpan(y, 0, width_); }

void Bitmap::set(int x, int y, Pixel p) {
  RowSpan s;
  if (pending_.span(y, s, width_) && x >= s.left && x < s.right) {
    if (s.value == p) return;
    carve(y, x, x + 1);
  }
  rowStart(y)[x] = p;
}

void Bitmap::fillSpan(int y, int left, int right, Pixel p) {
  if (left >= right) return;
  if (left == 0 && right == width_) {
    pending_.set(y, p);
    return;
  }
  RowSpan s;
  const bool pending = pending_.span(y, s, width_);
  if (pending && s.value == p && left <= s.right && right >= s.left) {
    // Touching the recorded span of the same value: one longer span.
    s.left = std::min(s.left, left);
    s.right = std::max(s.right, right);
    if (s.left == 0 && s.right == width_) {
      pending_.set(y, p);
    } else {
      pending_.setSpan(y, s);
    }
    return;
  }
  if (!pending && right - left >= kRecordedSpan) {
    pending_.setSpan(y, RowSpan{left, right, p});
    return;
  }
  Pixel* row = overwriteSpan(y, left, right);
  std::fill(row + left, row + right, p);
}

void Bitmap::readOpaque(Pixel* out, RowFills& fills) const {
  fills.reset(height_);
  for (int y = 0; y < height_; ++y, out += width_) {
    // A recorded span stays a fill; only the pixels around it are written.
    RowSpan span;
    if (pending_.span(y, span, width_)) {
      span.value |= 0xFF000000u;
      if (span.left == 0 && span.right == width_) {
        fills.set(y, span.value);
      } else {
        fills.setSpan(y, span);
      }
    }
    const Pixel* in = rowStart(y);
    for (int x = 0; x < span.left; ++x) out[x] = in[x] | 0xFF000000u;
    for (int x = span.right; x < width_; ++x) out[x] = in[x] | 0xFF000000u;
  }
}

}  // namespace glavo::raster
