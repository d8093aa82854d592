// One line of text at a point, as ExtTextOut draws it with TA_TOP | TA_LEFT:
// background cell, glyphs along the (possibly turned) baseline, underline,
// strike-out and mnemonic underlines.
#pragma once

#include <vector>

#include "raster/bitmap.h"
#include "text/text_font.h"
#include "text/text_layout.h"
#include "text/text_renderer.h"

namespace glavo::text {

// Draws `chars` with the top-left of the text cell at (x, y). The baseline
// runs along the escapement; glyphs turn with the escapement in the
// compatible graphics mode and with the orientation in the advanced one.
void PaintTextRun(raster::Bitmap& target, const Rect& clip, const Font& font,
                  const std::vector<TextChar>& chars, int x, int y, const raster::TextState& state);

}  // namespace glavo::text
