// Our own outlines for the caption-button characters of the "Webdings" symbol
// face, used when no such font is installed: 48 minimize, 49 maximize,
// 50 restore, 114 close. Built per pixel size and snapped to whole pixels so
// that they stay crisp at the 9-16 px sizes caption buttons use.
#pragma once

#include <string_view>
#include <vector>

namespace glavo::text {

// A point in 26.6 fixed-point pixels, y up, relative to the glyph origin on
// the baseline (the convention of font outlines).
struct OutlinePoint {
  long x = 0;
  long y = 0;
};
// Closed polygons; all run clockwise and are filled as a union.
using OutlineContours = std::vector<std::vector<OutlinePoint>>;

// Vertical metrics of the symbol face as fractions of the em.
inline constexpr double kSymbolAscent = 0.8;
inline constexpr double kSymbolDescent = 0.2;

// True for the faces these outlines stand in for ("Webdings", and "Marlett",
// which puts the same glyphs at the same codes), in any case, with any
// surrounding spaces.
bool IsSymbolFace(std::string_view faceName);

// Maps a character (also its private-use alias U+F000 + code) to the symbol
// code we draw, or 0 when the face has no glyph for it.
char32_t SymbolCode(char32_t codePoint);
// Advance width in whole pixels at `em` pixels per em (0 for codes without glyph).
int SymbolAdvance(char32_t code, int em);
// The outline of `code` at `em` pixels per em; empty for codes without glyph.
OutlineContours SymbolOutline(char32_t code, int em);

}  // namespace glavo::text
