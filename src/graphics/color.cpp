#include "graphics/color.h"

#include "graphics/rounding.h"

namespace glavo {
namespace {

// A clamped channel as the whole number 0..255 it is written as.
int ChannelByte(double x) { return RoundSmall(ClampByte(x)); }

}  // namespace

Channels SplitChannels(Rgb c) {
  const auto s = static_cast<std::int32_t>(c);
  // Integer division in C++ truncates toward zero, as the channel rule asks.
  return {s & 255, (s / 256) & 255, (s / 65536) & 255};
}

double ClampByte(double x) {
  if (x > 255.0) return 255.0;
  if (x < 0.0) return 0.0;
  return x;
}

std::int32_t ScaleValue(std::int32_t v, std::int32_t a, std::int32_t b, std::int32_t c,
                        std::int32_t d) {
  if (b == a) return 0;
  // Differences in double: 32-bit operands cannot overflow there.
  const double source = static_cast<double>(b) - static_cast<double>(a);
  const double target = static_cast<double>(d) - static_cast<double>(c);
  return RoundToInt32(static_cast<double>(v) / source * target);
}

Rgb TranslateColor(const ColorTable& table, OleColor c) {
  Rgb out = 0;
  return table.translate(c, out) ? out : c;
}

std::int32_t ClampRange(std::int32_t v, std::int32_t lo, std::int32_t hi) {
  if (v > hi) return hi;
  if (v < lo) return lo;
  return v;
}

Rgb BlendColors(Rgb c1, Rgb c2) {
  const Channels a = SplitChannels(c1);
  const Channels b = SplitChannels(c2);
  return MakeRgb(RoundSmall((a.r + b.r) / 2.0), RoundSmall((a.g + b.g) / 2.0),
                 RoundSmall((a.b + b.b) / 2.0));
}

Rgb ShiftColor(Rgb c, std::int32_t amount) { return ShiftColorRGB(c, amount, amount, amount); }

Rgb ShiftColorRGB(Rgb c, std::int32_t dr, std::int32_t dg, std::int32_t db) {
  const Channels ch = SplitChannels(c);
  // Sums in double so that extreme amounts clamp instead of overflowing.
  return MakeRgb(ChannelByte(static_cast<double>(ch.r) + dr),
                 ChannelByte(static_cast<double>(ch.g) + dg),
                 ChannelByte(static_cast<double>(ch.b) + db));
}

void AdjustPictureBrightness(DeviceContext& picture, std::int32_t brightness, std::int32_t x,
                             std::int32_t y, std::int32_t w, std::int32_t h) {
  picture.setStretchBltMode(kStretchHalftone);
  ColorAdjustment adjustment = picture.getColorAdjustment();
  adjustment.brightness = static_cast<std::int16_t>(ClampRange(brightness, -100, 100));
  picture.setColorAdjustment(adjustment);
  picture.stretchBlt(x, y, w, h, picture, x, y, w, h, kSrcCopy);
}

}  // namespace glavo
