#include "platform/win32/gdi_text_dc.h"

#include <algorithm>
#include <cstring>

namespace glavo::win32 {
namespace {

// Room to grow by, so a surface dragged larger does not make a new scratch
// bitmap on every step.
constexpr int kScratchGrowth = 64;

// The escapement of the font selected in `hdc`, in tenths of a degree.
int Escapement(HDC hdc) {
  LOGFONTW lf{};
  HGDIOBJ font = GetCurrentObject(hdc, OBJ_FONT);
  if (font == nullptr || GetObjectW(font, sizeof lf, &lf) == 0) return 0;
  return lf.lfEscapement;
}

}  // namespace

GdiTextDc::GdiTextDc(raster::Bitmap& bitmap) : RasterDc(bitmap), scratch_(1, 1) {
  // Both sides start like a fresh memory DC.
  text().setTextColor(0);
  text().setBkMode(kBkOpaque);
  text().setBkColor(0xFFFFFF);
}

int GdiTextDc::setGraphicsMode(int mode) {
  text().setGraphicsMode(mode);
  return RasterDc::setGraphicsMode(mode);
}

Rgb GdiTextDc::setTextColor(Rgb color) {
  text().setTextColor(color);
  return RasterDc::setTextColor(color);
}

int GdiTextDc::setBkMode(int mode) {
  text().setBkMode(mode);
  return RasterDc::setBkMode(mode);
}

Rgb GdiTextDc::setBkColor(Rgb color) {
  text().setBkColor(color);
  return RasterDc::setBkColor(color);
}

// DrawTextW clips to its rectangle unless told not to; turned text and
// unclipped text may reach anywhere.
Rect GdiTextDc::reachOf(const Rect& rect, unsigned format) const {
  const Rect all = surface();
  if ((format & dt::kNoClip) != 0 || Escapement(scratch_.hdc()) != 0) return all;
  Rect r{std::max(rect.left, all.left), std::max(rect.top, all.top), std::min(rect.right, all.right),
         std::min(rect.bottom, all.bottom)};
  if (r.left >= r.right || r.top >= r.bottom) return Rect{};
  return r;
}

void GdiTextDc::ensureScratch() {
  if (scratch_.width() >= width() && scratch_.height() >= height()) return;
  scratch_.resize(std::max(scratch_.width(), width() + kScratchGrowth),
                  std::max(scratch_.height(), height() + kScratchGrowth));
}

void GdiTextDc::copyToScratch(const Rect& area) {
  const std::size_t bytes = static_cast<std::size_t>(area.width()) * sizeof(raster::Pixel);
  for (int y = area.top; y < area.bottom; ++y) {
    std::memcpy(scratch_.pixels() + static_cast<std::size_t>(y) * scratch_.width() + area.left,
                bitmap().row(y) + area.left, bytes);
  }
}

void GdiTextDc::copyFromScratch(const Rect& area) {
  const std::size_t bytes = static_cast<std::size_t>(area.width()) * sizeof(raster::Pixel);
  for (int y = area.top; y < area.bottom; ++y) {
    std::memcpy(bitmap().row(y) + area.left,
                scratch_.pixels() + static_cast<std::size_t>(y) * scratch_.width() + area.left, bytes);
  }
}

int GdiTextDc::drawText(std::u16string_view text, Rect& rect, unsigned format) {
  if ((format & dt::kCalcRect) != 0) return this->text().drawText(text, rect, format);
  ensureScratch();
  const Rect area = reachOf(rect, format);
  if (scratch_.width() < width() || scratch_.height() < height()) return 0;  // GDI refused the memory
  copyToScratch(area);
  // The scratch is larger than the bitmap: what lies beyond stays unpainted.
  HDC hdc = scratch_.hdc();
  IntersectClipRect(hdc, 0, 0, width(), height());
  const int height = this->text().drawText(text, rect, format);
  SelectClipRgn(hdc, nullptr);
  GdiFlush();
  copyFromScratch(area);
  return height;
}

}  // namespace glavo::win32
