// The symbol glyph and the icon, drawn on the picture box so that they
// take part in the cell's flip.
#include <cmath>

#include "cell/glavo_cell.h"
#include "graphics/rounding.h"

namespace glavo {

namespace {

// The Windows-1252 characters of the codes 0x80..0x9F; the rest of the
// single-byte range is Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t CharacterOf(std::int32_t code) {
  if (code >= 0x80 && code <= 0x9F) return kHighControls[code - 0x80];
  return static_cast<char16_t>(code);
}

}  // namespace

void GlavoCell::DrawSymbolGlyph() {
  // Codes outside the single-byte range name no character: nothing drawn.
  if (symbolNo_ < 0 || symbolNo_ > 255) return;
  const std::u16string text(1, CharacterOf(symbolNo_));
  const FontRef surfaceFont = surface_->font() ? surface_->font() : surface_->ambientFont();
  FontObject font = pic_->font();
  if (surfaceFont) {
    font.name = surfaceFont->name;
    font.size = surfaceFont->size;
    font.bold = surfaceFont->bold;
    font.italic = surfaceFont->italic;
    font.charset = surfaceFont->charset;
  }
  pic_->setFont(font);
  DeviceContext& dc = pic_->dc();
  dc.setBkMode(kBkTransparent);
  const double SW = surface_->scaleWidth(), SH = surface_->scaleHeight();
  const double TH = dc.textExtent(text).cy;
  Rect rect{1, RoundToInt32((SH - TH) / 2), RoundToInt32(SW), RoundToInt32(SH)};
  DrawShadowedText(dc, [this](OleColor c) { pic_->setForeColor(c); }, text, rect,
                   dt::kCenter | dt::kVCenter | dt::kWordBreak, captionShadow_, captionShadowColor_,
                   captionColor_);
}

void GlavoCell::DrawIcon() {
  // Any failing step is skipped: no picture, or one without area, draws
  // nothing.
  if (!icon_ || icon_->empty()) return;
  const double q = static_cast<double>(icon_->width()) / icon_->height();
  const double w = iconSize_ / q;
  const double h = RoundHalfEven(iconSize_ * q);
  if (!std::isfinite(w) || !std::isfinite(h)) return;
  const double x = (pic_->width() - w) / 2;
  const double y = (pic_->height() - h) / 2;
  icon_->render(pic_->dc(), x, y, w, h);
}

}  // namespace glavo
