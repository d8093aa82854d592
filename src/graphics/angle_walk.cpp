#include "graphics/angle_walk.h"

#include <algorithm>

namespace glavo {

float AngleStep(std::int32_t radiusX, std::int32_t radiusY, std::int32_t thickness) {
  const float k = thickness == 1 ? 0.5340707f : 1.0681413f;
  const std::int32_t r = std::max(radiusX, radiusY);
  if (r == 0) return k;
  return Single(k / std::fabs(static_cast<float>(r)));
}

}  // namespace glavo
