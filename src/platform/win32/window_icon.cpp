#include "platform/win32/window_icon.h"

#include <algorithm>
#include <vector>

#include "platform/win32/dib_info.h"

namespace glavo::win32 {
namespace {

bool ReadBits(HBITMAP bitmap, int width, int height, std::vector<std::uint32_t>& out) {
  out.assign(static_cast<std::size_t>(width) * height, 0);
  HDC screen = GetDC(nullptr);
  BITMAPINFO info = DibInfo(width, -height, 32);
  const int lines = GetDIBits(screen, bitmap, 0, height, out.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return lines == height;
}

HICON CreateFromPicture(const Picture& picture, BOOL isIcon, int hotX, int hotY) {
  if (picture.empty()) return nullptr;
  const int w = picture.width(), h = picture.height();
  void* bits = nullptr;
  BITMAPINFO info = DibInfo(w, -h, 32);
  HDC screen = GetDC(nullptr);
  HBITMAP color = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (!color || !bits) {
    if (color) DeleteObject(color);
    return nullptr;
  }
  // Monochrome AND mask: set bits are transparent. Rows are WORD aligned.
  const int stride = ((w + 15) / 16) * 2;
  std::vector<BYTE> mask(static_cast<std::size_t>(stride) * h, 0);
  auto* px = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint32_t p = picture.pixel(x, y);
      const std::uint32_t a = picture.type() == PictureType::kBitmap ? 255u : p >> 24;
      if (a == 0) mask[static_cast<std::size_t>(y) * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
      // Premultiplied for the alpha channel of 32-bit icons.
      const std::uint32_t r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255,
                          b = (p & 0xFF) * a / 255;
      px[static_cast<std::size_t>(y) * w + x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
  HBITMAP maskBitmap = CreateBitmap(w, h, 1, 1, mask.data());
  ICONINFO ii{};
  ii.fIcon = isIcon;
  ii.xHotspot = static_cast<DWORD>(hotX);
  ii.yHotspot = static_cast<DWORD>(hotY);
  ii.hbmMask = maskBitmap;
  ii.hbmColor = color;
  HICON icon = CreateIconIndirect(&ii);
  DeleteObject(maskBitmap);
  DeleteObject(color);
  return icon;
}

}  // namespace

PictureRef PictureFromIcon(HICON icon) {
  if (!icon) return nullptr;
  ICONINFO ii{};
  if (!GetIconInfo(icon, &ii)) return nullptr;
  BITMAP bm{};
  GetObjectW(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof(bm), &bm);
  const int w = bm.bmWidth;
  // A monochrome icon keeps AND and XOR masks stacked in one bitmap.
  const int h = ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
  std::vector<std::uint32_t> color, mask;
  bool ok = w > 0 && h > 0 && ReadBits(ii.hbmMask, w, ii.hbmColor ? h : h * 2, mask);
  if (ok && ii.hbmColor) ok = ReadBits(ii.hbmColor, w, h, color);
  if (ok && !ii.hbmColor) color.assign(mask.begin() + static_cast<std::ptrdiff_t>(w) * h, mask.end());
  if (ii.hbmColor) DeleteObject(ii.hbmColor);
  if (ii.hbmMask) DeleteObject(ii.hbmMask);
  if (!ok) return nullptr;
  bool hasAlpha = false;
  for (std::uint32_t p : color) hasAlpha = hasAlpha || (p >> 24) != 0;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t rgb = color[i] & 0xFFFFFF;
    std::uint32_t a = hasAlpha ? color[i] >> 24 : ((mask[i] & 0xFFFFFF) ? 0u : 255u);
    // Undo the premultiplication of alpha icons.
    std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    if (hasAlpha && a > 0 && a < 255) {
      r = std::min<std::uint32_t>(255, r * 255 / a);
      g = std::min<std::uint32_t>(255, g * 255 / a);
      b = std::min<std::uint32_t>(255, b * 255 / a);
    }
    pixels[i] = (a << 24) | (r << 16) | (g << 8) | b;
  }
  return std::make_shared<const Picture>(PictureType::kIcon, w, h, std::move(pixels));
}

HICON IconFromPicture(const Picture& picture) { return CreateFromPicture(picture, TRUE, 0, 0); }

HCURSOR CursorFromPicture(const Picture& picture, int hotX, int hotY) {
  return static_cast<HCURSOR>(CreateFromPicture(picture, FALSE, hotX, hotY));
}

POINT PictureHotSpot(const Picture& picture) {
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if ((picture.pixel(x, y) >> 24) != 0) return POINT{x, y};
    }
  }
  return POINT{0, 0};
}

}  // namespace glavo::win32
