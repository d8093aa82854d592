// Plain value types shared by the core and every host backend.
#pragma once

#include <cstdint>

namespace glavo {

// A 32-bit OLE colour: 0x00BBGGRR, or a system colour when the high bit is set.
using OleColor = std::uint32_t;
// A plain RGB value 0x00BBGGRR (no system colour bit).
using Rgb = std::uint32_t;

// GDI's CLR_INVALID: what GetPixel answers outside the surface.
inline constexpr Rgb kInvalidColor = 0xFFFFFFFFu;

constexpr Rgb MakeRgb(int r, int g, int b) {
  return static_cast<Rgb>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}
constexpr int RedOf(Rgb c) { return static_cast<int>(c & 255u); }
constexpr int GreenOf(Rgb c) { return static_cast<int>((c >> 8) & 255u); }
constexpr int BlueOf(Rgb c) { return static_cast<int>((c >> 16) & 255u); }

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// GDI rectangle: right and bottom are exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The common part of two rectangles; the empty rectangle when none.
inline Rect Intersect(const Rect& a, const Rect& b) {
  const Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
               a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  return r.left < r.right && r.top < r.bottom ? r : Rect{};
}

// The bounds of both; an empty rectangle adds nothing.
inline Rect Union(const Rect& a, const Rect& b) {
  if (a.left >= a.right || a.top >= a.bottom) return b;
  if (b.left >= b.right || b.top >= b.bottom) return a;
  return Rect{a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
              a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

}  // namespace glavo
