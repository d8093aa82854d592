// Putting text pixels onto a bitmap: coverage blended with the text colour,
// and solid fills, always clipped.
#pragma once

#include "draw/types.h"
#include "raster/bitmap.h"
#include "text/text_outline.h"

namespace glavo::text {

// The part of `a` inside `b` (empty rectangles keep left >= right).
Rect IntersectRects(const Rect& a, const Rect& b);

// Blends `image` with its origin at (x, y): each pixel moves towards `color`
// by its coverage. Drawing leaves the alpha byte at 0.
void BlendCoverage(raster::Bitmap& target, const Rect& clip, const CoverageImage& image, int x, int y,
                   Rgb color);

void FillClipped(raster::Bitmap& target, const Rect& clip, const Rect& area, Rgb color);

}  // namespace glavo::text
