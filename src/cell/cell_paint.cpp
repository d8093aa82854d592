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

FillInputs GlavoCell::CurrentFillInputs() const {
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
  return in;
}

void GlavoCell::FillCell() {
  FillCellStyle(*pic_, CurrentFillInputs(), [this] { return NextRandom(); });
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
  auto rgb = [&](OleColor c) { return TranslateColor(colors, c); };
  PaintInputs in;
  in.caption = caption_;
  in.icon = icon_;
  in.fontRef = surface_->font();
  if (in.fontRef) in.font = *in.fontRef;  // a shared font may change in place
  in.fill = CurrentFillInputs();
  in.iconSize = iconSize_;
  in.symbolNo = symbolNo_;
  in.captionAlignment = captionAlignment_;
  in.leftMargin = leftMargin_;
  in.symbolDraw = symbolDraw_;
  in.captionRotate = captionRotate_;
  in.captionShadow = captionShadow_;
  in.enabled = surface_->enabled();
  in.flip = flipCell_;
  in.borderStyle = borderStyle_;
  in.borderColor1 = rgb(borderColor1_);
  in.borderColor2 = rgb(borderColor2_);
  in.captionColor = rgb(captionColor_);
  in.captionShadowColor = rgb(captionShadowColor_);
  in.maskColor = rgb(surface_->maskColor());
  in.foreColor = rgb(surface_->foreColor());
  in.fillColor = rgb(surface_->fillColor());
  in.scaleWidth = surface_->scaleWidth();
  in.scaleHeight = surface_->scaleHeight();
  in.pixelsPerPoint = surface_->pixelsPerPoint();
  in.surfaceFillStyle = surface_->fillStyle();
  in.surfaceDrawWidth = surface_->drawWidth();
  in.picWidth = pic_->width();
  in.picHeight = pic_->height();
  in.picDrawWidth = pic_->drawWidth();
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
  bool mirrored = true;
  switch (flipCell_) {
    case CellFlip::kNone: surface_->paintPicture(source, 0, 0, SW + 1, SH + 1, 0, 0, W, H, kSrcCopy); break;
    case CellFlip::kLeftRight: surface_->paintPicture(source, SW - 1, 0, -SW, SH + 1, 0, 0, W, H, kSrcCopy); break;
    case CellFlip::kTopBottom: surface_->paintPicture(source, 0, SH - 1, SW + 1, -SH - 1, 0, 0, W, H, kSrcCopy); break;
    case CellFlip::kBoth: surface_->paintPicture(source, SW - 1, SH - 1, -SW, -SH - 1, 0, 0, W, H, kSrcCopy); break;
    default: mirrored = false; break;  // the surface keeps its previous image
  }
  surface_->refresh();
  if (!caption_.empty()) DrawCaption();
  const bool knownStyle = OptionNumber(cellStyle_) >= 0 && OptionNumber(cellStyle_) < kCellFillStyleCount;
  const bool idempotent = knownStyle && cellStyle_ != CellFillStyle::kShimmer && mirrored && !cutShort;
  if (idempotent) painted_ = CurrentPaintInputs();
}

}  // namespace glavo
