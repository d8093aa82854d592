#include "host/soft/sim_offscreen.h"

#include <algorithm>

#include "host/soft/soft_dc.h"

namespace glavo::soft {

SimOffscreen::SimOffscreen(SoftGdi& gdi, int width, int height)
    : gdi_(gdi),
      bitmap_(std::make_unique<Bitmap>(std::max(1, width), std::max(1, height))),
      dc_(std::make_unique<SoftDc>(*bitmap_, gdi)) {}

SimOffscreen::~SimOffscreen() = default;

DeviceContext& SimOffscreen::dc() { return *dc_; }

void SimOffscreen::resize(int width, int height) {
  bitmap_->resize(std::max(1, width), std::max(1, height), 0);
}

}  // namespace glavo::soft
