#include "platform/sim/sim_offscreen.h"

#include <algorithm>

#include "platform/sim/soft_dc.h"
#include "runtime/host_value.h"

namespace glavo::sim {
namespace {

// Extents below 1 keep a 1-pixel bitmap so the context always has one.
Size CheckedExtent(int width, int height) {
  const Size s{std::max(1, width), std::max(1, height)};
  if (s.cx > kMaxOffscreenSide || s.cy > kMaxOffscreenSide ||
      static_cast<long long>(s.cx) * s.cy > kMaxOffscreenPixels) {
    throw HostError(host_error::kOutOfMemory, "Out of memory");
  }
  return s;
}

}  // namespace

SimOffscreen::SimOffscreen(SoftGdi& gdi, int width, int height)
    : gdi_(gdi),
      bitmap_(std::make_unique<raster::Bitmap>(CheckedExtent(width, height).cx, CheckedExtent(width, height).cy)),
      dc_(std::make_unique<SoftDc>(*bitmap_, gdi)) {}

SimOffscreen::~SimOffscreen() = default;

DeviceContext& SimOffscreen::dc() { return *dc_; }

void SimOffscreen::resize(int width, int height) {
  const Size s = CheckedExtent(width, height);
  bitmap_->resize(s.cx, s.cy, 0);
}

}  // namespace glavo::sim
