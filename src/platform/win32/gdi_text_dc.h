// Our raster's device context with the system's own text: shapes, fills and
// blits are drawn by our raster straight into the bitmap; fonts, DrawTextW
// and text measures go through GDI, so Windows fonts, symbol faces and the
// system's text rendering stay native.
#pragma once

#include <windows.h>

#include "platform/win32/memory_dc.h"
#include "raster/raster_dc.h"

namespace glavo::win32 {

class GdiTextDc final : public raster::RasterDc {
 public:
  // `bitmap` outlives the context.
  explicit GdiTextDc(raster::Bitmap& bitmap);

  FontHandle createFont(const LogFont& lf) override { return text().createFont(lf); }
  FontHandle selectFont(FontHandle font) override { return text().selectFont(font); }
  bool deleteFont(FontHandle font) override { return text().deleteFont(font); }
  FontHandle selectedFont() const override { return scratch_.win32Dc().selectedFont(); }

  int setGraphicsMode(int mode) override;
  Rgb setTextColor(Rgb color) override;
  int setBkMode(int mode) override;
  Rgb setBkColor(Rgb color) override;

  // Drawn by GDI on a scratch DIB section that holds a copy of the pixels
  // the text can reach; those pixels are copied back afterwards.
  int drawText(std::u16string_view text, Rect& rect, unsigned format) override;
  Size textExtent(std::u16string_view text) override { return this->text().textExtent(text); }
  TextMetrics textMetrics() override { return text().textMetrics(); }

 private:
  Win32Dc& text() { return scratch_.win32Dc(); }
  // The part of the bitmap that DrawTextW may change for `rect`.
  Rect reachOf(const Rect& rect, unsigned format) const;
  void ensureScratch();
  void copyToScratch(const Rect& area);
  void copyFromScratch(const Rect& area);

  MemoryDc scratch_;
};

}  // namespace glavo::win32
