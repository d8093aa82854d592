// Tiles for pixel access, DIB transfers, StretchBlt and AlphaBlend.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "scene/palette.h"
#include "scene/primitives.h"

namespace glavo::scene {
namespace {

using Bgra = std::uint32_t;  // a 32-bit DIB pixel, blue in the lowest byte

constexpr Bgra ToBgra(Rgb c, int alpha = 0) {
  return static_cast<Bgra>(BlueOf(c) | (GreenOf(c) << 8) | (RedOf(c) << 16) | (alpha << 24));
}

// The whole canvas as a top-down 32-bit DIB, read and written back around
// an edit of its pixels: the round trip LineGS and the cell code rely on.
class CanvasPixels {
 public:
  explicit CanvasPixels(DeviceContext& dc)
      : dc_(dc), header_{dc.width(), -dc.height(), 32},
        pixels_(static_cast<std::size_t>(dc.width()) * dc.height()) {
    dc_.getDIBits(dc_.selectedBitmap(), 0, dc_.height(), header_, pixels_.data());
  }
  Bgra& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * header_.width + x]; }
  void store() {
    dc_.setDIBits(dc_.selectedBitmap(), 0, dc_.height(), header_, pixels_.data());
  }

 private:
  DeviceContext& dc_;
  DibHeader header_;
  std::vector<Bgra> pixels_;
};

// An asymmetric motif, so that every mirroring shows.
void DrawMotif(DeviceContext& dc, int x, int y) {
  dc.fillRect(Rect{x, y, x + 40, y + 40}, palette::kSky);
  dc.fillRect(Rect{x + 4, y + 4, x + 12, y + 36}, palette::kNavy);
  dc.fillRect(Rect{x + 12, y + 4, x + 34, y + 12}, palette::kNavy);
  dc.fillRect(Rect{x + 12, y + 18, x + 26, y + 25}, palette::kOrange);
  dc.setPen(palette::kRed, 1);
  dc.moveTo(x + 16, y + 36);
  dc.lineTo(x + 37, y + 15);
}

void DrawChecker(DeviceContext& dc, const Rect& r, int cell) {
  for (int y = r.top; y < r.bottom; y += cell) {
    for (int x = r.left; x < r.right; x += cell) {
      const bool dark = (((x - r.left) / cell) + ((y - r.top) / cell)) % 2 != 0;
      dc.fillRect(Rect{x, y, std::min(x + cell, r.right), std::min(y + cell, r.bottom)},
                  dark ? MakeRgb(204, 210, 220) : MakeRgb(248, 249, 251));
    }
  }
}

}  // namespace

void DrawPixelCopy(DeviceContext& dc, const Rect& a) {
  const int x0 = a.left + 8;
  const int y0 = a.top + 8;
  dc.setPen(palette::kNavy, 1);
  dc.setBrush(palette::kAmber, true);
  dc.ellipse(x0, y0, x0 + 52, y0 + 52);
  dc.setPen(palette::kRed, 2);
  dc.moveTo(x0 + 4, y0 + 44);
  dc.lineTo(x0 + 30, y0 + 6);
  // GetPixel/SetPixelV: a mirrored copy and a negative of the motif.
  for (int y = 0; y < 56; ++y) {
    for (int x = 0; x < 56; ++x) {
      const Rgb c = dc.getPixel(x0 + x, y0 + y);
      dc.setPixel(x0 + 120 - x, y0 + y, c);
      dc.setPixel(x0 + 128 + x, y0 + y, c ^ 0xFFFFFFu);
    }
  }
  // A dotted ramp of single pixels.
  for (int i = 0; i < 60; ++i) {
    for (int j = 0; j <= i % 12; ++j) {
      dc.setPixel(x0 + 4 + i * 3, a.bottom - 10 - j * 3, MakeRgb(i * 4, 90, 255 - i * 4));
    }
  }
}

