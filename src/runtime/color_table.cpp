#include "runtime/color_table.h"

#include <array>

namespace glavo {
namespace {

// COLOR_SCROLLBAR .. COLOR_MENUBAR with the classic Windows defaults.
constexpr std::array<Rgb, 31> kSystemColors = {
    MakeRgb(200, 200, 200),  // 0 scroll bar
    MakeRgb(0, 0, 0),        // 1 background (desktop)
    MakeRgb(153, 180, 209),  // 2 active caption
    MakeRgb(191, 205, 219),  // 3 inactive caption
    MakeRgb(240, 240, 240),  // 4 menu
    MakeRgb(255, 255, 255),  // 5 window
    MakeRgb(100, 100, 100),  // 6 window frame
    MakeRgb(0, 0, 0),        // 7 menu text
    MakeRgb(0, 0, 0),        // 8 window text
    MakeRgb(0, 0, 0),        // 9 caption text
    MakeRgb(180, 180, 180),  // 10 active border
    MakeRgb(244, 247, 252),  // 11 inactive border
    MakeRgb(171, 171, 171),  // 12 application workspace
    MakeRgb(0, 120, 215),    // 13 highlight
    MakeRgb(255, 255, 255),  // 14 highlight text
    MakeRgb(240, 240, 240),  // 15 button face
    MakeRgb(160, 160, 160),  // 16 button shadow
    MakeRgb(109, 109, 109),  // 17 gray text
    MakeRgb(0, 0, 0),        // 18 button text
    MakeRgb(0, 0, 0),        // 19 inactive caption text
    MakeRgb(255, 255, 255),  // 20 button highlight
    MakeRgb(105, 105, 105),  // 21 3D dark shadow
    MakeRgb(227, 227, 227),  // 22 3D light
    MakeRgb(0, 0, 0),        // 23 info text
    MakeRgb(255, 255, 225),  // 24 info background
    MakeRgb(0, 0, 0),        // 25 (unused)
    MakeRgb(0, 102, 204),    // 26 hot light
    MakeRgb(185, 209, 234),  // 27 gradient active caption
    MakeRgb(215, 228, 242),  // 28 gradient inactive caption
    MakeRgb(51, 153, 255),   // 29 menu highlight
    MakeRgb(240, 240, 240),  // 30 menu bar
};

}  // namespace

bool DefaultColorTable::translate(OleColor color, Rgb& out) const {
  const std::uint32_t kind = color >> 24;
  if (kind == 0x80) {
    const std::uint32_t index = color & 0x00FFFFFFu;
    if (index >= kSystemColors.size() || index == 25) return false;
    out = kSystemColors[index];
    return true;
  }
  // Plain RGB (0x00), palette index (0x01) and palette RGB (0x02) forms carry
  // their colour in the low three bytes; anything else is invalid.
  if (kind == 0x00 || kind == 0x02) {
    out = color & 0x00FFFFFFu;
    return true;
  }
  return false;
}

Rgb ColorTable::shown(OleColor color) const {
  Rgb rgb = color;
  if (!translate(color, rgb)) rgb = color & 0xFFFFFFu;
  return rgb;
}

}  // namespace glavo
