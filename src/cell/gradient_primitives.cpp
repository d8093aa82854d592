#include "cell/gradient_primitives.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "cell/paint_limit.h"
#include "graphics/color.h"
#include "graphics/rounding.h"

namespace glavo {

namespace {

struct Steps {
  double r = 0, g = 0, b = 0;
};

Rgb StepColor(const Channels& start, const Steps& d, double k) {
  return MakeRgb(RoundSmall(ClampByte(start.r + d.r * k)), RoundSmall(ClampByte(start.g + d.g * k)),
                 RoundSmall(ClampByte(start.b + d.b * k)));
}

// Whole-number conversion where the value must fit a Long.
std::int64_t Nearest(double v) {
  const double r = RoundHalfEven(v);
  if (!(r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max())) {
    throw PaintLimit("overflow");
  }
  return static_cast<std::int64_t>(r);
}

std::int64_t ModOrLimit(std::int64_t a, std::int64_t b) {
  if (b == 0) throw PaintLimit("division by zero");
  return a % b;  // C++ keeps the sign of the dividend, as Mod does
}

std::uint8_t ToByte(double v) { return static_cast<std::uint8_t>(std::clamp(RoundSmall(v), 0, 255)); }

Pixel24 ToPixel(Rgb c) {
  const Channels ch = SplitChannels(c);
  return Pixel24{static_cast<std::uint8_t>(ch.b), static_cast<std::uint8_t>(ch.g),
                 static_cast<std::uint8_t>(ch.r)};
}

// One ramp of ColorRamp: index i gives a + d * i per channel with
// d = (b - a) / steps in single precision.
class RampStep {
 public:
  RampStep(std::int64_t n, Pixel24 a, Pixel24 b, std::int32_t blendSize) : a_(a) {
    const double steps = RoundHalfEven(blendSize / 10.0 + static_cast<double>(n) + 1.0);
    if (steps == 0) throw PaintLimit("division by zero");
    dr_ = static_cast<float>((b.r - a.r) / steps);
    dg_ = static_cast<float>((b.g - a.g) / steps);
    db_ = static_cast<float>((b.b - a.b) / steps);
  }
  Pixel24 at(std::int64_t i) const {
    const double k = static_cast<double>(i);
    return Pixel24{ToByte(a_.b + db_ * k), ToByte(a_.g + dg_ * k), ToByte(a_.r + dr_ * k)};
  }

