// Captions and free text drawn on the cell's surface with a font made for
// the purpose (rotatable, anti-aliased).
#include <algorithm>
#include <cmath>

#include "cell/caption_text.h"
#include "cell/glavo_cell.h"
#include "graphics/rounding.h"

namespace glavo {

namespace {

int Whole(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(RoundHalfEven(std::clamp(v, -1e9, 1e9)));
}

}  // namespace

std::u16string GlavoCell::GetUniCaption() const { return DecodeCaptionText(caption_); }

// Selects a new font into the surface; the font this cell created for its
// previous text is deleted as it is replaced, any other is left alone.
void GlavoCell::SelectCaptionFont(const LogFont& lf) {
  DeviceContext& dc = surface_->dc();
  dc.setGraphicsMode(kGmAdvanced);
  const FontHandle font = dc.createFont(lf);
  if (font == 0) return;  // the previous font stays in use
  const FontHandle replaced = dc.selectFont(font);
  if (captionFont_ == 0) surfaceFont_ = replaced;
  if (replaced != 0 && replaced == captionFont_) dc.deleteFont(replaced);
  captionFont_ = font;
}

// Shadow one pixel right of and below the text, which itself sits one
// pixel left of and above the rectangle.
void GlavoCell::DrawShadowedText(DeviceContext& dc, const std::function<void(OleColor)>& setInk,
                                 const std::u16string& text, Rect rect, unsigned flags, bool shadow,
                                 OleColor shadowColor, OleColor color) {
  dc.setBkMode(kBkTransparent);
  if (shadow) {
    setInk(shadowColor);
    Rect r = rect;
    dc.drawText(text, r, flags);
  }
  rect = Rect{rect.left - 1, rect.top - 1, rect.right - 1, rect.bottom - 1};
  setInk(color);
  dc.drawText(text, rect, flags);
}

void GlavoCell::DrawSurfaceText(const std::u16string& text, Rect rect, unsigned flags, bool shadow,
                                OleColor shadowColor, OleColor color) {
  DrawShadowedText(surface_->dc(), [this](OleColor c) { surface_->setForeColor(c); }, text, rect,
                   flags, shadow, shadowColor, color);
}

void GlavoCell::DrawCaption() {
  const FontRef font = surface_->font() ? surface_->font() : surface_->ambientFont();
  const FontObject f = font ? *font : FontObject{};
  SelectCaptionFont(CaptionLogFont(f.name, f.size, surface_->pixelsPerPoint(), f.bold, f.italic,
                                   f.underline, f.strikethrough, captionRotate_ ? -900 : 0,
                                   captionRotate_ ? -2700 : 0));
  std::u16string text = DecodeCaptionText(caption_);
  unsigned flags = CaptionFlags(captionAlignment_);
  if (captionRotate_) {
    std::reverse(text.begin(), text.end());
    flags = 0;
  }
  DeviceContext& dc = surface_->dc();
  const double SW = surface_->scaleWidth(), SH = surface_->scaleHeight();
  const double TW = dc.textExtent(text).cx;
  const double LH = std::fabs(std::floor(static_cast<double>(f.size) * surface_->pixelsPerPoint()));
  double lines = 1;
  if (TW > 0.9 * SW) lines = std::floor(TW / (0.9 * (SW + 1))) + 1;
  const double BH = lines * LH;
  Rect rect;
  if (captionRotate_) {
    rect = Rect{Whole((SW - BH) / 2), Whole((SH - TW) / 2), Whole(SW), Whole(SH)};
  } else {
    rect = Rect{leftMargin_, Whole((SH - BH) / 2), Whole(SW), Whole(SH)};
  }
  DrawSurfaceText(text, rect, flags, captionShadow_, captionShadowColor_, captionColor_);
}

void GlavoCell::DrawTextString(const std::u16string& TextString, OleColor vColor, bool vShadow,
                               OleColor vShadowColor, std::int32_t vAlignment,
                               const std::u16string& vFontName, float vFontSize, bool vBold,
                               bool vItalic, std::int32_t vLeft, std::int32_t vTop,
                               std::int32_t vRight, std::int32_t vBottom,
                               std::int32_t vEscapement, std::int32_t vOrientation) {
  painted_.reset();  // the surface now shows more than a paint would
  const FontRef font = surface_->font() ? surface_->font() : surface_->ambientFont();
  const FontObject f = font ? *font : FontObject{};
  const std::u16string face = vFontName.empty() ? f.name : vFontName;
  const float size = vFontSize == 0 ? f.size : vFontSize;
  // Degrees clockwise become tenths of a degree counter-clockwise.
  auto tenths = [](std::int32_t degrees) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{degrees} * -10, INT32_MIN, INT32_MAX));
  };
  SelectCaptionFont(CaptionLogFont(face, size, surface_->pixelsPerPoint(), vBold, vItalic,
                                   f.underline, f.strikethrough, tenths(vEscapement),
                                   tenths(vOrientation)));
  const int right = vRight == -1 ? Whole(surface_->scaleWidth()) : vRight;
  const int bottom = vBottom == -1 ? Whole(surface_->scaleHeight()) : vBottom;
  DrawSurfaceText(DecodeCaptionText(TextString), Rect{vLeft, vTop, right, bottom},
                  CaptionFlags(CellCaptionAlignment{vAlignment}), vShadow, vShadowColor, vColor);
}

}  // namespace glavo
