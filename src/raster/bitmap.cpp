#include "raster/bitmap.h"

#include <algorithm>
#include <cstring>

namespace glavo::raster {

namespace {

// Negative or absurd sizes become an empty surface rather than a huge allocation.
int SaneExtent(int v) { return std::clamp(v, 0, 1 << 15); }

constexpr int kGrowthRoom = 64;

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
  if (count() > pixels_.capacity()) {
    std::vector<Pixel> grown;
    grown.reserve(static_cast<std::size_t>(width_ + kGrowthRoom) * (height_ + kGrowthRoom));
    pixels_.swap(grown);
  } else if (count() < pixels_.capacity() / 4) {
    // Far smaller: give the memory back.
    std::vector<Pixel>().swap(pixels_);
  }
  pixels_.resize(count());
  this->fill(fill);
}

void Bitmap::settleRow(int y) const {
  Pixel p = 0;
  if (!pending_.get(y, p)) return;
  std::fill(rowStart(y), rowStart(y) + width_, p);
  pending_.drop(y);
}

void Bitmap::settleAll() const {
  for (int y = 0; y < height_ && pending_.any(); ++y) settleRow(y);
}

Pixel* Bitmap::overwriteSpan(int y, int left, int right) {
  Pixel p = 0;
  if (!pending_.get(y, p)) return rowStart(y);
  Pixel* row = rowStart(y);
  left = std::clamp(left, 0, width_);
  right = std::clamp(right, left, width_);
  std::fill(row, row + left, p);
  std::fill(row + right, row + width_, p);
  pending_.drop(y);
  return row;
}

Pixel* Bitmap::overwriteRow(int y) { return overwriteSpan(y, 0, width_); }

void Bitmap::set(int x, int y, Pixel p) {
  Pixel recorded = 0;
  if (pending_.get(y, recorded) && recorded == p) return;
  row(y)[x] = p;
}

void FillSpan(Bitmap& bitmap, int y, int left, int right, Pixel p) {
  if (left >= right) return;
  if (left == 0 && right == bitmap.width()) {
    bitmap.fillRow(y, p);
    return;
  }
  Pixel recorded = 0;
  if (bitmap.pendingRow(y, recorded) && recorded == p) return;
  Pixel* row = bitmap.overwriteSpan(y, left, right);
  std::fill(row + left, row + right, p);
}

void Bitmap::readOpaque(Pixel* out, RowFills& fills) const {
  fills.reset(height_);
  for (int y = 0; y < height_; ++y, out += width_) {
    Pixel p = 0;
    if (pending_.get(y, p)) {
      fills.set(y, p | 0xFF000000u);
      continue;
    }
    const Pixel* in = row(y);
    for (int x = 0; x < width_; ++x) out[x] = in[x] | 0xFF000000u;
  }
}

}  // namespace glavo::raster
