// A realised font: the faces behind a LOGFONT at one pixel size, its GDI text
// metrics, glyph advances and rendered glyphs (cached).
#pragma once

#include <memory>

#include "draw/device_context.h"
#include "draw/noncopyable.h"
#include "text/text_outline.h"
#include "text/text_renderer.h"

namespace glavo::text {

struct FontContext;

// A horizontal line of the font (underline, strike-out): its top edge in
// pixels below the baseline (negative: above) and its thickness.
struct DecorationLine {
  int offset = 0;
  int thickness = 1;
};

class Font : Noncopyable {
 public:
  Font(std::shared_ptr<FontContext> context, const LogFont& lf);
  ~Font();

  const LogFont& logFont() const;
  const TextMetrics& metrics() const;
  int emPixels() const;
  bool antialiased() const;
  DecorationLine underline() const;
  DecorationLine strikeOut() const;
  // The FreeType library the font renders with (for other outlines of a run).
  FT_Library library() const;

  // Advance width in whole pixels, as GDI positions characters.
  int advance(char32_t codePoint) const;
  // The glyph turned counter-clockwise by `angleTenths` tenths of a degree.
  const CoverageImage& glyph(char32_t codePoint, int angleTenths) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace glavo::text
