// StretchBlt with SRCCOPY between two 32-bit surfaces.
#pragma once

#include "draw/device_context.h"
#include "raster/bitmap.h"

namespace glavo::raster {

struct BlitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Copies `from` (of `source`) onto `to` (of `target`), stretching and
// mirroring as GDI does; `source` may be `target`, overlapping or not.
// `mode` is the stretch mode: BLACKONWHITE (1) and WHITEONBLACK (2) AND or
// OR the pixels a shrink drops, COLORONCOLOR (3) drops them, HALFTONE (4)
// averages them and applies the brightness of `adjustment` (its other
// fields have no effect). Pixels whose source lies outside `source` are
// left alone.
//
// `path` kPerPixel forces the straightforward per-pixel walk that the fast
// row copies must agree with (for tests).
enum class StretchPath { kFast, kPerPixel };
void StretchCopy(Bitmap& target, const BlitRect& to, const Bitmap& source, const BlitRect& from,
                 int mode, const ColorAdjustment& adjustment, StretchPath path = StretchPath::kFast);

}  // namespace glavo::raster
