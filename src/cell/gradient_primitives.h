// The gradient primitives the fill styles are made of. All throw
// PaintLimit at their arithmetic limits.
#pragma once

#include <cstdint>
#include <vector>

#include "draw/device_context.h"
#include "runtime/picture_box.h"

namespace glavo {

// How GradientFill runs from the first colour to the second.
enum class GradientMode : std::int32_t {
  kLeftToRight = 0,  // column by column, one step per blendSize columns
  kTopToBottom = 1,  // row by row, one step per blendSize rows
  kRadial = 2,       // circles out from (x1, y1)
  kRowBands = 3,     // rows in repeating ramps blendSize rows long
  kColumnBands = 4,  // columns in repeating ramps
  kRowWaves = 5,     // rows following a cosine of the row
  kColumnWaves = 6,  // columns following a cosine of the column
};

// Line-by-line two-colour gradient between the corners (x1, y1) and
// (x2, y2), drawn with the picture box's own line and circle operations.
// `blendSize` 0 counts as 1. A mode outside the list draws nothing. The
// radial mode leaves the draw width at 2.
void GradientFill(PictureBox& pic, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                  std::int32_t y2, Rgb c1, Rgb c2, GradientMode mode, std::int32_t blendSize);

// A colour as the three bytes of a 24-bit DIB pixel.
struct Pixel24 {
  std::uint8_t b = 0;
  std::uint8_t g = 0;
  std::uint8_t r = 0;
};

// Ramp from `a` towards `b` over indexes 0..n, stopping short of `b`:
// out[n] = a + (b - a) * n / steps with steps = round(blendSize / 10 + n + 1).
// Empty for n < 0.
std::vector<Pixel24> ColorRamp(std::int32_t n, Pixel24 a, Pixel24 b, std::int32_t blendSize);

// Bilinear gradient of the rectangle (x, y, w, h) between four corner
// colours, written row by row as 24-bit DIB rows.
void FourCornerGradient(DeviceContext& dc, std::int32_t x, std::int32_t y, std::int32_t w,
                        std::int32_t h, Rgb topLeft, Rgb topRight, Rgb bottomLeft,
                        Rgb bottomRight, std::int32_t blendSize);

// AlphaBlend with a constant alpha (0..255) and an alpha format (0 or 1).
void AlphaCopy(DeviceContext& dst, std::int32_t dx, std::int32_t dy, std::int32_t dw,
               std::int32_t dh, DeviceContext& src, std::int32_t sx, std::int32_t sy,
               std::int32_t sw, std::int32_t sh, std::int32_t alpha, std::int32_t format);

}  // namespace glavo
