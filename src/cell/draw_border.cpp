// The cell's border in one of eight styles, built from rounded outlines;
// every style starts with the outline just outside the picture.
#include <cmath>

#include "cell/glavo_cell.h"
#include "cell/paint_limit.h"
#include "graphics/color.h"
#include "graphics/rounding.h"

namespace glavo {

namespace {

// More rings than any picture can show would only burn time.
constexpr std::int64_t kMaxRings = 4096;

// The ring colours of the gradient styles: colour(0) is c2, colour(s) c1.
class RingColors {
 public:
  RingColors(Rgb c1, Rgb c2, std::int32_t s) : base_(SplitChannels(c2)) {
    if (s == 0) throw PaintLimit("division by zero");
    const Channels a = SplitChannels(c1);
    dr_ = static_cast<double>(a.r - base_.r) / s;
    dg_ = static_cast<double>(a.g - base_.g) / s;
    db_ = static_cast<double>(a.b - base_.b) / s;
  }
  Rgb at(std::int64_t i) const {
    const double k = static_cast<double>(i);
    return MakeRgb(RoundSmall(ClampByte(base_.r + k * dr_)), RoundSmall(ClampByte(base_.g + k * dg_)),
                   RoundSmall(ClampByte(base_.b + k * db_)));
  }

 private:
  Channels base_;
  double dr_ = 0, dg_ = 0, db_ = 0;
};

std::int32_t I32(std::int64_t v) { return static_cast<std::int32_t>(v); }

}  // namespace

void GlavoCell::DrawBorder() {
  const ColorTable& colors = surface_->colors();
  const Rgb c1 = TranslateColor(colors, borderColor1_);
  const Rgb c2 = TranslateColor(colors, borderColor2_);
  const std::int64_t W1 = pic_->width() - 1, H1 = pic_->height() - 1;
  const std::int32_t S = borderSize_;
  PictureBox& pic = *pic_;
  auto outline = [&](std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d, Rgb k) {
    SmoothRect(pic, I32(a), I32(b), I32(c), I32(d), borderRoundW_, borderRoundH_, k, false);
  };
  // Rings S down to 0, each drawn in its colour as the picture translates it.
  auto eachRing = [&](auto draw) {
    if (S > kMaxRings) throw PaintLimit("too many rings");
    const RingColors ring(c1, c2, S);
    for (std::int64_t i = S; i >= 0; --i) {
      pic.setForeColor(ring.at(i));
      draw(i, pic.translate(pic.foreColor()));
    }
  };
  outline(-1, -1, W1 + 1, H1 + 1, c1);
  using enum CellBorderStyle;
  switch (borderStyle_) {
    case kOutline:
      break;
    case kSolid:
      pic.setDrawWidth(S);
      outline(0, 0, W1, H1, c1);
      break;
    case kDouble:
      outline(0, 0, W1, H1, c1);
      outline(0, 0, W1 + 1, H1 + 1, c2);
      break;
    case kInset:
      outline(1, 1, W1 - 1, H1 - 1, c2);
      outline(1, 1, W1, H1, c1);
      break;
    case kRings:
      pic.setDrawWidth(S);
      eachRing([&](std::int64_t i, Rgb k) {
        outline(i, i, W1 - i, H1 - i, k);
        pic.dc().roundRect(I32(i), I32(i), I32(W1 - i), I32(H1 - i), borderRoundW_, borderRoundH_);
      });
      break;
    case kFramed:
      pic.setDrawWidth(S);
      outline(S, S, W1 - S, H1 - S, c2);
      outline(0, 0, W1, H1, c1);
      break;
    case kSideRings:
      eachRing([&](std::int64_t i, Rgb k) {
        outline(i, 0, -i, H1, k);
        outline(W1 + i, 0, W1 - i, H1, k);
      });
      break;
    case kTopBottomRings:
      eachRing([&](std::int64_t i, Rgb k) {
        outline(0, i, W1, -i, k);
        outline(0, H1 + i, W1, H1 - i, k);
      });
      break;
  }
}

}  // namespace glavo
