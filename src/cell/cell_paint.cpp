// The full repaint of a cell: mask, fill, border, glyph and icon on the
// hidden picture box, the (mirrored) copy onto the surface, the caption.
#include <chrono>

#include "cell/fill_styles.h"
#include "cell/glavo_cell.h"
#include "cell/paint_limit.h"
#include "graphics/color.h"
#include "graphics/overflow_error.h"
#include "graphics/rounding.h"

namespace glavo {

namespace {

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0;

}  // namespace

double GlavoCell::NextRandom() {
  if (randomState_ == 0) {
    randomState_ = static_cast<std::uint64_t>(
                       std::chrono::steady_clock::now().time_since_epoch().count()) |
                   1u;
  }
  // xorshift64*: plenty for a shimmer.
  randomState_ ^= randomState_ >> 12;
  randomState_ ^= randomState_ << 25;
  randomState_ ^= randomState_ >> 27;
  const std::uint64_t r = randomState_ * 0x2545F4914F6CDD1Dull;
  return static_cast<double>(r >> 11) * (1.0 / 9007199254740992.0);
}

void GlavoCell::FillCell() {
  const ColorTable& colors = surface_->colors();
  FillInputs in;
  in.c1 = TranslateColor(colors, cellColor1_);
  in.c2 = TranslateColor(colors, cellColor2_);
  in.c3 = TranslateColor(colors, cellColor3_);
  in.c4 = TranslateColor(colors, cellColor4_);
  in.maskColor = surface_->maskColor();
  in.style = cellStyle_;
  in.splitSize = splitSize_;
  in.blendSize = blendSize_;
  in.borderSize = borderSize_;
  in.roundW = borderRoundW_;
  in.roundH = borderRoundH_;
  FillCellStyle(*pic_, in, [this] { return NextRandom(); });
}

// The transparent shape: a white rounded rectangle on black. The fill
// covers the whole picture afterwards, so when nothing the shape depends on
// has changed, the mask of the previous pass is still the right one.
void GlavoCell::MakeMask(std::int32_t sw, std::int32_t sh) {
  const MaskShape shape{sw, sh, pic_->width(), pic_->height(), borderRoundW_, borderRoundH_,
                        pic_->drawWidth()};
  if (shape == maskShape_ && surface_->maskPicture()) return;
  maskShape_ = MaskShape{};
  pic_->setBackColor(kBlack);
  SmoothRect(*pic_, 0, 0, sw, sh, borderRoundW_, borderRoundH_, kWhite, true);
  surface_->setMaskPicture(pic_->image());
  maskShape_ = shape;
}

GlavoCell::PaintInputs GlavoCell::CurrentPaintInputs() const {
  const ColorTable& colors = surface_->colors();
  PaintInputs in;
  in.caption = caption_;
  in.icon = icon_;
  in.fontRef = surface_->font();
  if (in.fontRef) in.font = *in.fontRef;  // a shared font may change in place
  in.numbers = {iconSize_,     symbolNo_,    symbolDraw_,    captionRotate_, captionAlignment_,
                captionShadow_, flipCell_,   borderRoundW_,  borderRoundH_,  splitSize_,
                blendSize_,    borderStyle_, borderSize_,    cellStyle_,     leftMargin_,
                surface_->enabled(), pic_->drawWidth()};
  const OleColor ole[] = {cellColor1_,   cellColor2_,          cellColor3_,
                          cellColor4_,   borderColor1_,        borderColor2_,
                          captionColor_, captionShadowColor_,  surface_->maskColor(),
                          surface_->foreColor(), surface_->fillColor()};
  for (std::size_t i = 0; i < in.colors.size(); ++i) in.colors[i] = TranslateColor(colors, ole[i]);
  in.scale = {surface_->scaleWidth(), surface_->scaleHeight(), surface_->pixelsPerPoint()};
  in.surface = {pic_->width(), pic_->height(), surface_->fillStyle(), surface_->drawWidth()};
  return in;
}

void GlavoCell::PaintCell() {
  painted_.reset();
  bool cutShort = false;
  const float sw = surface_->scaleWidth();
  const float sh = surface_->scaleHeight();
  try {
    MakeMask(RoundToInt32(sw), RoundToInt32(sh));
    FillCell();
    DrawBorder();
    if (symbolDraw_) DrawSymbolGlyph();
    DrawIcon();
  } catch (const PaintLimit&) {
    // A step met an arithmetic limit: the drawing ends here and what was
    // drawn so far is shown.
    cutShort = true;
  } catch (const OverflowError&) {
    cutShort = true;
  }
  const int W = pic_->width(), H = pic_->height();
  const int SW = static_cast<int>(RoundHalfEven(sw)), SH = static_cast<int>(RoundHalfEven(sh));
  DeviceContext& source = pic_->dc();
  switch (flipCell_) {
    case 0: surface_->paintPicture(source, 0, 0, SW + 1, SH + 1, 0, 0, W, H, kSrcCopy); break;
    case 1: surface_->paintPicture(source, SW - 1, 0, -SW, SH + 1, 0, 0, W, H, kSrcCopy); break;
    case 2: surface_->paintPicture(source, 0, SH - 1, SW + 1, -SH - 1, 0, 0, W, H, kSrcCopy); break;
    case 3: surface_->paintPicture(source, SW - 1, SH - 1, -SW, -SH - 1, 0, 0, W, H, kSrcCopy); break;
    default: break;  // the surface keeps its previous image
  }
  surface_->refresh();
  if (!caption_.empty()) DrawCaption();
  const bool idempotent = cellStyle_ >= 0 && cellStyle_ <= 24 && cellStyle_ != 3 && flipCell_ >= 0 &&
                          flipCell_ <= 3 && !cutShort;
  if (idempotent) painted_ = CurrentPaintInputs();
}

}  // namespace glavo
