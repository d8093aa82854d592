#include "draw/picture.h"

#include <algorithm>
#include <utility>
#include <cmath>

namespace glavo {

namespace {

int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

struct Premultiplied {
  double a = 0, r = 0, g = 0, b = 0;
};

// Box-filtered sample of the source area [x0, x1) x [y0, y1), premultiplied,
// so shrinking an icon keeps its edges smooth and its transparent pixels
// from bleeding colour.
Premultiplied SampleArea(const Picture& pic, double x0, double y0, double x1, double y1) {
  Premultiplied sum;
  double weight = 0;
  const int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
  const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
  const int ix1 = std::min(pic.width(), static_cast<int>(std::ceil(x1)));
  const int iy1 = std::min(pic.height(), static_cast<int>(std::ceil(y1)));
  for (int y = iy0; y < iy1; ++y) {
    const double wy = std::min<double>(y + 1, y1) - std::max<double>(y, y0);
    for (int x = ix0; x < ix1; ++x) {
      const double wx = std::min<double>(x + 1, x1) - std::max<double>(x, x0);
      const double w = wx * wy;
      if (w <= 0) continue;
      const std::uint32_t p = pic.pixel(x, y);
      const double a = ((p >> 24) & 255u) / 255.0;
      sum.a += w * a;
      sum.r += w * a * ((p >> 16) & 255u);
      sum.g += w * a * ((p >> 8) & 255u);
      sum.b += w * a * (p & 255u);
      weight += w;
    }
  }
  if (weight > 0) {
    sum.a /= weight;
    sum.r /= weight;
    sum.g /= weight;
    sum.b /= weight;
  }
  return sum;
}

std::uint32_t BlendOver(std::uint32_t dst, const Premultiplied& s) {
  const double keep = 1.0 - s.a;
  auto channel = [&](int shift, double src) {
    const double v = src + keep * ((dst >> shift) & 255u);
    return static_cast<std::uint32_t>(std::clamp(RoundEven(v), 0, 255)) << shift;
  };
  return (dst & 0xFF000000u) | channel(16, s.r) | channel(8, s.g) | channel(0, s.b);
}

}  // namespace

Picture::Picture(PictureType type, int width, int height, std::vector<std::uint32_t> pixels)
    : type_(type), width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(std::move(pixels)) {
  pixels_.resize(static_cast<std::size_t>(width_) * height_, 0);
}

Picture::Picture(PictureType type, int width, int height, std::vector<std::uint32_t> pixels, RowFills fills)
    : Picture(type, width, height, std::move(pixels)) {
  fills_ = std::move(fills);
}

std::vector<std::uint32_t> Picture::releasePixels() {
  type_ = PictureType::kNone;
  width_ = height_ = 0;
  fills_.reset(0);
  return std::exchange(pixels_, {});
}

const std::uint32_t* Picture::row(int y) const {
  std::uint32_t* start = pixels_.data() + static_cast<std::size_t>(y) * width_;
  RowSpan span;
  if (fills_.span(y, span, width_)) {
    std::fill(start + span.left, start + span.right, span.value);
    fills_.drop(y);
  }
  return start;
}

const std::vector<std::uint32_t>& Picture::pixels() const {
  for (int y = 0; y < height_ && fills_.any(); ++y) row(y);
  return pixels_;
}

std::uint32_t Picture::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  RowSpan span;
  if (fills_.span(y, span, width_) && x >= span.left && x < span.right) return span.value;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

Rgb Picture::rgbAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kInvalidColor;
  const std::uint32_t p = pixel(x, y);
  return MakeRgb((p >> 16) & 255, (p >> 8) & 255, p & 255);
}

void Picture::render(DeviceContext& dc, double x, double y, double w, double h) const {
  if (empty() || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(w) ||
      !std::isfinite(h)) {
    return;
  }
  const int dw = RoundEven(std::clamp(w, -1e6, 1e6));
  const int dh = RoundEven(std::clamp(h, -1e6, 1e6));
  const int dx = RoundEven(std::clamp(x, -1e6, 1e6));
  const int dy = RoundEven(std::clamp(y, -1e6, 1e6));
  const int targetW = dc.width();
  const int targetH = dc.height();
  if (dw <= 0 || dh <= 0 || targetW <= 0 || targetH <= 0) return;
  const int left = std::max(0, dx), right = std::min(targetW, dx + dw);
  const int top = std::max(0, dy), bottom = std::min(targetH, dy + dh);
  if (left >= right || top >= bottom) return;

  // Read the target, blend in memory, write it back: works the same on
  // every backend that can transfer the selected bitmap's pixels.
  const DibHeader header{targetW, -targetH, 32};
  std::vector<std::uint32_t> bits(static_cast<std::size_t>(targetW) * targetH);
  const BitmapHandle bitmap = dc.selectedBitmap();
  if (dc.getDIBits(bitmap, 0, targetH, header, bits.data()) <= 0) return;
  const double sx = static_cast<double>(width_) / dw;
  const double sy = static_cast<double>(height_) / dh;
  for (int ty = top; ty < bottom; ++ty) {
    const double y0 = (ty - dy) * sy;
    for (int tx = left; tx < right; ++tx) {
      const double x0 = (tx - dx) * sx;
      const Premultiplied s = SampleArea(*this, x0, y0, x0 + std::max(sx, 1e-9),
                                         y0 + std::max(sy, 1e-9));
      if (s.a <= 0) continue;
      std::uint32_t& d = bits[static_cast<std::size_t>(ty) * targetW + tx];
      d = BlendOver(d, s);
    }
  }
  dc.setDIBits(bitmap, 0, targetH, header, bits.data());
}

}  // namespace glavo
