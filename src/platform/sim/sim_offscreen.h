// A software memory device context: a bitmap with a SoftDc over it.
#pragma once

#include <memory>

#include "draw/offscreen.h"
#include "raster/bitmap.h"

namespace glavo::sim {

class SoftGdi;
class SoftDc;

// The largest bitmap the software host allocates: a side of 32768 pixels and
// 2^27 pixels (512 MB) in all, well above an 8K display. Larger requests
// raise HostError(kOutOfMemory), as GDI refuses the bitmap.
inline constexpr int kMaxOffscreenSide = 1 << 15;
inline constexpr long long kMaxOffscreenPixels = 1LL << 27;

class SimOffscreen final : public Offscreen {
 public:
  SimOffscreen(SoftGdi& gdi, int width, int height);
  ~SimOffscreen() override;

  DeviceContext& dc() override;
  void resize(int width, int height) override;
  int width() const override { return bitmap_->width(); }
  int height() const override { return bitmap_->height(); }
  void readOpaque(std::uint32_t* out, RowFills& fills) override { bitmap_->readOpaque(out, fills); }
  raster::Bitmap& bitmap() { return *bitmap_; }
  const raster::Bitmap& bitmap() const { return *bitmap_; }

 private:
  SoftGdi& gdi_;
  std::unique_ptr<raster::Bitmap> bitmap_;
  std::unique_ptr<SoftDc> dc_;
};

}  // namespace glavo::sim
