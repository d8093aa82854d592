#include "text/text_blend.h"

#include <algorithm>

namespace glavo::text {
namespace {

int Mix(int from, int to, int coverage) {
  return from + ((to - from) * coverage + (to > from ? 127 : -127)) / 255;
}

raster::Pixel BlendPixel(raster::Pixel dst, Rgb color, int coverage) {
  if (coverage >= 255) return raster::PixelFromRgb(color);
  const Rgb d = raster::RgbFromPixel(dst);
  return raster::PixelFromRgb(MakeRgb(Mix(RedOf(d), RedOf(color), coverage),
                              Mix(GreenOf(d), GreenOf(color), coverage),
                              Mix(BlueOf(d), BlueOf(color), coverage)));
}

}  // namespace

Rect IntersectRects(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

void BlendCoverage(raster::Bitmap& target, const Rect& clip, const CoverageImage& image, int x, int y,
                   Rgb color) {
  if (image.empty()) return;
  const Rect bounds = IntersectRects(clip, Rect{0, 0, target.width(), target.height()});
  const long long left = static_cast<long long>(x) + image.left;
  const long long top = static_cast<long long>(y) + image.top;
  const long long x0 = std::max<long long>(bounds.left, left);
  const long long x1 = std::min<long long>(bounds.right, left + image.width);
  const long long y0 = std::max<long long>(bounds.top, top);
  const long long y1 = std::min<long long>(bounds.bottom, top + image.height);
  for (long long py = y0; py < y1; ++py) {
    raster::Pixel* row = target.row(static_cast<int>(py));
    for (long long px = x0; px < x1; ++px) {
      const int c = image.at(static_cast<int>(px - left), static_cast<int>(py - top));
      if (c != 0) row[px] = BlendPixel(row[px], color, c);
    }
  }
}

void FillClipped(raster::Bitmap& target, const Rect& clip, const Rect& area, Rgb color) {
  const Rect r = IntersectRects(
      IntersectRects(clip, Rect{0, 0, target.width(), target.height()}), area);
  const raster::Pixel p = raster::PixelFromRgb(color);
  for (int y = r.top; y < r.bottom; ++y) std::fill(target.row(y) + r.left, target.row(y) + r.right, p);
}

}  // namespace glavo::text
