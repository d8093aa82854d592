#include "cell/gradient_primitives.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

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

// Half-to-even rounding into a byte, written for the per-pixel ramps: no
// library calls on the hot path.
inline std::uint8_t ToByte(double v) {
  v = v < 0 ? 0 : (v > 255 ? 255 : v);
  const int whole = static_cast<int>(v);
  const double fraction = v - whole;
  const int up = (fraction > 0.5) | ((fraction == 0.5) & (whole & 1));
  return static_cast<std::uint8_t>(whole + up);
}

Pixel24 ToPixel(Rgb c) {
  const Channels ch = SplitChannels(c);
  return Pixel24{static_cast<std::uint8_t>(ch.b), static_cast<std::uint8_t>(ch.g),
                 static_cast<std::uint8_t>(ch.r)};
}

// The bytes round(ClampByte(a + d * k)) for k = first, first + 1, ... as
// runs of equal bytes. a + d * k is exact in fixed point (d is a float, k
// and a whole numbers), and the byte is monotonic in k, so each run ends
// where the fixed-point value first passes the rounding limit of its byte,
// an index found by an exact integer division: a row costs a few steps per
// distinct byte instead of work per pixel, and still rounds exactly as the
// floating-point formula does.
class ChannelRuns {
 public:
  ChannelRuns(int a, float d, std::int64_t first, std::int64_t count)
      : a_(a), d_(d), first_(first), count_(count) {
    int exponent = 0;
    const float mantissa = std::frexp(d, &exponent);  // d = mantissa * 2^exponent
    shift_ = 24 - exponent;
    fixed_ = d != 0 && shift_ >= 1 && shift_ <= 36 && first >= 0 && first <= (std::int64_t{1} << 24);
    if (fixed_) {
      step_ = static_cast<std::int64_t>(std::ldexp(static_cast<double>(mantissa), 24));
      half_ = std::int64_t{1} << (shift_ - 1);
      top_ = std::int64_t{255} << shift_;
      gap_ = step_ > 0 ? step_ : -step_;
      gentle_ = gap_ < (std::int64_t{1} << shift_) - 1;
      // The limits of neighbouring bytes lie one unit apart, one less from
      // an even byte's limit to the next and one more from an odd one's.
      for (int odd = 0; odd < 2; ++odd) {
        const std::int64_t apart = (std::int64_t{1} << shift_) + (odd ? 1 : -1);
        apartRuns_[odd] = apart / gap_;
        apartRest_[odd] = apart % gap_;
      }
    }
    start(0);
  }
  std::uint8_t value() const { return value_; }
  std::int64_t end() const { return end_; }
  void next() { start(end_); }

 private:
  std::int64_t fixedAt(std::int64_t i) const {
    return (static_cast<std::int64_t>(a_) << shift_) + step_ * (first_ + i);
  }
  std::uint8_t byteOf(std::int64_t v) const {
    if (v >= top_) return 255;
    if (v <= 0) return 0;
    const std::int64_t whole = v >> shift_, fraction = v & ((std::int64_t{1} << shift_) - 1);
    return static_cast<std::uint8_t>(whole + ((fraction > half_) | ((fraction == half_) & (whole & 1))));
  }
  // The least fixed-point value whose byte exceeds `b` (b < 255): b + 1/2
  // rounds up only from an odd b.
  std::int64_t above(int b) const {
    return (static_cast<std::int64_t>(b) << shift_) + half_ + ((b & 1) ? 0 : 1);
  }
  // The run's end is the first index j with fixedAt(j) >= limit (rising) or
  // < limit (falling): j = floor(p / gap) + 1 with p = limit - fixedAt(0) - 1
  // or fixedAt(0) - limit, kept as quotient and rest so that the next
  // byte's limit costs additions only.
  void track(std::int64_t limit) {
    const std::int64_t p = step_ > 0 ? limit - fixedAt(0) - 1 : fixedAt(0) - limit;
    runs_ = p / gap_;
    rest_ = p % gap_;
  }
  // From the limit of byte `from` to that of its neighbour in the ramp's
  // direction: p grows by the distance between the two limits.
  void advance(int from) {
    const int odd = from & 1;
    runs_ += apartRuns_[odd];
    rest_ += apartRest_[odd];
    if (rest_ >= gap_) {
      rest_ -= gap_;
      ++runs_;
    }
  }
  void start(std::int64_t i) {
    if (i >= count_) {
      end_ = count_;
      return;
    }
    if (!fixed_) {
      // Outside the fixed-point range: the formula itself, one pixel a run.
      value_ = ToByte(a_ + static_cast<double>(d_) * static_cast<double>(first_ + i));
      end_ = d_ == 0 ? count_ : i + 1;
      return;
    }
    const int before = value_;
    const bool rising = step_ > 0;
    // Where a pixel moves by less than the limits lie apart, a run ends on
    // the neighbouring byte.
    value_ = i > 0 && gentle_ ? static_cast<std::uint8_t>(before + (rising ? 1 : -1)) : byteOf(fixedAt(i));
    if (rising ? value_ == 255 : value_ == 0) {
      end_ = count_;
      return;
    }
    // A run that takes over from its neighbouring byte continues the
    // division; the first run, or one after a jump of several bytes, starts
    // it anew.
    if (i > 0 && value_ == before + (rising ? 1 : -1)) {
      advance(before);
    } else {
      track(rising ? above(value_) : above(value_ - 1));
    }
    end_ = std::min(count_, runs_ + 1);
  }

