// Tiles for pens, lines and the filled shapes.
#include <array>

#include "scene/palette.h"
#include "scene/primitives.h"

namespace glavo::scene {
namespace {

constexpr std::array<Rgb, 8> kRainbow = {palette::kRed,  palette::kOrange, palette::kAmber,
                                          palette::kGreen, palette::kTeal,  palette::kBlue,
                                          palette::kNavy,  palette::kPurple};

void Line(DeviceContext& dc, int x1, int y1, int x2, int y2) {
  dc.moveTo(x1, y1);
  dc.lineTo(x2, y2);
}

// One filled shape and two outlines with the given corner ellipse.
void DrawRoundRects(DeviceContext& dc, const Rect& a, int r) {
  dc.setPen(palette::kNavy, 1);
  dc.setBrush(palette::kSky, true);
  dc.roundRect(a.left + 12, a.top + 12, a.left + 92, a.top + 120, r, r);
  dc.setPen(palette::kRed, 1);
  dc.setBrush(0, false);
  dc.roundRect(a.left + 104, a.top + 12, a.left + 184, a.top + 62, r, r);
  dc.setPen(palette::kTeal, 3);
  dc.setBrush(palette::kMint, true);
  dc.roundRect(a.left + 104, a.top + 74, a.left + 185, a.top + 121, r, r / 2);
}

}  // namespace

void DrawOctantLines(DeviceContext& dc, const Rect& a) {
  const int cx = a.left + a.width() / 2;
  const int cy = a.top + a.height() / 2;
  // Two slopes per octant, then the axes and diagonals between them.
  constexpr std::array<Point, 6> kFirstQuadrant = {
      Point{58, 21}, Point{36, 56}, Point{58, 45}, Point{17, 58}, Point{58, 0}, Point{44, 44}};
  int colour = 0;
  for (const Point& p : kFirstQuadrant) {
    for (const Point& sign : {Point{1, 1}, Point{-1, 1}, Point{-1, -1}, Point{1, -1}}) {
      dc.setPen(kRainbow[colour++ % kRainbow.size()], 1);
      Line(dc, cx, cy, cx + sign.x * p.x, cy + sign.y * p.y);
    }
  }
  // The same lines again, drawn inwards, to the side of the star.
  dc.setPen(palette::kSlate, 1);
  Line(dc, a.left + 8, a.top + 10, a.left + 20, a.top + 40);
  Line(dc, a.left + 30, a.top + 122, a.left + 6, a.top + 110);
  Line(dc, a.right - 8, a.top + 10, a.right - 37, a.top + 21);
  Line(dc, a.right - 30, a.top + 122, a.right - 18, a.top + 90);
}

void DrawPenWidths(DeviceContext& dc, const Rect& a) {
  constexpr std::array<int, 4> kWidths = {1, 2, 3, 5};
  for (int i = 0; i < 4; ++i) {
    const int w = kWidths[i];
    dc.setPen(palette::kNavy, w);
    Line(dc, a.left + 12, a.top + 14 + i * 14, a.left + 96, a.top + 14 + i * 14);
    dc.setPen(palette::kOrange, w);
    Line(dc, a.left + 116 + i * 18, a.top + 10, a.left + 116 + i * 18, a.top + 62);
    dc.setPen(palette::kTeal, w);
    Line(dc, a.left + 14 + i * 46, a.top + 122, a.left + 46 + i * 46, a.top + 78);
  }
  // A zigzag shows how a wide pen joins its segments.
  dc.setPen(palette::kPurple, 5);
  dc.moveTo(a.left + 12, a.top + 70);
  dc.lineTo(a.left + 24, a.top + 58);
  dc.lineTo(a.left + 36, a.top + 70);
  dc.lineTo(a.left + 48, a.top + 58);
}

void DrawWideOutlines(DeviceContext& dc, const Rect& a) {
  // Wide pens straddle the outline: half inside, half outside the shape.
  dc.setBrush(palette::kPeach, true);
  dc.setPen(palette::kOrange, 2);
  dc.rectangle(a.left + 12, a.top + 12, a.left + 90, a.top + 58);
  dc.setPen(palette::kNavy, 5);
  dc.setBrush(palette::kSky, true);
  dc.ellipse(a.left + 108, a.top + 10, a.left + 186, a.top + 60);
  dc.setPen(palette::kPurple, 4);
  dc.setBrush(palette::kMint, true);
  dc.roundRect(a.left + 12, a.top + 74, a.left + 90, a.top + 122, 16, 16);
  dc.setPen(palette::kGreen, 3);
  dc.setBrush(0, false);
  dc.roundRect(a.left + 108, a.top + 74, a.left + 186, a.top + 122, 24, 12);
}

void DrawRoundRect0(DeviceContext& dc, const Rect& area) { DrawRoundRects(dc, area, 0); }
void DrawRoundRect4(DeviceContext& dc, const Rect& area) { DrawRoundRects(dc, area, 4); }
void DrawRoundRect10(DeviceContext& dc, const Rect& area) { DrawRoundRects(dc, area, 10); }
void DrawRoundRect30(DeviceContext& dc, const Rect& area) { DrawRoundRects(dc, area, 30); }

void DrawEllipses(DeviceContext& dc, const Rect& a) {
  dc.setPen(palette::kBlue, 1);
  dc.setBrush(palette::kSky, true);
  dc.ellipse(a.left + 12, a.top + 12, a.left + 105, a.top + 73);
  dc.setPen(palette::kOrange, 2);
  dc.setBrush(0, false);
  dc.ellipse(a.left + 116, a.top + 8, a.left + 184, a.top + 124);
  dc.setPen(palette::kNavy, 3);
  dc.setBrush(palette::kGreen, true);
  dc.ellipse(a.left + 20, a.top + 86, a.left + 97, a.top + 121);
}

void DrawCircles(DeviceContext& dc, const Rect& a) {
  // Small diameters are where the shape of a circle is decided pixel by pixel.
  constexpr std::array<int, 9> kDiameters = {2, 3, 4, 5, 7, 9, 12, 16, 21};
  int x = a.left + 10;
  dc.setBrush(0, false);
  for (std::size_t i = 0; i < kDiameters.size(); ++i) {
    const int d = kDiameters[i];
    dc.setPen(kRainbow[i % kRainbow.size()], 1);
    dc.ellipse(x, a.top + 30 - d / 2, x + d, a.top + 30 - d / 2 + d);
    dc.setPen(palette::kNavy, 1);
    dc.setBrush(kRainbow[i % kRainbow.size()], true);
    dc.ellipse(x, a.top + 62 - d / 2, x + d, a.top + 62 - d / 2 + d);
    dc.setBrush(0, false);
    x += d + 5;
  }
  dc.setPen(palette::kPurple, 2);
  dc.setBrush(palette::kPeach, true);
  dc.ellipse(a.left + 20, a.top + 80, a.left + 70, a.top + 130);
  dc.setPen(palette::kTeal, 1);
  dc.setBrush(0, false);
  dc.ellipse(a.left + 96, a.top + 82, a.left + 143, a.top + 129);
  dc.setPen(palette::kRed, 5);
  dc.ellipse(a.left + 150, a.top + 88, a.left + 186, a.top + 124);
}

void DrawRectangles(DeviceContext& dc, const Rect& a) {
  dc.setPen(palette::kNavy, 1);
  dc.setBrush(palette::kAmber, true);
  dc.rectangle(a.left + 12, a.top + 12, a.left + 80, a.top + 60);
  dc.setPen(palette::kGreen, 3);
  dc.setBrush(0, false);
  dc.rectangle(a.left + 96, a.top + 12, a.left + 184, a.top + 60);
  // Corners given the wrong way round are put in order, as in GDI.
  dc.setPen(palette::kPurple, 1);
  dc.setBrush(palette::kPeach, true);
  dc.rectangle(a.left + 80, a.top + 122, a.left + 12, a.top + 74);
  for (int i = 0; i < 5; ++i) {
    dc.fillRect(Rect{a.left + 96 + i * 18, a.top + 74 + i * 6, a.left + 110 + i * 18,
                     a.top + 122},
                kRainbow[i]);
  }
}

}  // namespace glavo::scene
