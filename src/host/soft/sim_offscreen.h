// A software memory device context: a bitmap with a SoftDc over it.
#pragma once

#include <memory>

#include "host/offscreen.h"
#include "host/soft/bitmap.h"

namespace glavo::soft {

class SoftGdi;
class SoftDc;

class SimOffscreen final : public Offscreen {
 public:
  SimOffscreen(SoftGdi& gdi, int width, int height);
  ~SimOffscreen() override;

  DeviceContext& dc() override;
  void resize(int width, int height) override;
  int width() const override { return bitmap_->width(); }
  int height() const override { return bitmap_->height(); }
  Bitmap& bitmap() { return *bitmap_; }
  const Bitmap& bitmap() const { return *bitmap_; }

 private:
  SoftGdi& gdi_;
  std::unique_ptr<Bitmap> bitmap_;
  std::unique_ptr<SoftDc> dc_;
};

}  // namespace glavo::soft
