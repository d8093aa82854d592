#include "platform/sim/soft_dc.h"

#include <utility>

namespace glavo::sim {

SoftDc::SoftDc(raster::Bitmap& bitmap, SoftGdi& gdi) : raster::RasterDc(bitmap), gdi_(gdi) {
  font_ = gdi_.stockFont();
  gdi_.noteSelected(font_);
}

SoftDc::~SoftDc() { gdi_.noteDeselected(font_); }

FontHandle SoftDc::createFont(const LogFont& lf) { return gdi_.createFont(lf); }

FontHandle SoftDc::selectFont(FontHandle font) {
  if (!gdi_.isFont(font)) return 0;
  gdi_.noteSelected(font);
  gdi_.noteDeselected(font_);
  return std::exchange(font_, font);
}

bool SoftDc::deleteFont(FontHandle font) { return gdi_.deleteFont(font); }

const text::Font& SoftDc::currentFont() const { return *gdi_.fontOf(font_); }

int SoftDc::drawText(std::u16string_view text, Rect& rect, unsigned format) {
  return gdi_.textRenderer().drawText(bitmap(), surface(), currentFont(), text, rect, format, textState());
}

Size SoftDc::textExtent(std::u16string_view text) {
  return gdi_.textRenderer().textExtent(currentFont(), text);
}

TextMetrics SoftDc::textMetrics() { return gdi_.textRenderer().metrics(currentFont()); }

}  // namespace glavo::sim
