// The defaults of a cell's properties: what a new cell starts with and what
// a missing property-bag key reads as.
#pragma once

#include <cstdint>

#include "cell/cell_options.h"
#include "draw/types.h"

namespace glavo::cell_defaults {

inline constexpr OleColor kForeColor = 0x80000012u;  // button text
inline constexpr OleColor kMaskColor = 0x8000000Fu;  // button face
inline constexpr std::int16_t kFillStyle = 1;        // transparent
inline constexpr std::int16_t kDrawWidth = 1;
inline constexpr std::int16_t kMousePointer = 99;    // custom, from MouseIcon
inline constexpr CellBorderStyle kBorderStyle = CellBorderStyle::kSolid;
inline constexpr std::int32_t kBorderSize = 1;
inline constexpr CellFillStyle kCellStyle = CellFillStyle::kGlow;
inline constexpr std::int32_t kSplitSize = 50;
inline constexpr std::int32_t kBlendSize = 1;
inline constexpr std::int32_t kBorderRound = 3;
inline constexpr CellCaptionAlignment kCaptionAlignment = CellCaptionAlignment::kCenter;
inline constexpr std::int32_t kSymbolNo = 1;
inline constexpr std::int32_t kIconSize = 20;

}  // namespace glavo::cell_defaults
