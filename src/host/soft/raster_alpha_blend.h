// AlphaBlend (msimg32) between two 32-bit surfaces.
#pragma once

#include "host/device_context.h"
#include "host/soft/bitmap.h"
#include "host/soft/raster_stretch.h"

namespace glavo::soft {

// Blends `from` (of `source`) over `to` (of `target`) with GDI's source-over
// formula, stretching nearest-neighbour. Fails like GDI (returns false,
// draws nothing) for a negative extent, a source rectangle not wholly inside
// `source`, overlapping rectangles on one surface, or an unknown blend
// operation or flag.
bool AlphaBlendCopy(Bitmap& target, const BlitRect& to, const Bitmap& source, const BlitRect& from,
                    const BlendFunction& blend);

// One pixel of the blend; exposed for the rounding tests.
Pixel BlendPixel(Pixel dst, Pixel src, const BlendFunction& blend);

}  // namespace glavo::soft
