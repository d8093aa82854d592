// Text for the software device context: fonts from LOGFONT descriptions
// (FreeType + fontconfig), DrawTextW layout, text extents.
#pragma once

#include <memory>
#include <string_view>

#include "draw/device_context.h"
#include "draw/noncopyable.h"
#include "raster/bitmap.h"
#include "raster/raster_dc.h"

namespace glavo::text {

// A realised font: face, pixel size, style and rotation. Immutable.
// One TextRenderer is owned by each software host (SoftGdi); it caches faces.
class Font;


class TextRenderer : Noncopyable {
 public:
  TextRenderer();
  ~TextRenderer();

  // Never fails: an unknown face falls back like GDI's font mapper does.
  std::shared_ptr<const Font> createFont(const LogFont& lf);
  // The font a fresh device context has selected (GDI's System font).
  std::shared_ptr<const Font> defaultFont();

  // DrawTextW onto `target`, clipped to `clip`; returns the text height.
  int drawText(raster::Bitmap& target, const Rect& clip, const Font& font, std::u16string_view text,
               Rect& rect, unsigned format, const raster::TextState& state);
  Size textExtent(const Font& font, std::u16string_view text);
  TextMetrics metrics(const Font& font);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace glavo::text
