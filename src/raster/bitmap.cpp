#include "raster/bitmap.h"

#include <algorithm>
#include <cstring>

namespace glavo::soft {

namespace {

// Negative or absurd sizes become an empty surface rather than a huge allocation.
int SaneExtent(int v) { return std::clamp(v, 0, 1 << 15); }

constexpr int kGrowthRoom = 64;

}  // namespace

Bitmap::Bitmap(int width, int height, Pixel fill) { resize(width, height, fill); }

void Bitmap::fill(Pixel p) {
  pending_ = p;
  pendingFill_ = height_ > 0;
  rowPending_.assign(static_cast<std::size_t>(height_), 1);
  pendingRows_ = height_;
}

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

void Bitmap::dropRow(int y) const {
  if (!rowPending_[static_cast<std::size_t>(y)]) return;
  rowPending_[static_cast<std::size_t>(y)] = 0;
  if (--pendingRows_ == 0) pendingFill_ = false;
}

void Bitmap::settleRow(int y) const {
  if (!rowPending_[static_cast<std::size_t>(y)]) return;
  std::fill(rowStart(y), rowStart(y) + width_, pending_);
  dropRow(y);
}

void Bitmap::settleAll() const {
  for (int y = 0; y < height_ && pendingFill_; ++y) settleRow(y);
}

Pixel* Bitmap::overwriteRow(int y) {
  if (pendingFill_) dropRow(y);
  return rowStart(y);
}

void Bitmap::prepareOverwrite() { pendingFill_ = false; }

}  // namespace glavo::soft
