#include "text/symbol_glyphs.h"

#include <algorithm>
#include <cmath>

namespace glavo::text {
namespace {

constexpr char32_t kMinimize = 48;
constexpr char32_t kMaximize = 49;
constexpr char32_t kRestore = 50;
constexpr char32_t kClose = 114;
constexpr char32_t kSymbolPrivateUse = 0xF000;

int Round(double v) { return static_cast<int>(std::lround(v)); }

// Pixel geometry shared by the four glyphs: a square box centred in the
// advance and in the character cell, with a thin and a thick stroke width.
struct Box {
  int left = 0;
  int bottom = 0;
  int size = 0;
  int thin = 1;
  int thick = 2;
};

Box GlyphBox(int em) {
  Box b;
  b.size = std::max(3, Round(0.7 * em));
  b.left = (std::max(1, em) - b.size) / 2;
  const double cellMiddle = (kSymbolAscent - kSymbolDescent) / 2.0 * em;
  b.bottom = static_cast<int>(std::floor(cellMiddle - b.size / 2.0 + 0.5));
  b.thin = std::max(1, Round(em / 13.0));
  b.thick = std::max(2, Round(em * 0.16));
  return b;
}

OutlinePoint Pt(double x, double y) {
  return OutlinePoint{static_cast<long>(std::lround(x * 64)), static_cast<long>(std::lround(y * 64))};
}

// Clockwise in y-up coordinates: up the left side, along the top, down the right.
std::vector<OutlinePoint> RectContour(double x0, double y0, double x1, double y1) {
  return {Pt(x0, y0), Pt(x0, y1), Pt(x1, y1), Pt(x1, y0)};
}

// A window outline: thick title bar on top, thin sides and bottom.
void AddWindow(OutlineContours& out, int x0, int y0, int size, const Box& b) {
  const int x1 = x0 + size;
  const int y1 = y0 + size;
  out.push_back(RectContour(x0, y1 - b.thick, x1, y1));
  out.push_back(RectContour(x0, y0, x0 + b.thin, y1));
  out.push_back(RectContour(x1 - b.thin, y0, x1, y1));
  out.push_back(RectContour(x0, y0, x1, y0 + b.thin));
}

OutlineContours Minimize(const Box& b) {
  // An odd leftover pixel goes to the right: the bar leans left, as minimize
  // glyphs traditionally do.
  const int width = std::max(2, Round(b.size * 0.64));
  const int x0 = b.left + (b.size - width) / 2;
  return {RectContour(x0, b.bottom, x0 + width, b.bottom + b.thick)};
}

OutlineContours Maximize(const Box& b) {
  OutlineContours out;
  AddWindow(out, b.left, b.bottom, b.size, b);
  return out;
}

// Two windows: the one behind shows only where the front one does not cover it.
OutlineContours Restore(const Box& b) {
  const int front = std::max(b.thick + b.thin + 1, Round(b.size * 0.7));
  const int shift = b.size - front;
  const int backLeft = b.left + shift;
  const int top = b.bottom + b.size;
  const int right = b.left + b.size;
  OutlineContours out;
  out.push_back(RectContour(backLeft, top - b.thick, right, top));
  out.push_back(RectContour(right - b.thin, b.bottom + shift, right, top));
  out.push_back(RectContour(b.left + front, b.bottom + shift, right, b.bottom + shift + b.thin));
  out.push_back(RectContour(backLeft, b.bottom + front, backLeft + b.thin, top));
  AddWindow(out, b.left, b.bottom, front, b);
  return out;
}

// Two 45-degree bars with flat ends, like a pixel diagonal doubled sideways.
OutlineContours Close(const Box& b) {
  const double w = std::max(2.0, std::round(b.size * 0.2));
  const double x0 = b.left;
  const double x1 = b.left + b.size;
  const double y0 = b.bottom;
  const double y1 = b.bottom + b.size;
  // Rising bar (bottom left to top right) and falling bar, both clockwise.
  std::vector<OutlinePoint> rising{Pt(x0, y0), Pt(x1 - w, y1), Pt(x1, y1), Pt(x0 + w, y0)};
  std::vector<OutlinePoint> falling{Pt(x1 - w, y0), Pt(x0, y1), Pt(x0 + w, y1), Pt(x1, y0)};
  return {rising, falling};
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char c = (a[i] >= 'A' && a[i] <= 'Z') ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
    if (c != b[i]) return false;
  }
  return true;
}

}  // namespace

bool IsSymbolFace(std::string_view faceName) {
  const auto first = faceName.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  faceName = faceName.substr(first, faceName.find_last_not_of(' ') - first + 1);
  return SameLetters(faceName, "webdings") || SameLetters(faceName, "marlett");
}

char32_t SymbolCode(char32_t codePoint) {
  if (codePoint >= kSymbolPrivateUse && codePoint <= kSymbolPrivateUse + 0xFF)
    codePoint -= kSymbolPrivateUse;
  switch (codePoint) {
    case kMinimize:
    case kMaximize:
    case kRestore:
    case kClose:
      return codePoint;
    default:
      return 0;
  }
}

int SymbolAdvance(char32_t code, int em) {
  return SymbolCode(code) != 0 ? std::max(1, em) : 0;
}

OutlineContours SymbolOutline(char32_t code, int em) {
  if (em <= 0) return {};
  const Box box = GlyphBox(em);
  switch (SymbolCode(code)) {
    case kMinimize:
      return Minimize(box);
    case kMaximize:
      return Maximize(box);
    case kRestore:
      return Restore(box);
    case kClose:
      return Close(box);
    default:
      return {};
  }
}

}  // namespace glavo::text