  int a_;
  float d_;
  std::int64_t first_, count_;
  int shift_ = 0;
  bool fixed_ = false, gentle_ = false;
  std::int64_t step_ = 0, half_ = 0, top_ = 0, gap_ = 1;
  std::int64_t apartRuns_[2] = {}, apartRest_[2] = {};
  std::int64_t runs_ = 0, rest_ = 0;
  std::uint8_t value_ = 0;
  std::int64_t end_ = 0;
};

// One channel's bytes along a row, k = first .. first + count - 1: worked
// out run by run, then laid out byte by byte so that the three channels
// merge into pixels in one straight loop.
struct ChannelRow {
  std::vector<std::uint8_t> bytes;

  void compute(int a, float d, std::int64_t first, std::int64_t count) {
    bytes.resize(static_cast<std::size_t>(count));
    ChannelRuns runs(a, d, first, count);
    for (std::int64_t at = 0; at < count; runs.next()) {
      const std::int64_t end = runs.end();
      std::memset(bytes.data() + at, runs.value(), static_cast<std::size_t>(end - at));
      at = end;
    }
  }
};

// The row's pixels (blue, green, red, 0) from its three channels.
void MergeChannels(const ChannelRow (&channels)[3], std::size_t count, std::uint32_t* out) {
  const std::uint8_t* b = channels[0].bytes.data();
  const std::uint8_t* g = channels[1].bytes.data();
  const std::uint8_t* r = channels[2].bytes.data();
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = b[i] | (std::uint32_t{g[i]} << 8) | (std::uint32_t{r[i]} << 16);
  }
}

// The step count of a ramp over indexes 0..n.
double RampSteps(std::int64_t n, std::int32_t blendSize) {
  const double steps = RoundHalfEven(blendSize / 10.0 + static_cast<double>(n) + 1.0);
  if (steps == 0) throw PaintLimit("division by zero");
  return steps;
}

// Per index, a channel moves by (b - a) / steps in single precision.
float RampDelta(int a, int b, double steps) { return static_cast<float>((b - a) / steps); }

// One ramp of ColorRamp: index i gives a + d * i per channel with
// d = (b - a) / steps in single precision.
class RampStep {
 public:
  RampStep(std::int64_t n, Pixel24 a, Pixel24 b, std::int32_t blendSize) : a_(a) {
    const double steps = RampSteps(n, blendSize);
    dr_ = RampDelta(a.r, b.r, steps);
    dg_ = RampDelta(a.g, b.g, steps);
    db_ = RampDelta(a.b, b.b, steps);
  }
  Pixel24 at(std::int64_t i) const {
    const double k = static_cast<double>(i);
    return Pixel24{ToByte(a_.b + db_ * k), ToByte(a_.g + dg_ * k), ToByte(a_.r + dr_ * k)};
  }

 private:
  Pixel24 a_;
  float dr_ = 0, dg_ = 0, db_ = 0;
};

// Circles of radius 0..R around (cx, cy), two pixels wide, each in its
// step colour, drawn in order: a pixel ends in the colour of the largest
// circle whose outline covers it, the one of radius floor(d + 1) for a
// pixel at distance d (a two-pixel pen reaches one pixel either side of
// the radius). Computed per pixel in one pass over the picture instead of
// stroking thousands of circles.
void ConcentricCircles(PictureBox& pic, std::int32_t cx, std::int32_t cy, std::int64_t R,
                       const Channels& start, const Steps& d) {
  const int w = pic.width(), h = pic.height();
  std::vector<Rgb> colors(static_cast<std::size_t>(R) + 1);
  for (std::int64_t r = 0; r <= R; ++r) colors[r] = StepColor(start, d, static_cast<double>(r));
  std::vector<std::uint32_t> bits(static_cast<std::size_t>(w) * h);
  DeviceContext& dc = pic.dc();
  const DibHeader header{w, -h, 32};
  if (dc.getDIBits(dc.selectedBitmap(), 0, h, header, bits.data()) <= 0) return;
  for (int y = 0; y < h; ++y) {
    const double dy = static_cast<double>(y) - cy;
    for (int x = 0; x < w; ++x) {
      const double dx = static_cast<double>(x) - cx;
      const double dist = std::sqrt(dx * dx + dy * dy);
      if (dist >= static_cast<double>(R) + 1) continue;
      const auto r = std::min<std::int64_t>(R, static_cast<std::int64_t>(dist + 1));
      const Rgb c = colors[r];
      bits[static_cast<std::size_t>(y) * w + x] = (static_cast<std::uint32_t>(RedOf(c)) << 16) |
                                                  (static_cast<std::uint32_t>(GreenOf(c)) << 8) |
                                                  static_cast<std::uint32_t>(BlueOf(c));
    }
  }
  dc.setDIBits(dc.selectedBitmap(), 0, h, header, bits.data());
}

}  // namespace

