// The 25 fill-style recipes of a cell's body.
#pragma once

#include <cstdint>
#include <functional>

#include "cell/cell_options.h"
#include "runtime/picture_box.h"

namespace glavo {

// What a recipe reads: the translated cell colours, the size of the
// picture box and the cell's shape parameters.
struct FillInputs {
  Rgb c1 = 0, c2 = 0, c3 = 0, c4 = 0;
  OleColor maskColor = 0;
  CellFillStyle style = CellFillStyle::kGlow;
  std::int32_t splitSize = 50;
  std::int32_t blendSize = 1;
  std::int32_t borderSize = 1;
  std::int32_t roundW = 3;
  std::int32_t roundH = 3;
  friend bool operator==(const FillInputs&, const FillInputs&) = default;
};

// Source of the [0, 1) random numbers style 3 draws its shimmer with.
using UnitRandom = std::function<double()>;

// Covers `pic` with the mask colour, then paints the recipe of
// `in.style`; a style outside the list leaves the plain box. Throws PaintLimit
// (or OverflowError) where a recipe meets its arithmetic limits.
void FillCellStyle(PictureBox& pic, const FillInputs& in, const UnitRandom& random);

}  // namespace glavo
