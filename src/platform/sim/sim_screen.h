// The Screen object of the software host: the simulated desktop's size in
// twips at a fixed number of twips per pixel.
#pragma once

#include "draw/types.h"
#include "runtime/screen.h"

namespace glavo::sim {

class SimScreen final : public Screen {
 public:
  // 15 twips per pixel is the 96 dpi default.
  explicit SimScreen(Size pixels, double twipsPerPixel = 15) : pixels_(pixels), tpp_(twipsPerPixel) {}
  double width() const override { return pixels_.cx * tpp_; }
  double height() const override { return pixels_.cy * tpp_; }
  double twipsPerPixelX() const override { return tpp_; }
  double twipsPerPixelY() const override { return tpp_; }
  Size pixels() const { return pixels_; }

 private:
  Size pixels_;
  double tpp_;
};

}  // namespace glavo::sim
