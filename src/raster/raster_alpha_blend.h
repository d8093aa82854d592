// AlphaBlend (msimg32) between two 32-bit surfaces.
#pragma once

#include "draw/device_context.h"
#include "raster/bitmap.h"
#include "raster/raster_stretch.h"

namespace glavo::raster {

// Blends `from` (of `source`) over `to` (of `target`) with GDI's source-over
// formula, stretching nearest-neighbour. Fails like GDI (returns false,
// draws nothing) for a negative extent, a source rectangle not wholly inside
// `source`, overlapping rectangles on one surface, or an unknown blend
// operation or flag.
bool AlphaBlendCopy(Bitmap& target, const BlitRect& to, const Bitmap& source, const BlitRect& from,
                    const BlendFunction& blend);

// One pixel of the blend, straight from the formula; exposed for the
// rounding tests.
Pixel BlendPixel(Pixel dst, Pixel src, const BlendFunction& blend);

// The same blend for one constant alpha and format, from tables: what
// AlphaBlendCopy uses on every pixel.
class PixelBlender {
 public:
  explicit PixelBlender(const BlendFunction& blend);
  Pixel operator()(Pixel dst, Pixel src) const {
    return perPixelAlpha_ ? premultiplied(dst, src) : constant(dst, src);
  }

 private:
  Pixel constant(Pixel dst, Pixel src) const {
    Pixel out = 0;
    for (int s = 0; s < 32; s += 8) {
      const unsigned v = sourcePart_[(src >> s) & 0xFFu] + targetPart_[(dst >> s) & 0xFFu];
      out |= static_cast<Pixel>(v / 255) << s;
    }
    return out;
  }
  Pixel premultiplied(Pixel dst, Pixel src) const;

  bool perPixelAlpha_;
  int constantAlpha_;
  // Without per-pixel alpha: v * SCA and v * (255 - SCA) + 127. With it:
  // v * SCA / 255 rounded, in sourcePart_.
  unsigned sourcePart_[256];
  unsigned targetPart_[256];
};

}  // namespace glavo::raster
