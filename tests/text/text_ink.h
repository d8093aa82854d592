// Helpers for the text tests: draw onto a white surface and look at the ink.
#pragma once

#include <algorithm>
#include <set>
#include <string>

#include "raster/bitmap.h"
#include "text/text_renderer.h"

namespace glavo::text::testing {

inline constexpr Rgb kPaper = 0xFFFFFF;

// The bounding box of every pixel that is not paper (empty: left >= right).
inline Rect InkBox(const raster::Bitmap& b, Rgb paper = kPaper) {
  Rect box{b.width(), b.height(), 0, 0};
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      if (raster::RgbFromPixel(b.at(x, y)) == paper) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box;
}

inline bool HasInk(const raster::Bitmap& b, Rgb paper = kPaper) {
  const Rect r = InkBox(b, paper);
  return r.left < r.right;
}

inline int InkCount(const raster::Bitmap& b, const Rect& area, Rgb paper = kPaper) {
  int n = 0;
  for (int y = std::max(0, area.top); y < std::min(b.height(), area.bottom); ++y)
    for (int x = std::max(0, area.left); x < std::min(b.width(), area.right); ++x)
      n += raster::RgbFromPixel(b.at(x, y)) != paper;
  return n;
}

inline std::set<Rgb> Colours(const raster::Bitmap& b) {
  std::set<Rgb> out;
  for (raster::Pixel p : b.pixels()) out.insert(raster::RgbFromPixel(p));
  return out;
}

inline LogFont Face(const std::string& name, int height, int quality = 0) {
  LogFont lf;
  lf.faceName = name;
  lf.height = height;
  lf.quality = static_cast<std::uint8_t>(quality);
  return lf;
}

// Draws `text` in black on a fresh white surface of the given size.
struct InkSheet {
  TextRenderer& renderer;
  raster::Bitmap bitmap;
  raster::TextState state;

  InkSheet(TextRenderer& r, int width, int height)
      : renderer(r), bitmap(width, height, raster::PixelFromRgb(kPaper)) {
    state.color = 0;
    state.bkMode = kBkTransparent;
  }

  int draw(const LogFont& lf, std::u16string_view text, Rect rect, unsigned format) {
    auto font = renderer.createFont(lf);
    return renderer.drawText(bitmap, Rect{0, 0, bitmap.width(), bitmap.height()}, *font, text, rect, format, state);
  }
};

}  // namespace glavo::text::testing