void GradientFill(PictureBox& pic, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                  std::int32_t y2, Rgb c1, Rgb c2, GradientMode mode, std::int32_t blendSize) {
  using enum GradientMode;
  if (mode < kLeftToRight || mode > kColumnWaves) return;
  const double blend = blendSize != 0 ? blendSize : 1;
  const Channels a = SplitChannels(c1);
  const Channels b = SplitChannels(c2);
  const double dy = static_cast<double>(y2) - y1;
  const double dx = static_cast<double>(x2) - x1;
  double n = 0;
  switch (mode) {
    case kLeftToRight: n = dx / blend; break;
    case kTopToBottom: n = dy / blend; break;
    case kRadial: n = std::max(pic.scaleWidth(), pic.scaleHeight()); break;
    case kRowBands: n = dy; break;
    case kColumnBands: n = dx + 1; break;
    case kRowWaves: n = dy; break;
    case kColumnWaves: n = dx; break;
  }
  if (mode != kRadial && n == 0) n = 1;
  if (n == 0) throw PaintLimit("division by zero");
  const Steps d{(b.r - a.r) / n, (b.g - a.g) / n, (b.b - a.b) / n};

  if (mode == kRadial) {
    pic.setDrawWidth(2);
    ConcentricCircles(pic, x1, y1, static_cast<std::int64_t>(n), a, d);
    return;
  }
  const bool columns = mode == kLeftToRight || mode == kColumnBands || mode == kColumnWaves;
  const std::int64_t span = columns ? static_cast<std::int64_t>(x2) - x1 : static_cast<std::int64_t>(y2) - y1;
  std::int64_t from = columns ? x1 : y1;
  std::int64_t to = columns ? x2 : y2;
  if (from > to) return;
  if ((mode == kRowBands || mode == kColumnBands) && span == 0) throw PaintLimit("division by zero");
  // Lines outside the picture draw nothing, and each line's colour depends
  // on its own coordinate only, so the loop can skip them.
  const std::int64_t limit = columns ? pic.width() : pic.height();
  from = std::max<std::int64_t>(from, -2);
  to = std::min<std::int64_t>(to, limit + 1);
  for (std::int64_t i = from; i <= to; ++i) {
    double k = 0;
    switch (mode) {
      case kLeftToRight: k = static_cast<double>(i - x1); break;
      case kTopToBottom: k = static_cast<double>(i - y1); break;
      case kRowBands:
      case kColumnBands: k = static_cast<double>(ModOrLimit(Nearest(static_cast<double>(i) * span / blend), span)); break;
      case kRowWaves:
      case kColumnWaves: k = static_cast<double>(Nearest(std::fabs(std::cos((span - i) / blend) * span))); break;
      case kRadial: break;
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
  // 32-bit rows (the fourth byte stays 0): they are taken as they are,
  // without a conversion from three bytes a pixel. A backend with pixel
  // memory has them merged straight into its rows.
  std::vector<std::uint32_t> pixels;
  const DibHeader header{static_cast<int>(count), 1, 32};
  const double rowSteps = RampSteps(w, blendSize);
  // A row's channel depends only on that channel's two end values, which
  // change every few rows at most: a channel like the one of the row before
  // keeps its bytes.
  struct Ends {
    int from = -1, to = -1;
  } ends[3];
  ChannelRow channels[3];
  const int firstX = static_cast<int>(x + firstCol);
  for (std::int64_t r = firstRow; r < endRow; ++r) {
    const Pixel24 l = left.at(r), rt = right.at(r);
    const int from[3] = {l.b, l.g, l.r}, to[3] = {rt.b, rt.g, rt.r};
    for (int c = 0; c < 3; ++c) {
      if (ends[c].from == from[c] && ends[c].to == to[c]) continue;
      channels[c].compute(from[c], RampDelta(from[c], to[c], rowSteps), firstCol, static_cast<std::int64_t>(count));
      ends[c] = {from[c], to[c]};
    }
    const int row = static_cast<int>(y + r);
    if (std::uint32_t* out = dc.overwriteRow(row, firstX, firstX + static_cast<int>(count))) {
      MergeChannels(channels, count, out + firstX);
      continue;
    }
    pixels.resize(count);
    MergeChannels(channels, count, pixels.data());
    dc.setDIBitsToDevice(firstX, row, static_cast<int>(count), 1, 0, 0, 0, 1, pixels.data(), header);
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
