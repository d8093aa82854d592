#include "raster/raster_alpha_blend.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "raster/raster_blit_axis.h"

namespace glavo::raster {

namespace {

constexpr std::uint8_t kSourceOver = 0;
constexpr std::uint8_t kSourceAlpha = 1;

int Channel(Pixel p, int c) { return static_cast<int>((p >> (8 * c)) & 0xFFu); }

// x * a / 255 rounded to nearest, the rounding GDI's blend uses.
int Scaled(int x, int a) { return (x * a + 127) / 255; }

// Sums above 255 (a source that is not premultiplied, such as GDI-drawn
// pixels whose alpha is 0) saturate per channel instead of spilling over.
Pixel Compose(const int (&c)[4]) {
  Pixel out = 0;
  for (int i = 0; i < 4; ++i) out |= static_cast<Pixel>(std::min(c[i], 255)) << (8 * i);
  return out;
}

bool Overlap(const BlitRect& a, const BlitRect& b) {
  return static_cast<std::int64_t>(a.x) < static_cast<std::int64_t>(b.x) + b.width &&
         static_cast<std::int64_t>(b.x) < static_cast<std::int64_t>(a.x) + a.width &&
         static_cast<std::int64_t>(a.y) < static_cast<std::int64_t>(b.y) + b.height &&
         static_cast<std::int64_t>(b.y) < static_cast<std::int64_t>(a.y) + a.height;
}

bool SourceInside(const Bitmap& source, const BlitRect& from) {
  return from.x >= 0 && from.y >= 0 &&
         static_cast<std::int64_t>(from.x) + from.width <= source.width() &&
         static_cast<std::int64_t>(from.y) + from.height <= source.height();
}

}  // namespace

Pixel BlendPixel(Pixel dst, Pixel src, const BlendFunction& blend) {
  const int constant = blend.constantAlpha;
  int out[4];
  if (blend.alphaFormat & kSourceAlpha) {
    // Premultiplied source: dst = src * SCA + dst * (1 - srcAlpha * SCA).
    const int alpha = Scaled(Channel(src, 3), constant);
    for (int c = 0; c < 4; ++c) {
      const int s = c == 3 ? alpha : Scaled(Channel(src, c), constant);
      out[c] = s + Scaled(Channel(dst, c), 255 - alpha);
    }
  } else {
    for (int c = 0; c < 4; ++c) {
      out[c] = (Channel(src, c) * constant + Channel(dst, c) * (255 - constant) + 127) / 255;
    }
  }
  return Compose(out);
}

PixelBlender::PixelBlender(const BlendFunction& blend)
    : perPixelAlpha_((blend.alphaFormat & kSourceAlpha) != 0), constantAlpha_(blend.constantAlpha) {
  for (int v = 0; v < 256; ++v) {
    if (perPixelAlpha_) {
      sourcePart_[v] = static_cast<unsigned>(Scaled(v, constantAlpha_));
      targetPart_[v] = 0;
    } else {
      sourcePart_[v] = static_cast<unsigned>(v * constantAlpha_);
      targetPart_[v] = static_cast<unsigned>(v * (255 - constantAlpha_) + 127);
    }
  }
}

namespace {

// Four bytes added at once, each stopping at 255.
Pixel SaturatingAdd(Pixel a, Pixel b) {
  constexpr Pixel kLow = 0x7F7F7F7Fu, kHigh = 0x80808080u;
  const Pixel sum = ((a & kLow) + (b & kLow)) ^ ((a ^ b) & kHigh);
  const Pixel carried = ((a & b) | ((a | b) & ~sum)) & kHigh;
  return sum | ((carried >> 7) * 0xFFu);
}

}  // namespace

// GDI-drawn sources have alpha 0, and then the target is kept whole and the
// scaled source added with saturation.
Pixel PixelBlender::premultiplied(Pixel dst, Pixel src) const {
  if ((src >> 24) == 0) {
    const Pixel scaled = sourcePart_[src & 0xFFu] | sourcePart_[(src >> 8) & 0xFFu] << 8 |
                         sourcePart_[(src >> 16) & 0xFFu] << 16;
    return SaturatingAdd(dst, scaled);
  }
  const unsigned alpha = sourcePart_[src >> 24];
  Pixel out = 0;
  for (int s = 0; s < 32; s += 8) {
    const unsigned part = s == 24 ? alpha : sourcePart_[(src >> s) & 0xFFu];
    unsigned d = (dst >> s) & 0xFFu;
    if (alpha != 0) d = static_cast<unsigned>(Scaled(static_cast<int>(d), 255 - static_cast<int>(alpha)));
    out |= static_cast<Pixel>(std::min(part + d, 255u)) << s;
  }
  return out;
}

bool AlphaBlendCopy(Bitmap& target, const BlitRect& to, const Bitmap& source, const BlitRect& from,
                    const BlendFunction& blend) {
  if (blend.blendOp != kSourceOver || blend.blendFlags != 0 ||
      (blend.alphaFormat & ~kSourceAlpha)) {
    return false;
  }
  if (to.width < 0 || to.height < 0 || from.width < 0 || from.height < 0) return false;
  if (!SourceInside(source, from)) return false;
  if (&source == &target && Overlap(to, from)) return false;
  if (to.width == 0 || to.height == 0 || from.width == 0 || from.height == 0) return true;
  const BlitAxis ax(to.x, to.width, from.x, from.width, source.width());
  const BlitAxis ay(to.y, to.height, from.y, from.height, source.height());
  const Interval cols = Intersect(ax.dst(), {0, target.width()});
  const Interval rows = Intersect(ay.dst(), {0, target.height()});
  if (cols.empty() || rows.empty()) return true;
  // Stretched nearest-neighbour, as StretchBlt in COLORONCOLOR mode. The
  // source column of each destination column is the same on every row.
  std::vector<int> sourceCols;
  sourceCols.reserve(static_cast<std::size_t>(cols.length()));
  for (std::int64_t x = cols.lo; x < cols.hi; ++x) {
    sourceCols.push_back(static_cast<int>(ax.sourcesOf(x).last));
  }
  const PixelBlender blender(blend);
  for (std::int64_t y = rows.lo; y < rows.hi; ++y) {
    const Pixel* in = source.row(static_cast<int>(ay.sourcesOf(y).first));
    Pixel* out = target.row(static_cast<int>(y)) + cols.lo;
    for (std::size_t i = 0; i < sourceCols.size(); ++i) out[i] = blender(out[i], in[sourceCols[i]]);
  }
  return true;
}

}  // namespace glavo::raster
