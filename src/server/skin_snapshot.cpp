#include "server/skin_snapshot.h"

#include <vector>

namespace glavo::server {
namespace {

// Bottom to top: windows created later lie above earlier ones, and the
// layout brings the borders and corners to the front.
constexpr SkinPartsGwr kStacking[] = {gwr_TitleBar,  gwr_Back,        gwr_CloseButton,
                                      gwr_MaximizeButton, gwr_MinimizeButton, gwr_HelpButton,
                                      gwr_Icon,      gwr_LeftBar,     gwr_RightBar,
                                      gwr_BottomBar, gwr_LeftCorner,  gwr_RightCorner};

// The pixels a surface shows, top row first, whatever draws them.
std::vector<std::uint32_t> ReadPixels(ControlSurface& surface, int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  DeviceContext& dc = surface.dc();
  dc.getDIBits(dc.selectedBitmap(), 0, height, DibHeader{width, -height, 32}, pixels.data());
  return pixels;
}

struct Canvas {
  int width;
  int height;
  std::vector<std::uint32_t> pixels;
};

void CopyPart(ControlSurface& part, Canvas& canvas) {
  const Rect at = part.bounds();
  if (!part.visible() || at.width() <= 0 || at.height() <= 0) return;
  const std::vector<std::uint32_t> copy = ReadPixels(part, at.width(), at.height());
  for (int y = 0; y < at.height(); ++y) {
    const int ty = at.top + y;
    if (ty < 0 || ty >= canvas.height) continue;
    for (int x = 0; x < at.width(); ++x) {
      const int tx = at.left + x;
      if (tx < 0 || tx >= canvas.width || part.transparentAt(x, y)) continue;
      canvas.pixels[static_cast<std::size_t>(ty) * canvas.width + tx] =
          copy[static_cast<std::size_t>(y) * at.width() + x];
    }
  }
}

}  // namespace

void DrawSkinSnapshot(GlavoSkin& skin, HDC target, const RECT& bounds) {
  ControlSurface& own = skin.surface();
  const int width = static_cast<int>(own.scaleWidth());
  const int height = static_cast<int>(own.scaleHeight());
  if (width <= 0 || height <= 0) return;
  Canvas canvas{width, height, ReadPixels(own, width, height)};
  for (SkinPartsGwr p : kStacking) CopyPart(skin.part(p).surface(), canvas);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
  StretchDIBits(target, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, 0, 0,
                width, height, canvas.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(target, oldMode);
}

}  // namespace glavo::server
