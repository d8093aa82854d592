// The opaque part of a keyed mask picture as rectangles, the form a window
// region is built from.
#pragma once

#include <vector>

#include "draw/picture.h"
#include "draw/types.h"

namespace glavo {

// The runs of pixels that are not the key colour, row by row, over a
// `width` x `height` area; pixels beyond the mask picture are opaque. Rows
// with the same runs are joined into one band, so a rounded rectangle is a
// handful of rectangles rather than one per row. Empty when nothing is
// transparent (the window needs no region).
std::vector<Rect> OpaqueRuns(const Picture* mask, Rgb key, int width, int height);

}  // namespace glavo
