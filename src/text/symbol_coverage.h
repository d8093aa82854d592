// Rasterising the symbol outlines into per-pixel coverage without a font
// engine, so that every backend draws them from the same pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "text/symbol_glyphs.h"

namespace glavo::text {

// Coverage 0..255 per pixel; (left, top) is the offset of the first pixel
// from the glyph origin on the baseline, in device pixels (y down).
struct SymbolMask {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;
  bool empty() const { return width <= 0 || height <= 0; }
  std::uint8_t at(int x, int y) const { return coverage[static_cast<std::size_t>(y) * width + x]; }
};

// Fills the union of `contours` (non-zero winding). Anti-aliased: the share
// of 16x16 samples inside each pixel; aliased: 255 where the pixel centre is
// inside, points on a left or bottom edge counting as inside.
SymbolMask RasteriseContours(const OutlineContours& contours, bool antialiased);

// The glyph of `code` at `em` pixels per em, ready to blend. Bold widens
// every stroke by one pixel to the right, as the advance grows by one.
SymbolMask SymbolGlyph(char32_t code, int em, bool bold, bool antialiased);

// Blends coverage onto a colour channel as text is blended: 255 gives `to`
// exactly, 0 leaves `from`.
int BlendChannel(int from, int to, int coverage);

}  // namespace glavo::text
