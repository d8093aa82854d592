// Spreading one sample point of a curve over the four pixels around it.
#pragma once

#include <array>
#include <cstdint>

namespace glavo {

struct SplatPixel {
  std::int32_t x = 0;
  std::int32_t y = 0;
  int intensity = 0;  // 0..255
};

// Moves a whole-number offset by 0.001 so that the pixel rounding of the
// splat never meets an exact tie; other values pass unchanged.
float NudgeOffWhole(float offset);

// The four pixels around the point (x1 + cx - 0.5, y1 + cy - 0.5) with
// intensities in proportion to their overlap with a pixel-sized square
// there, in blending order: top-left, top-right, bottom-left, bottom-right.
// The offsets are used as given (no nudge). Throws OverflowError when a
// pixel position does not fit 32 bits.
std::array<SplatPixel, 4> SplatPoint(std::int32_t x1, std::int32_t y1, float cx, float cy);

}  // namespace glavo
