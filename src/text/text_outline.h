// Glyph outlines and their rasterising into coverage images through
// FreeType's own rasterisers (grey for anti-aliased text, mono otherwise).
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cstdint>
#include <vector>

#include "draw/noncopyable.h"
#include "text/symbol_coverage.h"
#include "text/symbol_glyphs.h"

namespace glavo::text {

// A glyph's coverage, the same record the portable symbol outlines fill.
using CoverageImage = SymbolMask;

// An FT_Outline we own (FreeType's allocations, freed with the library).
class OwnedOutline : Noncopyable {
 public:
  OwnedOutline(FT_Library library, int points, int contours);
  ~OwnedOutline();

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

}  // namespace glavo::text