void DrawDibRoundTrip(DeviceContext& dc, const Rect& a) {
  for (int i = 0; i < 8; ++i) {
    dc.fillRect(Rect{a.left + i * 24, a.top, a.left + i * 24 + 24, a.bottom},
                i % 2 ? palette::kSky : palette::kPeach);
  }
  dc.setPen(palette::kNavy, 3);
  dc.setBrush(palette::kTeal, true);
  dc.ellipse(a.left + 30, a.top + 16, a.left + 166, a.top + 116);
  CanvasPixels canvas(dc);
  const double cx = a.left + a.width() / 2.0;
  const double cy = a.top + a.height() / 2.0;
  for (int y = a.top; y < a.bottom; ++y) {
    for (int x = a.left; x < a.right; ++x) {
      Bgra& p = canvas.at(x, y);
      const int b = p & 255, g = (p >> 8) & 255, r = (p >> 16) & 255;
      if (x >= cx) {  // right half: grey by luminance
        const int grey = (r * 77 + g * 151 + b * 28) >> 8;
        p = static_cast<Bgra>(grey | (grey << 8) | (grey << 16));
      }
      // A ring computed in memory, centred on the ellipse.
      const double d = std::hypot(x - cx, (y - cy) * 1.36);
      if (d > 28 && d < 34) p = ToBgra(palette::kAmber);
    }
  }
  canvas.store();
}

void DrawDibToDevice(DeviceContext& dc, const Rect& a) {
  // Row by row, 24-bit rows of an odd width (padded to four bytes).
  constexpr int kRampW = 87;
  std::vector<std::uint8_t> row((kRampW * 3 + 3) & ~3);
  for (int r = 0; r < 56; ++r) {
    for (int i = 0; i < kRampW; ++i) {
      row[i * 3 + 0] = static_cast<std::uint8_t>(255 - r * 4);
      row[i * 3 + 1] = static_cast<std::uint8_t>(i * 255 / (kRampW - 1));
      row[i * 3 + 2] = static_cast<std::uint8_t>(r * 4);
    }
    dc.setDIBitsToDevice(a.left + 8, a.top + 8 + r, kRampW, 1, 0, 0, 0, 1, row.data(),
                         DibHeader{kRampW, 1, 24});
  }
  // One 32-bit top-down image, of which a window is shown.
  constexpr int kW = 100, kH = 70;
  std::vector<Bgra> image(kW * kH);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const bool ring = ((x / 10 + y / 10) % 2) == 0;
      image[y * kW + x] = ring ? ToBgra(MakeRgb(x * 2 + 40, 60, 200 - y * 2))
                               : ToBgra(MakeRgb(250, 240 - y * 2, x * 2));
    }
  }
  dc.setDIBitsToDevice(a.left + 104, a.top + 8, 84, 56, 8, 7, 0, kH, image.data(),
                       DibHeader{kW, -kH, 32});
  // A bottom-up 24-bit image: its first row in memory is the bottom row.
  constexpr int kBw = 180, kBh = 52;
  const int stride = (kBw * 3 + 3) & ~3;
  std::vector<std::uint8_t> bottomUp(stride * kBh);
  for (int y = 0; y < kBh; ++y) {
    for (int x = 0; x < kBw; ++x) {
      std::uint8_t* p = &bottomUp[y * stride + x * 3];
      const bool band = (x + y) % 24 < 12;
      p[0] = band ? 60 : static_cast<std::uint8_t>(y * 4);
      p[1] = static_cast<std::uint8_t>(y * 4);
      p[2] = band ? static_cast<std::uint8_t>(x + 60) : 230;
    }
  }
  dc.setDIBitsToDevice(a.left + 8, a.top + 72, kBw, kBh, 0, 0, 0, kBh, bottomUp.data(),
                       DibHeader{kBw, kBh, 24});
}

