#include "cell/fill_styles.h"

#include <algorithm>
#include <cmath>

#include "cell/gradient_primitives.h"
#include "cell/paint_limit.h"
#include "graphics/color.h"
#include "graphics/rounding.h"

namespace glavo {

namespace {

// More brightness steps than any picture can show would only burn time.
constexpr std::int64_t kMaxSteps = 4096;

// The values every recipe shares, prepared once per call.
struct Fill {
  PictureBox& pic;
  const FillInputs& in;
  double W;
  double H;
  double SP;  // height below the split (styles 13, 14: width right of it)

  std::int32_t L(double v) const { return RoundToInt32(v); }
  // Two-colour gradient between two corners.
  void Gradient(double x1, double y1, double x2, double y2, Rgb a, Rgb b,
                GradientMode mode = GradientMode::kTopToBottom) const {
    GradientFill(pic, L(x1), L(y1), L(x2), L(y2), a, b, mode, in.blendSize);
  }
  // Bilinear gradient of a rectangle between its four corner colours.
  void CornerGradient(double x, double y, double w, double h, Rgb tl, Rgb tr, Rgb bl, Rgb br) const {
    FourCornerGradient(pic.dc(), L(x), L(y), L(w), L(h), tl, tr, bl, br, in.blendSize);
  }
  // A band of the picture copied translucently over another band of it.
  void TranslucentCopy(double dx, double dy, double dw, double dh, double sx, double sy, double sw,
                       double sh, double alpha) const {
    AlphaCopy(pic.dc(), L(dx), L(dy), L(dw), L(dh), pic.dc(), L(sx), L(sy), L(sw), L(sh), L(alpha), 1);
  }
  // Lightens (or, below 0, darkens) a rectangle of the picture.
  void Brighten(double amount, double x, double y, double w, double h) const {
    AdjustPictureBrightness(pic.dc(), L(amount), L(x), L(y), L(w), L(h));
  }
  void Line(double x1, double y1, double x2, double y2, Rgb c) const { pic.line(x1, y1, x2, y2, c); }
  // The reflection loop: thin bands copied from three quarters down.
  void Reflection(double a, bool fromBottom) const {
    for (int i = 15; i >= 1; --i) {
      TranslucentCopy(0, fromBottom ? H - i : i, W, 2, 0, H * 3 / 4, W, 2, RoundHalfEven(a * (15 - i) * (15 - i)));
    }
  }
};

// Per-channel ramp start + d * i with d = (end - start) / count.
Rgb ChannelStep(Rgb start, Rgb end, double count, double i) {
  if (count == 0) throw PaintLimit("division by zero");
  const Channels s = SplitChannels(start), e = SplitChannels(end);
  auto ch = [&](int a, int b) { return RoundSmall(ClampByte(a + (b - a) / count * i)); };
  return MakeRgb(ch(s.r, e.r), ch(s.g, e.g), ch(s.b, e.b));
}

// Double-precision loop bound: the last whole value not beyond `bound`.
std::int64_t Last(double bound) { return static_cast<std::int64_t>(std::floor(bound)); }

void Glow(const Fill& f) {  // 0
  const double bs = f.in.borderSize;
  f.Gradient(0, 0, f.W, f.H, f.in.c1, f.in.c1);
  f.Gradient(bs, bs, f.W - bs, f.H * 3 / 5, f.in.c2, f.in.c1);
}

void Frames(const Fill& f) {  // 1
  f.Gradient(0, 0, f.W, f.H, f.in.c1, f.in.c1);
  const int split = f.in.splitSize;
  if (split == 0) throw PaintLimit("division by zero");
  // Frames beyond the picture's size lie wholly outside it.
  const int first = static_cast<int>(std::min<double>(split, std::max(f.W, f.H) + 2));
  for (int i = first; i >= 0; --i) {
    const Rgb c = ChannelStep(f.in.c2, f.in.c1, split, i);
    f.Line(i, i, i, f.H - i, c);
    f.Line(i, i, f.W - i, i, c);
    f.Line(f.W - i, i, f.W - i, f.H - i, c);
    f.Line(i, f.H - i, f.W + 1 - i, f.H - i, c);
  }
}

void Bevel(const Fill& f) {  // 2
  const Rgb c1 = f.in.c1;
  f.Gradient(0, 0, f.W, f.H, c1, f.in.c2);
  for (int i = 1; i <= 10; ++i) f.Line(0, 1 + i, f.W, 1 + i, ShiftColor(c1, 30 - 3 * i));
  for (int i = 10; i >= 1; --i) f.Line(0, f.H - 1 - i, f.W, f.H - 1 - i, ShiftColor(c1, 30 - 3 * i));
  for (int i = 1; i <= 3; ++i) {
    f.pic.box(i, 1 + i, f.W - i, f.H - 1 - i, ShiftColor(BlendColors(f.in.c3, c1), -(5 - i) * (5 - i)));
  }
}

void Shimmer(const Fill& f, const UnitRandom& random) {  // 3
  const Rgb c1 = f.in.c1, c2 = f.in.c2, mid = BlendColors(c1, c2), light = ShiftColor(c2, 100);
  f.Gradient(0, 0, f.W, 10, light, mid);
  f.Gradient(0, f.H - 10, f.W, f.H, mid, light);
  f.CornerGradient(0, 10, f.W / 2, f.H - 20, c1, c1, c1, c2);
  f.CornerGradient(f.W / 2, 10, f.W / 2, f.H - 20, c1, c1, c2, c1);
  f.Reflection(0.1, true);
  for (int i = 0; i <= 10; ++i) {
    f.TranslucentCopy(i * f.W / 10, 0, 5 * i, f.H, 0, 0, 10, f.H, RoundHalfEven(i * i / 5.0 * random()));
    f.TranslucentCopy(f.W - i * f.W / 10, 0, 5 * i, f.H, f.W - 10, 0, 10, f.H, RoundHalfEven(i * i / 5.0 * random()));
  }
}

void SoftBands(const Fill& f, bool twoTone) {  // 4, 5
  const double bs = f.in.borderSize, split = f.in.splitSize;
  if (twoTone) {
    f.Gradient(0, 0, f.W, f.H / 2, BlendColors(f.in.c3, f.in.c1), f.in.c1);
    f.Gradient(0, f.H / 2, f.W, f.H, f.in.c2, BlendColors(f.in.c4, f.in.c2));
  } else {
    f.Gradient(0, 0, f.W, f.H, f.in.c1, f.in.c2);
  }
  if (Last(split / 4) > kMaxSteps) throw PaintLimit("too many steps");
  for (std::int64_t i = 1; i <= Last(split / 4); ++i) {
    if (split + 1 == 0) throw PaintLimit("division by zero");
    const double inset = twoTone ? 0 : i / 4.0;
    const double width = twoTone ? f.W - 2 * bs : f.W - 2 * bs - i / 2.0;
    const double height = i * f.H / (split + 1);
    f.Brighten(split / 4 - i, bs + inset, bs, width, height);
    f.Brighten(split / 4 - i, bs + inset, f.H - bs - i, width, height);
  }
}

void RoundedSteps(const Fill& f) {  // 6
  f.Gradient(0, 0, f.W, f.H, f.in.c1, f.in.c2);
  const int px = f.L(f.W / 2);
  // A very low cell reads its sample from the last row instead of outside.
  const int py = std::min(f.L(f.SP + 13), f.pic.height() - 1);
  Rgb p = f.pic.point(px, py);
  if (p == kInvalidColor) p = f.in.c1;
  const Rgb e = BlendColors(p, f.in.c4);
  if (f.SP == 0) throw PaintLimit("division by zero");
  f.pic.setFillStyle(fill_style::kSolid);
  // Bands that start below the picture cannot show; skipping them keeps a
  // negative SplitSize from running for ever.
  const std::int64_t last = std::min<std::int64_t>(Last(f.SP), f.pic.height() + 1);
  for (std::int64_t i = 1; i <= last; ++i) {
    const Rgb c = ChannelStep(f.in.c3, e, f.SP, static_cast<double>(i));
    f.pic.setFillColor(c);
    f.pic.setForeColor(c);
    f.pic.dc().roundRect(2, static_cast<int>(i), f.L(f.W - 2), f.L(f.SP), f.in.roundW, f.in.roundH);
  }
  f.pic.setFillStyle(fill_style::kTransparent);
}

void TwoGradients(const Fill& f) {  // 7
  f.Gradient(0, 0, f.W, f.H - f.SP, f.in.c3, f.in.c1);
  f.Gradient(0, f.H - f.SP, f.W, f.H, f.in.c2, f.in.c4);
}

void Capsule(const Fill& f) {  // 8
  f.Gradient(0, 0, f.W, f.H, f.in.c1, f.in.c2);
  const std::int32_t k = f.L(f.H / 6);
  if (k == 0) throw PaintLimit("division by zero");
  const Rgb mid = BlendColors(f.in.c1, f.in.c2);
  for (std::int64_t i = 0; i <= Last(f.H / 3); ++i) {
    const float x = 18.0f - 10.0f * std::cos(static_cast<float>(i - k) / static_cast<float>(k));
    f.Line(x, 5 + i, f.W - x, 5 + i, ShiftColor(mid, f.L(f.H + f.SP - 4.0 * i)));
  }
}

void EdgeLines(const Fill& f) {  // the lines of 9 and 16
  const Rgb c1 = f.in.c1;
  f.Line(3, 0, 3, f.H, ShiftColor(c1, 65));
  f.Line(f.W - 3, 0, f.W - 3, f.H, ShiftColor(c1, 65));
  f.Line(0, 2, f.W, 2, ShiftColor(c1, 142));
  f.Line(0, f.H - 2, f.W, f.H - 2, c1);
}

void Plate(const Fill& f, bool radial) {  // 9, 16
  const Rgb c1 = f.in.c1;
  f.Gradient(0, 0, f.W, f.H, ShiftColor(c1, 142), c1);
  if (radial) f.Gradient(f.W / 2, 2, f.W, f.H, ShiftColor(c1, 142), c1, GradientMode::kRadial);
  EdgeLines(f);
}

void Glass(const Fill& f) {  // 10
  const Rgb c1 = f.in.c1, c2 = f.in.c2, c3 = f.in.c3, c4 = f.in.c4;
  const double W = f.W, H = f.H, SP = f.SP;
  f.Gradient(0, 0, W, H - SP, ShiftColor(c1, 100), c1);
  f.Gradient(0, H - SP, W, H, c2, ShiftColor(c2, 60));
  f.CornerGradient(0, 0, W / 2, SP, ShiftColor(c1, 60), c3, c1, c1);
  f.CornerGradient(W / 2, 0, W / 2, SP, c3, ShiftColor(c1, 60), c1, c1);
  f.CornerGradient(0, H - SP / 2, W / 2, SP / 2, ShiftColor(c2, 30), ShiftColor(c2, 30), ShiftColor(c2, 50), c4);
  f.CornerGradient(W / 2, H - SP / 2, W / 2, SP / 2, ShiftColor(c2, 30), ShiftColor(c2, 30), c4, ShiftColor(c2, 50));
  f.Reflection(0.55, true);
}

void Gloss(const Fill& f) {  // 11
  const Rgb c1 = f.in.c1, c2 = f.in.c2;
  f.Gradient(0, 0, f.W, f.H - f.SP, ShiftColor(c2, 100), BlendColors(c1, c2));
  f.CornerGradient(0, f.H - f.SP, f.W / 2, f.SP, c1, c1, c1, c2);
  f.CornerGradient(f.W / 2, f.H - f.SP, f.W / 2, f.SP, c1, c1, c2, c1);
  f.Reflection(0.55, true);
}

void Columns(const Fill& f, bool mirrored) {  // 13, 14
  const double sp = f.W - f.W * f.in.splitSize / 100.0;
  f.CornerGradient(0, 0, f.W - sp, f.H, f.in.c1, f.in.c2, f.in.c1, f.in.c2);
  f.CornerGradient(f.W - sp, 0, sp, f.H, f.in.c2, f.in.c1, f.in.c2, f.in.c1);
  if (!mirrored) return;
  const std::int32_t h = f.L(f.H);
  for (std::int64_t i = 0; i <= Last(f.H); ++i) {
    const auto distance = f.L(std::fabs(static_cast<double>(i) - f.H / 2));
    f.TranslucentCopy(0, f.H - i, f.W, 2, 0, f.H * 3 / 4, f.W, 2, ScaleValue(distance, 0, h, 100, 255));
  }
}

void Sheen(const Fill& f) {  // 15
  f.CornerGradient(0, 0, f.W / 2, f.H, f.in.c1, f.in.c1, f.in.c1, f.in.c2);
  f.CornerGradient(f.W / 2, 0, f.W / 2, f.H, f.in.c1, f.in.c1, f.in.c2, f.in.c1);
  for (std::int64_t i = 1; i <= Last(f.SP); ++i) f.TranslucentCopy(0, i, f.W, 2, 0, 1, f.W, 1, 100 + f.SP);
  f.Reflection(0.55, false);
}

void Vignette(const Fill& f) {  // 17
  TwoGradients(f);
  for (int i = 0; i <= 12; ++i) {
    const double a = -(6 - i / 2.0) * (6 - i / 2.0) / 4;
    f.Brighten(a, 0, f.H - i, f.W, i);
    f.Brighten(a, 0, 0, i, f.H);
    f.Brighten(a, f.W - i, 0, i, f.H);
    f.Brighten(-(12 - i) * (12 - i) / 4.0, 0, 0, f.W, i);
  }
}

void Quadrants(const Fill& f) {  // 18
  auto U = [](Rgb c) { return ShiftColor(c, 50); };
  auto D = [](Rgb c) { return ShiftColor(c, -50); };
  const Rgb c1 = f.in.c1, c2 = f.in.c2;
  const double W = f.W, H = f.H, SP = f.SP;
  f.CornerGradient(0, 0, W / 2, H - SP, D(c2), D(c1), U(c1), U(c2));
  f.CornerGradient(W / 2, 0, W / 2, H - SP, D(c1), D(c2), U(c2), U(c1));
  f.CornerGradient(0, H - SP, W / 2, SP, U(c1), U(c2), D(c2), D(c1));
  f.CornerGradient(W / 2, H - SP, W / 2, SP, U(c2), U(c1), D(c1), D(c2));
}

void SplitLine(const Fill& f) {  // 19
  TwoGradients(f);
  f.Line(0, f.H - f.SP - 1, f.W, f.H - f.SP - 1, ShiftColorRGB(f.in.c1, -23, -17, -9));
}

}  // namespace

void FillCellStyle(PictureBox& pic, const FillInputs& in, const UnitRandom& random) {
  const double W = pic.scaleWidth(), H = pic.scaleHeight();
  const Fill f{pic, in, W, H, H - H * in.splitSize / 100.0};
  pic.filledBox(0, 0, W, H, in.maskColor);
  using enum CellFillStyle;
  switch (in.style) {
    case kGlow: Glow(f); break;
    case kFrames: Frames(f); break;
    case kBevel: Bevel(f); break;
    case kShimmer: Shimmer(f, random); break;
    case kTwoToneBands: SoftBands(f, true); break;
    case kSoftBands: SoftBands(f, false); break;
    case kRoundedSteps: RoundedSteps(f); break;
    case kTwoGradients: TwoGradients(f); break;
    case kCapsule: Capsule(f); break;
    case kPlate: Plate(f, false); break;
    case kGlass: Glass(f); break;
    case kGloss: Gloss(f); break;
    case kVertical: f.Gradient(0, 0, W, H, in.c1, in.c2); break;
    case kColumns: Columns(f, false); break;
    case kMirroredColumns: Columns(f, true); break;
    case kSheen: Sheen(f); break;
    case kRadialPlate: Plate(f, true); break;
    case kVignette: Vignette(f); break;
    case kQuadrants: Quadrants(f); break;
    case kSplitLine: SplitLine(f); break;
    case kFourCorners: f.CornerGradient(0, 0, W, H, in.c3, in.c1, in.c2, in.c4); break;
    case kRowBands: f.Gradient(0, 0, W, H, in.c1, in.c2, GradientMode::kRowBands); break;
    case kColumnBands: f.Gradient(0, 0, W, H, in.c1, in.c2, GradientMode::kColumnBands); break;
    case kRowWaves: f.Gradient(0, 0, W, H, in.c1, in.c2, GradientMode::kRowWaves); break;
    case kColumnWaves: f.Gradient(0, 0, W, H, in.c1, in.c2, GradientMode::kColumnWaves); break;
  }
}

}  // namespace glavo
