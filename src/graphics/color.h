// Colour arithmetic shared by every drawing routine: clamping, scaling,
// translation of OLE colours, and lighter, darker and mixed shades.
#pragma once

#include <cstdint>

#include "draw/device_context.h"
#include "draw/types.h"
#include "runtime/color_table.h"

namespace glavo {

// The red, green and blue of a colour: c And 255, (c \ 256) And 255 and
// (c \ 65536) And 255 with \ truncating toward zero, on c read as a signed
// 32-bit number. For an RGB value that is simply its three low bytes.
struct Channels {
  int r = 0;
  int g = 0;
  int b = 0;
};
Channels SplitChannels(Rgb c);

// 255 above 255, 0 below 0, otherwise x itself, still fractional.
double ClampByte(double x);

// v / (b - a) * (d - c) in floating point, rounded half to even; 0 when
// b = a. v is not offset by a and the result is not offset by c. Throws
// OverflowError when the result does not fit 32 bits.
std::int32_t ScaleValue(std::int32_t v, std::int32_t a, std::int32_t b, std::int32_t c,
                        std::int32_t d);

// The RGB value of an OLE colour (system colours resolved through the
// host's table); a value the table rejects comes back unchanged.
Rgb TranslateColor(const ColorTable& table, OleColor c);

// hi when v > hi, else lo when v < lo, else v: with crossed bounds hi wins.
std::int32_t ClampRange(std::int32_t v, std::int32_t lo, std::int32_t hi);

// Channel-wise average of two RGB colours, halves rounded to even.
Rgb BlendColors(Rgb c1, Rgb c2);

// Adds `amount` to every channel (negative darkens), clamped to 0..255.
Rgb ShiftColor(Rgb c, std::int32_t amount);

// Adds dr, dg and db to red, green and blue, each clamped to 0..255.
Rgb ShiftColorRGB(Rgb c, std::int32_t dr, std::int32_t dg, std::int32_t db);

// Lightens (brightness > 0) or darkens (< 0) the rectangle (x, y, w, h) of
// a picture in place: HALFTONE stretching with the context's colour
// adjustment set to the brightness clamped to -100..100, then a SRCCOPY
// StretchBlt of the rectangle onto itself. The stretch mode and colour
// adjustment stay set afterwards. Refreshing the picture's persistent image
// is the caller's job: the cell owns the picture box and knows when its
// drawing is complete.
void AdjustPictureBrightness(DeviceContext& picture, std::int32_t brightness, std::int32_t x,
                             std::int32_t y, std::int32_t w, std::int32_t h);

}  // namespace glavo
