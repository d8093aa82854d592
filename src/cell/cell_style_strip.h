// The strip of sample cells that checks every fill style and every border
// style on a backend: the same looks on every host, so their pixels can
// be compared.
#pragma once

#include "cell/glavo_cell.h"

namespace glavo {

inline constexpr int kStripCellWidth = 120;
inline constexpr int kStripCellHeight = 30;
inline constexpr int kStripFillStyles = kCellFillStyleCount;
inline constexpr int kStripBorderStyles = kCellBorderStyleCount;
inline constexpr int kStripCells = kStripFillStyles + kStripBorderStyles;

// Sets up `cell` (a fresh cell on a child surface) as sample `index`:
// 0..24 the fill styles, 25..32 the border styles, and paints it.
void PaintStripCell(GlavoCell& cell, int index);

}  // namespace glavo