 private:
  Pixel24 a_;
  float dr_ = 0, dg_ = 0, db_ = 0;
};

}  // namespace

void GradientFill(PictureBox& pic, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                  std::int32_t y2, Rgb c1, Rgb c2, std::int32_t mode, std::int32_t blendSize) {
  if (mode < 0 || mode > 6) return;
  const double blend = blendSize != 0 ? blendSize : 1;
  const Channels a = SplitChannels(c1);
  const Channels b = SplitChannels(c2);
  const double dy = static_cast<double>(y2) - y1;
  const double dx = static_cast<double>(x2) - x1;
  double n = 0;
  switch (mode) {
    case 0: n = dx / blend; break;
    case 1: n = dy / blend; break;
    case 2: n = std::max(pic.scaleWidth(), pic.scaleHeight()); break;
    case 3: n = dy; break;
    case 4: n = dx + 1; break;
    case 5: n = dy; break;
    case 6: n = dx; break;
  }
  if (mode != 2 && n == 0) n = 1;
  if (n == 0) throw PaintLimit("division by zero");
  const Steps d{(b.r - a.r) / n, (b.g - a.g) / n, (b.b - a.b) / n};

  if (mode == 2) {
    pic.setDrawWidth(2);
    const auto radius = static_cast<std::int64_t>(n);
    for (std::int64_t r = 0; r <= radius; ++r) {
      pic.circle(x1, y1, static_cast<double>(r), StepColor(a, d, static_cast<double>(r)));
    }
    return;
  }
  const bool columns = mode == 0 || mode == 4 || mode == 6;
  const std::int64_t span = columns ? static_cast<std::int64_t>(x2) - x1 : static_cast<std::int64_t>(y2) - y1;
  std::int64_t from = columns ? x1 : y1;
  std::int64_t to = columns ? x2 : y2;
  if (from > to) return;
  if ((mode == 3 || mode == 4) && span == 0) throw PaintLimit("division by zero");
  // Lines outside the picture draw nothing, and each line's colour depends
  // on its own coordinate only, so the loop can skip them.
  const std::int64_t limit = columns ? pic.width() : pic.height();
  from = std::max<std::int64_t>(from, -2);
  to = std::min<std::int64_t>(to, limit + 1);
  for (std::int64_t i = from; i <= to; ++i) {
    double k = 0;
    switch (mode) {
      case 0: k = static_cast<double>(i - x1); break;
      case 1: k = static_cast<double>(i - y1); break;
      case 3:
      case 4: k = static_cast<double>(ModOrLimit(Nearest(static_cast<double>(i) * span / blend), span)); break;
      case 5:
      case 6: k = static_cast<double>(Nearest(std::fabs(std::cos((span - i) / blend) * span))); break;
    }
    const Rgb color = StepColor(a, d, k);
    if (columns) {
      pic.line(static_cast<double>(i), y1, static_cast<double>(i), y2, color);
    } else {
      pic.line(x1, static_cast<double>(i), x2, static_cast<double>(i), color);
    }
  }
}

std::vector<Pixel24> ColorRamp(std::int32_t n, Pixel24 a, Pixel24 b, std::int32_t blendSize) {
  std::vector<Pixel24> out;
  if (n < 0) return out;
  const RampStep ramp(n, a, b, blendSize);
  out.reserve(static_cast<std::size_t>(n) + 1);
  for (std::int32_t i = 0; i <= n; ++i) out.push_back(ramp.at(i));
  return out;
}

void FourCornerGradient(DeviceContext& dc, std::int32_t x, std::int32_t y, std::int32_t w,
                        std::int32_t h, Rgb topLeft, Rgb topRight, Rgb bottomLeft,
                        Rgb bottomRight, std::int32_t blendSize) {
  if (w <= 0 || h <= 0) return;
  // Only the part inside the target is computed: every pixel of a ramp
  // depends on its own index, so clipping changes nothing that shows.
  const std::int64_t firstRow = std::max<std::int64_t>(0, -static_cast<std::int64_t>(y));
  const std::int64_t endRow = std::min<std::int64_t>(h, static_cast<std::int64_t>(dc.height()) - y);
  const std::int64_t firstCol = std::max<std::int64_t>(0, -static_cast<std::int64_t>(x));
  const std::int64_t endCol = std::min<std::int64_t>(w, static_cast<std::int64_t>(dc.width()) - x);
  if (firstRow >= endRow || firstCol >= endCol) return;
  const RampStep left(h, ToPixel(topLeft), ToPixel(bottomLeft), blendSize);
  const RampStep right(h, ToPixel(topRight), ToPixel(bottomRight), blendSize);
  const auto count = static_cast<std::size_t>(endCol - firstCol);
  std::vector<std::uint8_t> bytes((count * 3 + 3) & ~std::size_t{3});
  const DibHeader header{static_cast<int>(count), 1, 24};
  for (std::int64_t r = firstRow; r < endRow; ++r) {
    const RampStep row(w, left.at(r), right.at(r), blendSize);
    for (std::size_t i = 0; i < count; ++i) {
      const Pixel24 p = row.at(firstCol + static_cast<std::int64_t>(i));
      bytes[3 * i] = p.b;
      bytes[3 * i + 1] = p.g;
      bytes[3 * i + 2] = p.r;
    }
    dc.setDIBitsToDevice(static_cast<int>(x + firstCol), static_cast<int>(y + r),
                         static_cast<int>(count), 1, 0, 0, 0, 1, bytes.data(), header);
  }
}

void AlphaCopy(DeviceContext& dst, std::int32_t dx, std::int32_t dy, std::int32_t dw,
               std::int32_t dh, DeviceContext& src, std::int32_t sx, std::int32_t sy,
               std::int32_t sw, std::int32_t sh, std::int32_t alpha, std::int32_t format) {
  if (alpha < 0 || alpha > 255 || format < 0 || format > 255) throw PaintLimit("not a byte");
  BlendFunction blend;
  blend.constantAlpha = static_cast<std::uint8_t>(alpha);
  blend.alphaFormat = static_cast<std::uint8_t>(format);
  dst.alphaBlend(dx, dy, dw, dh, src, sx, sy, sw, sh, blend);
}

}  // namespace glavo
