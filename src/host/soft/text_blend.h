// Putting text pixels onto a bitmap: coverage blended with the text colour,
// and solid fills, always clipped.
#pragma once

#include "host/soft/bitmap.h"
#include "host/soft/text_outline.h"
#include "host/types.h"

namespace glavo::soft {

// The part of `a` inside `b` (empty rectangles keep left >= right).
Rect IntersectRects(const Rect& a, const Rect& b);

// Blends `image` with its origin at (x, y): each pixel moves towards `color`
// by its coverage. Drawing leaves the alpha byte at 0.
void BlendCoverage(Bitmap& target, const Rect& clip, const CoverageImage& image, int x, int y,
                   Rgb color);

void FillClipped(Bitmap& target, const Rect& clip, const Rect& area, Rgb color);

}  // namespace glavo::soft
