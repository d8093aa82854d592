// The cell's enumerated options. Each keeps the number its property, its
// property-bag key and its theme-record field carry, so a value read from
// outside converts with a plain cast; a number outside the list is kept as
// read and paints as documented for an unknown value (nothing drawn).
#pragma once

#include <cstdint>

namespace glavo {

// The body's fill recipe (CellStyle).
enum class CellFillStyle : std::int32_t {
  kGlow = 0,               // top glow fading into the body colour
  kFrames = 1,             // nested frames stepping between two colours
  kBevel = 2,              // gradient with light and dark edge bands
  kShimmer = 3,            // random translucent streaks: not repeatable
  kTwoToneBands = 4,       // two halves with soft bands top and bottom
  kSoftBands = 5,          // one gradient with soft bands top and bottom
  kRoundedSteps = 6,       // stacked rounded rectangles below the split
  kTwoGradients = 7,       // one gradient above the split, one below
  kCapsule = 8,            // gradient with a curved highlight
  kPlate = 9,              // vertical gradient with edge lines
  kGlass = 10,             // glass with a reflection
  kGloss = 11,             // gloss above a two-corner body
  kVertical = 12,          // plain top-to-bottom gradient
  kColumns = 13,           // two horizontal gradients meeting at the split
  kMirroredColumns = 14,   // columns with a reflection band
  kSheen = 15,             // corner gradient with a sheen
  kRadialPlate = 16,       // plate with a radial glow
  kVignette = 17,          // two gradients darkened towards the edges
  kQuadrants = 18,         // four corner gradients around the split
  kSplitLine = 19,         // two gradients with a line at the split
  kFourCorners = 20,       // one gradient between four corner colours
  kRowBands = 21,          // repeating bands down the cell
  kColumnBands = 22,       // repeating bands across the cell
  kRowWaves = 23,          // cosine waves down the cell
  kColumnWaves = 24,       // cosine waves across the cell
};
inline constexpr int kCellFillStyleCount = 25;

// The border's construction (BorderStyle).
enum class CellBorderStyle : std::int32_t {
  kOutline = 0,        // the outer outline only
  kSolid = 1,          // an outline BorderSize wide
  kDouble = 2,         // two outlines, the outer one in the second colour
  kInset = 3,          // an inner outline in the second colour
  kRings = 4,          // rings stepping from the second colour to the first
  kFramed = 5,         // a wide outline with an inner one in the second colour
  kSideRings = 6,      // rings on the left and right edges only
  kTopBottomRings = 7, // rings on the top and bottom edges only
};
inline constexpr int kCellBorderStyleCount = 8;

// How the painted picture is mirrored onto the surface (FlipCell).
enum class CellFlip : std::int32_t {
  kNone = 0,
  kLeftRight = 1,
  kTopBottom = 2,
  kBoth = 3,
};

// Where the caption sits across the cell (CaptionAlignment); it is always
// centred from top to bottom.
enum class CellCaptionAlignment : std::int32_t {
  kLeft = 0,
  kRight = 1,
  kCenter = 2,
};

// The look a cell shows (CellState).
enum class CellLookState : std::int32_t {
  kNormal = 0,
  kOver = 1,
  kDown = 2,
};

// The number an option is stored and exchanged as.
template <typename Option>
constexpr std::int32_t OptionNumber(Option o) {
  return static_cast<std::int32_t>(o);
}

}  // namespace glavo
