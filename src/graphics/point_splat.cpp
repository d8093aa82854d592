#include "graphics/point_splat.h"

#include <cmath>

#include "graphics/rounding.h"
#include "graphics/single_precision.h"

namespace glavo {
namespace {

// The right-hand column ix + 1, which must itself be a valid 32-bit position.
std::int32_t NextColumn(std::int32_t ix) { return RoundToInt32(static_cast<double>(ix) + 1.0); }

}  // namespace

float NudgeOffWhole(float offset) {
  return std::floor(offset) == offset ? Single(offset + 0.001f) : offset;
}

std::array<SplatPixel, 4> SplatPoint(std::int32_t x1, std::int32_t y1, float cx, float cy) {
  const float fx = Single(Single(static_cast<float>(x1) + cx) - 0.5f);
  const float fy = Single(Single(static_cast<float>(y1) + cy) - 0.5f);
  const float fyBelow = Single(fy + 1.0f);
  const std::int32_t ix = RoundToInt32(fx);
  const std::int32_t iy = RoundToInt32(fy);
  const std::int32_t iy2 = RoundToInt32(fyBelow);
  const std::int32_t ixRight = NextColumn(ix);

  const double left = 255.0 * (static_cast<double>(ix) + 0.5 - fx);
  const double right = 255.0 - left;
  const double top = static_cast<double>(iy) + 0.5 - fy;
  const double bottom = static_cast<double>(fyBelow) - static_cast<double>(iy2) + 0.5;

  return {{{ix, iy, RoundSmall(left * top)},
           {ixRight, iy, RoundSmall(right * top)},
           {ix, iy2, RoundSmall(left * bottom)},
           {ixRight, iy2, RoundSmall(right * bottom)}}};
}

}  // namespace glavo
