// Pictures of small surfaces as text, so raster expectations read as the
// pixels they describe: '.' white, '#' black, 'o' blue, '?' anything else.
#pragma once

#include <initializer_list>
#include <string>

#include "raster/bitmap.h"

namespace glavo::raster::testing {

inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kBlue = 0xFF0000;

inline std::string Art(const Bitmap& b) {
  std::string out;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      const Rgb c = RgbFromPixel(b.at(x, y)) & 0xFFFFFF;
      out += c == kWhite ? '.' : c == kBlack ? '#' : c == kBlue ? 'o' : '?';
    }
    out += '\n';
  }
  return out;
}

// One row of a picture, or `times` equal rows, for a tall shape's middle.
struct ArtRow {
  ArtRow(const char* row) : text(row) {}
  ArtRow(int n, const char* row) : times(n), text(row) {}
  int times = 1;
  std::string text;
};

inline std::string Rows(std::initializer_list<ArtRow> rows) {
  std::string out;
  for (const ArtRow& r : rows) {
    for (int i = 0; i < r.times; ++i) out += r.text + '\n';
  }
  return out;
}

inline Bitmap WhiteBitmap(int w, int h) { return Bitmap(w, h, PixelFromRgb(kWhite)); }

}  // namespace glavo::raster::testing
