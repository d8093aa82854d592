// The software host's device context: our raster, with FreeType text.
#pragma once

#include "platform/sim/soft_gdi.h"
#include "raster/raster_dc.h"

namespace glavo::sim {

// Starts with the stock font selected. The SoftGdi must outlive the DC.
class SoftDc final : public raster::RasterDc {
 public:
  SoftDc(raster::Bitmap& bitmap, SoftGdi& gdi);
  ~SoftDc() override;

  SoftGdi& gdi() { return gdi_; }

  FontHandle createFont(const LogFont& lf) override;
  FontHandle selectFont(FontHandle font) override;
  bool deleteFont(FontHandle font) override;
  FontHandle selectedFont() const override { return font_; }

  int drawText(std::u16string_view text, Rect& rect, unsigned format) override;
  Size textExtent(std::u16string_view text) override;
  TextMetrics textMetrics() override;

 private:
  const text::Font& currentFont() const;

  SoftGdi& gdi_;
  FontHandle font_ = 0;
};

}  // namespace glavo::sim
