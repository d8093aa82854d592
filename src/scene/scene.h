// The demonstration scene: every drawing primitive of the host interface
// and of LineGS, each in its own tile of a fixed canvas. The scene draws only
// through DeviceContext, so it renders the same way over every backend; the
// Windows comparison draws it twice and compares tile by tile.
#pragma once

#include <span>
#include <string_view>

#include "draw/device_context.h"

namespace glavo::scene {

// How two renderings of a tile are expected to agree.
enum class Match {
  kExact,     // drawn from the same pixels on every backend: identical
  kGeometry,  // aliased drawing: identical, or off by one pixel along an edge
  kColor,     // same pixels, channels within a small rounding tolerance
  kInk,       // text: bounding box and amount of ink within a tolerance
  kParagraph, // wrapped text: same lines, each placed at its aligned edge
};

struct Primitive {
  std::string_view name;
  Match match;
  // Draws into `area` (and only there) of the canvas.
  void (*draw)(DeviceContext& dc, const Rect& area);
  unsigned textAlign = dt::kLeft;  // for kParagraph: the edge lines align to
};

// Every primitive in tile order.
std::span<const Primitive> Primitives();

inline constexpr int kColumns = 6;
inline constexpr int kTileWidth = 196;   // drawing area
inline constexpr int kTileHeight = 132;  // drawing area
inline constexpr int kLabelHeight = 24;  // caption strip under each area
inline constexpr int kGap = 14;
inline constexpr int kHeaderHeight = 56;

Size CanvasSize();
// The drawing area of tile `index` (row-major, kColumns per row).
Rect TileArea(int index);

// Background, header, tile cards and labels, then every primitive.
void DrawScene(DeviceContext& dc);

}  // namespace glavo::scene
