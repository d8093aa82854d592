#include "server/skin_snapshot.h"

#include "host/win32/memory_dc.h"

namespace glavo::server {
namespace {

// Bottom to top: windows created later lie above earlier ones, and the
// layout brings the borders and corners to the front.
constexpr SkinPartsGwr kStacking[] = {gwr_TitleBar,  gwr_Back,        gwr_CloseButton,
                                      gwr_MaximizeButton, gwr_MinimizeButton, gwr_HelpButton,
                                      gwr_Icon,      gwr_LeftBar,     gwr_RightBar,
                                      gwr_BottomBar, gwr_LeftCorner,  gwr_RightCorner};

void CopyPart(ControlSurface& part, win32::MemoryDc& canvas) {
  const Rect at = part.bounds();
  if (!part.visible() || at.width() <= 0 || at.height() <= 0) return;
  win32::MemoryDc copy(at.width(), at.height());
  copy.dc().stretchBlt(0, 0, at.width(), at.height(), part.dc(), 0, 0, at.width(), at.height(),
                       SRCCOPY);
  GdiFlush();
  for (int y = 0; y < at.height(); ++y) {
    const int ty = at.top + y;
    if (ty < 0 || ty >= canvas.height()) continue;
    for (int x = 0; x < at.width(); ++x) {
      const int tx = at.left + x;
      if (tx < 0 || tx >= canvas.width() || part.transparentAt(x, y)) continue;
      canvas.pixels()[static_cast<std::size_t>(ty) * canvas.width() + tx] =
          copy.pixels()[static_cast<std::size_t>(y) * at.width() + x];
    }
  }
}

}  // namespace

void DrawSkinSnapshot(GlavoSkin& skin, HDC target, const RECT& bounds) {
  ControlSurface& own = skin.surface();
  const int width = static_cast<int>(own.scaleWidth());
  const int height = static_cast<int>(own.scaleHeight());
  if (width <= 0 || height <= 0) return;
  win32::MemoryDc canvas(width, height);
  canvas.dc().stretchBlt(0, 0, width, height, own.dc(), 0, 0, width, height, SRCCOPY);
  GdiFlush();
  for (SkinPartsGwr p : kStacking) CopyPart(skin.part(p).surface(), canvas);
  const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
  StretchBlt(target, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
             canvas.hdc(), 0, 0, width, height, SRCCOPY);
  SetStretchBltMode(target, oldMode);
}

}  // namespace glavo::server
