// The pictures of the studio's style pickers: one look painted with every
// fill style, or with every border style, in its own colours.
#pragma once

#include "cell/cell_options.h"
#include "raster/bitmap.h"
#include "theme_check.h"

namespace glavo::studio {

enum class SwatchKind { kFill, kBorder };

inline constexpr int kFillStyleCount = kCellFillStyleCount;
inline constexpr int kBorderStyleCount = kCellBorderStyleCount;

// A column of swatches, each `width` x `height`, style 0 at the top.
raster::Bitmap RenderStyleSwatches(const Record& look, SwatchKind kind, int width, int height);

}  // namespace glavo::studio
