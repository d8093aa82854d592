#include "host/soft/bitmap.h"

#include <png.h>

#include <algorithm>
#include <cstring>

namespace glavo::soft {

namespace {

constexpr Pixel kAlphaMask = 0xFF000000u;

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

bool SavePng(const Bitmap& bitmap, const std::string& path, bool useAlpha) {
  if (bitmap.width() <= 0 || bitmap.height() <= 0) return false;
  // Our memory layout (B, G, R, A bytes) is libpng's BGRA format.
  std::vector<Pixel> rows = bitmap.pixels();
  if (!useAlpha) {
    for (Pixel& p : rows) p |= kAlphaMask;
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.width());
  image.height = static_cast<png_uint_32>(bitmap.height());
  image.format = PNG_FORMAT_BGRA;
  const int ok =
      png_image_write_to_file(&image, path.c_str(), 0, rows.data(), bitmap.width() * 4, nullptr);
  png_image_free(&image);
  return ok != 0;
}

bool LoadPng(const std::string& path, Bitmap& out) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  const auto w = static_cast<int>(image.width);
  const auto h = static_cast<int>(image.height);
  if (w <= 0 || h <= 0 || w > (1 << 15) || h > (1 << 15)) {
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_BGRA;
  Bitmap loaded(w, h);
  if (!png_image_finish_read(&image, nullptr, loaded.pixels().data(), w * 4, nullptr)) {
    png_image_free(&image);
    return false;
  }
  out = std::move(loaded);
  return true;
}

}  // namespace glavo::soft
