// Where a skin shows text: the caption and the caption-button glyphs, which
// the real control draws with the system's fonts and the software host with
// FreeType. Everything else the two draw with the same raster, pixel for
// pixel; these helpers mark the pixels the comparison leaves to the text
// checks of the scene.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "raster/bitmap.h"

namespace glavo::wine {

// `theme` with the caption, glyph and caption-shadow colours of every look
// changed to colours far from what they were; nothing else changes.
std::u16string RecolourText(std::u16string_view theme);

// One flag per pixel (row by row): true within `reachX` columns and
// `reachY` rows of a pixel where `a` and `b` differ. The reach covers
// glyphs that the system's fonts place or size a few pixels apart.
std::vector<bool> DifferenceMask(const raster::Bitmap& a, const raster::Bitmap& b, int reachX, int reachY);

}  // namespace glavo::wine
