// Picture objects: an icon or bitmap with its own size and transparency.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "draw/device_context.h"

namespace glavo {

enum class PictureType { kNone, kBitmap, kIcon };

// Pixels are 0xAARRGGBB, top-down, with straight (not premultiplied) alpha;
// alpha 0 is fully transparent (an icon's mask). A bitmap is opaque.
class Picture {
 public:
  Picture() = default;  // the empty picture (type kNone, 0 x 0)
  Picture(PictureType type, int width, int height, std::vector<std::uint32_t> pixels);

  PictureType type() const { return type_; }
  bool empty() const { return type_ == PictureType::kNone || width_ <= 0 || height_ <= 0; }
  int width() const { return width_; }   // pixels
  int height() const { return height_; }
  const std::vector<std::uint32_t>& pixels() const { return pixels_; }
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
  std::vector<std::uint32_t> pixels_;
};

// Pictures are shared by reference and released with their last holder.
using PictureRef = std::shared_ptr<const Picture>;

}  // namespace glavo
