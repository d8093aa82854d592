// Picture objects: an icon or bitmap with its own size and transparency.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "draw/device_context.h"
#include "draw/row_fills.h"

namespace glavo {

enum class PictureType { kNone, kBitmap, kIcon };

// Pixels are 0xAARRGGBB, top-down, with straight (not premultiplied) alpha;
// alpha 0 is fully transparent (an icon's mask). A bitmap is opaque.
class Picture {
 public:
  Picture() = default;  // the empty picture (type kNone, 0 x 0)
  Picture(PictureType type, int width, int height, std::vector<std::uint32_t> pixels);
  // Rows (or spans of rows) set in `fills` are that value; their pixels
  // need not be written yet.
  Picture(PictureType type, int width, int height, std::vector<std::uint32_t> pixels, RowFills fills);

  PictureType type() const { return type_; }
  bool empty() const { return type_ == PictureType::kNone || width_ <= 0 || height_ <= 0; }
  int width() const { return width_; }   // pixels
  int height() const { return height_; }
  const std::vector<std::uint32_t>& pixels() const;
  // Row y (0 <= y < height), width() pixels.
  const std::uint32_t* row(int y) const;
  // True when row y is one value throughout, without writing its pixels.
  bool uniformRow(int y, std::uint32_t& value) const { return fills_.get(y, value); }
  // True when a span of row y is one value, without writing its pixels; the
  // row's other pixels are then rowOutsideSpan(y).
  bool rowSpan(int y, RowSpan& span) const { return fills_.span(y, span, width_); }
  const std::uint32_t* rowOutsideSpan(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  std::uint32_t pixel(int x, int y) const;  // 0 outside
  Rgb rgbAt(int x, int y) const;            // colour without alpha; kInvalidColor outside

  // Paints the picture stretched into the rectangle (x, y, w, h) of `dc`,
  // keeping its transparency: alpha 0 leaves the target, partial alpha
  // blends. Fractional positions round half to even. Nothing is drawn for
  // an empty picture or a rectangle without area.
  void render(DeviceContext& dc, double x, double y, double w, double h) const;

  // Hands the pixel memory over for reuse, leaving the picture empty; only
  // for a picture its last holder is about to drop.
  std::vector<std::uint32_t> releasePixels();

 private:
  PictureType type_ = PictureType::kNone;
  int width_ = 0;
  int height_ = 0;
  // Rows of fills_ are written into pixels_ when first read pixel by pixel.
  mutable std::vector<std::uint32_t> pixels_;
  mutable RowFills fills_;
};

// Pictures are shared by reference and released with their last holder.
using PictureRef = std::shared_ptr<const Picture>;

}  // namespace glavo