void DrawStretchMirror(DeviceContext& dc, const Rect& a) {
  const int x = a.left + 8;
  const int y = a.top + 8;
  DrawMotif(dc, x, y);
  // Negative extents mirror, as the cell's flip copies do.
  dc.stretchBlt(x + 48 + 39, y, -40, 40, dc, x, y, 40, 40, kSrcCopy);
  dc.stretchBlt(x + 96, y + 39, 40, -40, dc, x, y, 40, 40, kSrcCopy);
  dc.stretchBlt(x + 144 + 39, y + 39, -40, -40, dc, x, y, 40, 40, kSrcCopy);
  const int previous = dc.setStretchBltMode(kStretchColorOnColor);
  dc.stretchBlt(x, y + 52, 64, 64, dc, x, y, 32, 32, kSrcCopy);     // enlarged twice
  dc.stretchBlt(x + 76, y + 52, 20, 20, dc, x, y, 40, 40, kSrcCopy);  // halved
  dc.stretchBlt(x + 108, y + 52, 72, 36, dc, x, y, 40, 40, kSrcCopy);  // uneven ratio
  dc.setStretchBltMode(previous);
}

void DrawAlphaConstant(DeviceContext& dc, const Rect& a) {
  constexpr std::array<Rgb, 3> kSources = {palette::kRed, palette::kGreen, palette::kBlue};
  constexpr std::array<int, 3> kAlphas = {64, 128, 200};
  for (int i = 0; i < 8; ++i) {
    dc.fillRect(Rect{a.left + 56 + i * 17, a.top + 4, a.left + 73 + i * 17, a.bottom - 4},
                i % 2 ? palette::kNavy : palette::kAmber);
  }
  for (int i = 0; i < 3; ++i) {
    const int sy = a.top + 6 + i * 42;
    dc.fillRect(Rect{a.left + 8, sy, a.left + 44, sy + 36}, kSources[i]);
    dc.fillRect(Rect{a.left + 18, sy + 10, a.left + 34, sy + 26}, palette::kCard);
    BlendFunction blend;
    blend.constantAlpha = static_cast<std::uint8_t>(kAlphas[i]);
    dc.alphaBlend(a.left + 66 + i * 40, a.top + 14 + i * 32, 36, 36, dc, a.left + 8, sy, 36, 36,
                  blend);
  }
}

void DrawAlphaPerPixel(DeviceContext& dc, const Rect& a) {
  const Rect checker{a.left + 64, a.top + 4, a.right - 4, a.bottom - 4};
  DrawChecker(dc, checker, 8);
  // A premultiplied sprite with a soft round edge, written through a DIB.
  constexpr int kS = 48;
  const int sx = a.left + 8, sy = a.top + 8;
  {
    CanvasPixels canvas(dc);
    for (int y = 0; y < kS; ++y) {
      for (int x = 0; x < kS; ++x) {
        const double d = std::hypot(x - 23.5, y - 23.5);
        const int alpha = static_cast<int>(std::clamp((23.5 - d) * 40.0, 0.0, 255.0));
        const Rgb c = y < kS / 2 ? palette::kOrange : palette::kPurple;
        canvas.at(sx + x, sy + y) = static_cast<Bgra>(
            (BlueOf(c) * alpha / 255) | ((GreenOf(c) * alpha / 255) << 8) |
            ((RedOf(c) * alpha / 255) << 16) | (alpha << 24));
      }
    }
    canvas.store();
  }
  BlendFunction perPixel;
  perPixel.alphaFormat = 1;
  dc.alphaBlend(a.left + 74, a.top + 12, kS, kS, dc, sx, sy, kS, kS, perPixel);
  dc.alphaBlend(a.left + 126, a.top + 40, kS, kS, dc, sx, sy, kS, kS, perPixel);
  BlendFunction faded = perPixel;
  faded.constantAlpha = 110;
  dc.alphaBlend(a.left + 86, a.top + 72, kS, kS, dc, sx, sy, kS, kS, faded);
}

}  // namespace glavo::scene
