#include "theme_fields.h"

#include "runtime/color_table.h"

namespace glavo::studio {

bool IsKnownColor(std::int64_t value) {
  if (value >= 0) return value <= 0xFFFFFF;
  if (value < INT32_MIN) return false;
  // Negative values are system colours: the high bit set, the index below.
  Rgb rgb = 0;
  return DefaultColorTable().translate(static_cast<OleColor>(static_cast<std::int32_t>(value)), rgb);
}

}  // namespace glavo::studio
