#include "graphics/line_gs.h"

#include <new>
#include <string>

#include "graphics/angle_walk.h"
#include "graphics/line_walk.h"
#include "graphics/point_splat.h"

namespace glavo {
namespace {

constexpr std::uint32_t kDibAlphaMask = 0xFF000000u;

// A DIB pixel (bytes B, G, R, x) as an RGB value and back; byte 3 is kept.
constexpr Rgb RgbOfDibPixel(std::uint32_t p) {
  return MakeRgb(static_cast<int>((p >> 16) & 255u), static_cast<int>((p >> 8) & 255u),
                 static_cast<int>(p & 255u));
}
constexpr std::uint32_t WithDibColor(std::uint32_t p, Rgb c) {
  return (p & kDibAlphaMask) | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
         (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
}

}  // namespace

LineGS::LineGS(const ColorTable& colors, MessageBox& messages)
    : colors_(colors), messages_(&messages) {}

LineGS::LineGS(const ColorTable& colors) : colors_(colors) {}

void LineGS::DIB(DeviceContext& hdc, BitmapHandle handle, std::int32_t W1, std::int32_t H1) {
  targetDC_ = &hdc;
  dibHandle_ = handle;
  dibReady_ = false;
  dibBits_.clear();
  dibBits_.shrink_to_fit();
  const std::int64_t pixels = std::int64_t{W1} * H1;
  if (W1 < 1 || H1 < 1 || pixels > kMaxDibPixels) {
    dibWidth_ = dibHeight_ = 0;
    return;
  }
  dibWidth_ = W1;
  dibHeight_ = H1;
  try {
    dibBits_.assign(static_cast<std::size_t>(pixels), 0u);
  } catch (const std::bad_alloc&) {
    dibWidth_ = dibHeight_ = 0;
    return;
  }
  const DibHeader header{W1, -H1, 32};
  if (hdc.getDIBits(handle, 0, H1, header, dibBits_.data()) < 1) {
    // Nothing could be read: drawing on zeros and writing them back would
    // blacken the picture.
    dibBits_.clear();
    dibBits_.shrink_to_fit();
    dibWidth_ = dibHeight_ = 0;
    return;
  }
  dibReady_ = true;
}

void LineGS::CircleGP(DeviceContext& hdc, std::int32_t X1, std::int32_t Y1, std::int32_t RadiusX,
                      std::int32_t RadiusY, OleColor Color, std::int32_t Thickness) {
  targetDC_ = &hdc;
  SetRGBComponents(Color);
  WalkQuarterEllipse(RadiusX, RadiusY, Thickness, [&](float cx, float cy) {
    cx = NudgeOffWhole(cx);
    cy = NudgeOffWhole(cy);
    SplatGP(hdc, X1, Y1, cx, -cy);
    SplatGP(hdc, X1, Y1, cx, cy);
    SplatGP(hdc, X1, Y1, -cx, cy);
    SplatGP(hdc, X1, Y1, -cx, -cy);
  });
}

void LineGS::ArcGP(DeviceContext& hdc, std::int32_t X1, std::int32_t Y1, std::int32_t RadiusX,
                   std::int32_t RadiusY, float StartAngle, float StopAngle, OleColor Color,
                   std::int32_t Thickness) {
  targetDC_ = &hdc;
  SetRGBComponents(Color);
  WalkArc(RadiusX, RadiusY, StartAngle, StopAngle, Thickness, ArcOrigin::kTopClockwise,
          [&](float cx, float cy) { SplatGP(hdc, X1, Y1, NudgeOffWhole(cx), NudgeOffWhole(cy)); });
}

void LineGS::CircleDIB(std::int32_t X1, std::int32_t Y1, std::int32_t RadiusX, std::int32_t RadiusY,
                       OleColor Color, std::int32_t Thickness) {
  if (!dibReady_) {
    MissingDibMessage(u"CircleDIB");
    return;
  }
  SetRGBComponents(Color);
  WalkQuarterEllipse(RadiusX, RadiusY, Thickness, [&](float cx, float cy) {
    cx = NudgeOffWhole(cx);
    cy = NudgeOffWhole(cy);
    SplatDIB(X1, Y1, cx, -cy);
    SplatDIB(X1, Y1, cx, cy);
    SplatDIB(X1, Y1, -cx, cy);
    SplatDIB(X1, Y1, -cx, -cy);
  });
}

void LineGS::ArcDIB(std::int32_t X1, std::int32_t Y1, std::int32_t RadiusX, std::int32_t RadiusY,
                    float StartAngle, float StopAngle, OleColor Color, std::int32_t Thickness) {
  if (!dibReady_) return;
  SetRGBComponents(Color);
  WalkArc(RadiusX, RadiusY, StartAngle, StopAngle, Thickness, ArcOrigin::kBottomCounterClockwise,
          [&](float cx, float cy) {
            try {
              SplatDIB(X1, Y1, NudgeOffWhole(cx), NudgeOffWhole(cy));
            } catch (const OverflowError&) {
              // This arc is drawn on a best-effort basis: skip the sample.
            }
          });
}

void LineGS::SetRGBComponents(OleColor Color) {
  Rgb rgb = 0;
  if (!colors_.translate(Color, rgb)) rgb = 0;
  color_.rgb = rgb;
  color_.r = RedOf(rgb);
  color_.g = GreenOf(rgb);
  color_.b = BlueOf(rgb);
}

void LineGS::LineGP(DeviceContext& hdc, std::int16_t X1, std::int16_t Y1, std::int16_t X2,
                    std::int16_t Y2, OleColor Color) {
  targetDC_ = &hdc;
  if (X1 == X2 && Y1 == Y2) return;
  SetRGBComponents(Color);
  WalkLine(
      X1, Y1, X2, Y2, [&](std::int32_t x, std::int32_t y) { hdc.setPixel(x, y, color_.rgb); },
      [&](std::int32_t x, std::int32_t y, int a) { PlotGP(hdc, x, y, a); });
}

void LineGS::LineDIB(std::int16_t X1, std::int16_t Y1, std::int16_t X2, std::int16_t Y2,
                     OleColor Color) {
  if (!dibReady_) {
    MissingDibMessage(u"LineDIB");
    return;
  }
  if (X1 == X2 && Y1 == Y2) return;
  SetRGBComponents(Color);
  WalkLine(
      X1, Y1, X2, Y2, [&](std::int32_t x, std::int32_t y) { PlotDIB(x, y, 255); },
      [&](std::int32_t x, std::int32_t y, int a) { PlotDIB(x, y, a); });
}

void LineGS::Array2Pic() {
  if (!dibReady_ || targetDC_ == nullptr) return;
  const DibHeader header{dibWidth_, -dibHeight_, 32};
  targetDC_->setDIBits(dibHandle_, 0, dibHeight_, header, dibBits_.data());
  dibReady_ = false;
}

void LineGS::PlotGP(DeviceContext& hdc, std::int32_t x, std::int32_t y, int intensity) {
  if (intensity > kSolidIntensityThreshold) {
    hdc.setPixel(x, y, color_.rgb);
    return;
  }
  // A failed read answers all bits set, which blends against white.
  hdc.setPixel(x, y, BlendIntensity(color_, hdc.getPixel(x, y), intensity));
}

void LineGS::PlotDIB(std::int32_t x, std::int32_t y, int intensity) {
  if (x < 0 || y < 0 || x >= dibWidth_ || y >= dibHeight_) return;
  std::uint32_t& pixel =
      dibBits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(dibWidth_) +
               static_cast<std::size_t>(x)];
  pixel = WithDibColor(pixel, BlendIntensity(color_, RgbOfDibPixel(pixel), intensity));
}

void LineGS::SplatGP(DeviceContext& hdc, std::int32_t x1, std::int32_t y1, float cx, float cy) {
  for (const SplatPixel& p : SplatPoint(x1, y1, cx, cy)) PlotGP(hdc, p.x, p.y, p.intensity);
}

void LineGS::SplatDIB(std::int32_t x1, std::int32_t y1, float cx, float cy) {
  for (const SplatPixel& p : SplatPoint(x1, y1, cx, cy)) PlotDIB(p.x, p.y, p.intensity);
}

// A usage error of the caller, told the way LineGS's callers expect it
// (docs/error-policy.md): the one message the core shows.
void LineGS::MissingDibMessage(const char16_t* method) {
  if (messages_ == nullptr) return;
  messages_->show(u"You must create a DIB array\r\nbefore calling " + std::u16string(method) + u".",
                 std::u16string(), kMbOk);
}

}  // namespace glavo
