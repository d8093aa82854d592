// Glyph outlines and their rasterising into coverage images through
// FreeType's own rasterisers (grey for anti-aliased text, mono otherwise).
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cstdint>
#include <vector>

#include "host/symbol_glyphs.h"

namespace glavo::soft {

// Coverage 0..255 per pixel; (left, top) is the offset of the first pixel
// from the glyph origin in device pixels (y down).
struct CoverageImage {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;
  bool empty() const { return width <= 0 || height <= 0; }
  std::uint8_t at(int x, int y) const { return coverage[static_cast<std::size_t>(y) * width + x]; }
};

// An FT_Outline we own (FreeType's allocations, freed with the library).
class OwnedOutline {
 public:
  OwnedOutline(FT_Library library, int points, int contours);
  ~OwnedOutline();
  OwnedOutline(const OwnedOutline&) = delete;
  OwnedOutline& operator=(const OwnedOutline&) = delete;

  bool valid() const { return valid_; }
  FT_Outline* get() { return &outline_; }

  static OwnedOutline copyOf(FT_Library library, const FT_Outline& source);
  static OwnedOutline fromContours(FT_Library library, const OutlineContours& contours);
  OwnedOutline(OwnedOutline&& other) noexcept;

  // Shears for synthetic italics (x += slant * y).
  void slant(double amount);
  // Turns counter-clockwise by `degrees` about the origin.
  void rotate(double degrees);
  CoverageImage rasterise(bool antialiased);

 private:
  FT_Library library_;
  FT_Outline outline_{};
  bool valid_ = false;
};

}  // namespace glavo::soft
