// Tiles for LineGS: anti-aliased lines, ellipses and arcs, each drawn once
// into an in-memory copy of the canvas (DIB) and once pixel by pixel (GP).
#include <array>
#include <cstdint>

#include "graphics/line_gs.h"
#include "runtime/color_table.h"
#include "scene/palette.h"
#include "scene/primitives.h"

namespace glavo::scene {
namespace {

// The scene never calls a DIB method without a copy, so nothing is shown.
class NoMessages final : public MessageBox {
 public:
  void show(const std::u16string&, const std::u16string&, unsigned) override {}
};

constexpr std::array<Rgb, 6> kColors = {palette::kRed,  palette::kOrange, palette::kGreen,
                                        palette::kTeal, palette::kBlue,   palette::kPurple};

// Runs `draw` between DIB and Array2Pic over the whole canvas.
template <typename Draw>
void WithCanvasDib(DeviceContext& dc, Draw draw) {
  DefaultColorTable colors;
  NoMessages messages;
  LineGS gs(colors, messages);
  gs.DIB(dc, dc.selectedBitmap(), dc.width(), dc.height());
  draw(gs);
  gs.Array2Pic();
}

template <typename Draw>
void WithLineGs(Draw draw) {
  DefaultColorTable colors;
  NoMessages messages;
  LineGS gs(colors, messages);
  draw(gs);
}

// A fan of lines in every octant; `line` draws one line of a colour.
template <typename Line>
void DrawFan(const Rect& a, Line line) {
  const int cx = a.left + 60, cy = a.top + 66;
  constexpr std::array<Point, 5> kQuadrant = {Point{52, 0}, Point{50, 19}, Point{40, 40},
                                              Point{19, 50}, Point{0, 52}};
  int i = 0;
  for (const Point& sign : {Point{1, 1}, Point{-1, 1}, Point{-1, -1}, Point{1, -1}}) {
    for (const Point& p : kQuadrant) {
      line(cx + 4 * sign.x, cy + 4 * sign.y, cx + sign.x * p.x, cy + sign.y * p.y,
           kColors[i++ % kColors.size()]);
    }
  }
  // Near-horizontal and near-vertical strokes, where the side pixels show.
  for (int k = 0; k < 5; ++k) {
    line(a.left + 124, a.top + 12 + k * 9, a.left + 188, a.top + 16 + k * 11, palette::kNavy);
    line(a.left + 126 + k * 13, a.top + 80, a.left + 130 + k * 14, a.top + 124, palette::kRed);
  }
}

// Concentric ellipses and circles; `circle` draws one of a colour and thickness.
template <typename Circle>
void DrawRings(const Rect& a, Circle circle) {
  const int cx = a.left + 62, cy = a.top + 66;
  for (int r = 4, i = 0; r <= 54; r += 10, ++i) {
    circle(cx, cy, r, r, kColors[i % kColors.size()], 1 + i % 2);
  }
  circle(a.left + 154, a.top + 36, 32, 22, palette::kNavy, 1);
  circle(a.left + 154, a.top + 36, 20, 10, palette::kOrange, 2);
  circle(a.left + 154, a.top + 96, 14, 30, palette::kTeal, 1);
  circle(a.left + 154, a.top + 96, 3, 3, palette::kRed, 1);
}

// Start angles of the four corner quarters, clockwise from the upper left;
// each quarter spans 90 degrees.
using CornerAngles = std::array<float, 4>;
// Angle 0 of ArcDIB is at the bottom, growing counter-clockwise.
constexpr CornerAngles kDibCorners = {180.0f, 90.0f, 0.0f, 270.0f};
// Angle 0 of ArcGP is at the top, growing clockwise.
constexpr CornerAngles kGpCorners = {270.0f, 0.0f, 90.0f, 180.0f};

// A rounded outline from four arcs and four lines (the corners of a cell
// border), and a fan of arcs of growing sweep.
template <typename Line, typename Arc>
void DrawRoundedOutline(const Rect& a, const CornerAngles& corners, Line line, Arc arc) {
  const int l = a.left + 10, r = a.left + 90, t = a.top + 12, b = a.top + 120;
  const int rad = 14;
  line(l + rad, t, r - rad, t, palette::kNavy);
  line(l + rad, b, r - rad, b, palette::kNavy);
  line(l, t + rad, l, b - rad, palette::kNavy);
  line(r, t + rad, r, b - rad, palette::kNavy);
  const std::array<Point, 4> centres = {Point{l + rad, t + rad}, Point{r - rad, t + rad},
                                        Point{r - rad, b - rad}, Point{l + rad, b - rad}};
  for (int i = 0; i < 4; ++i) {
    arc(centres[i].x, centres[i].y, rad, rad, corners[i], corners[i] + 90.0f, palette::kNavy);
  }
  for (int i = 0; i < 6; ++i) {
    const float sweep = 45.0f + 55.0f * static_cast<float>(i);
    arc(a.left + 146, a.top + 66, 10 + i * 7, 10 + i * 7, 270.0f, 270.0f + sweep,
        kColors[i % kColors.size()]);
  }
}

}  // namespace

void DrawLineDib(DeviceContext& dc, const Rect& a) {
  WithCanvasDib(dc, [&](LineGS& gs) {
    DrawFan(a, [&](int x1, int y1, int x2, int y2, Rgb c) {
      gs.LineDIB(static_cast<std::int16_t>(x1), static_cast<std::int16_t>(y1),
                 static_cast<std::int16_t>(x2), static_cast<std::int16_t>(y2), c);
    });
  });
}

void DrawCircleDib(DeviceContext& dc, const Rect& a) {
  WithCanvasDib(dc, [&](LineGS& gs) {
    DrawRings(a, [&](int x, int y, int rx, int ry, Rgb c, int thickness) {
      gs.CircleDIB(x, y, rx, ry, c, thickness);
    });
  });
}

void DrawArcDib(DeviceContext& dc, const Rect& a) {
  WithCanvasDib(dc, [&](LineGS& gs) {
    auto line = [&](int x1, int y1, int x2, int y2, Rgb c) {
      gs.LineDIB(static_cast<std::int16_t>(x1), static_cast<std::int16_t>(y1),
                 static_cast<std::int16_t>(x2), static_cast<std::int16_t>(y2), c);
    };
    auto arc = [&](int x, int y, int rx, int ry, float from, float to, Rgb c) {
      gs.ArcDIB(x, y, rx, ry, from, to, c, 1);
    };
    DrawRoundedOutline(a, kDibCorners, line, arc);
  });
}

void DrawLineGp(DeviceContext& dc, const Rect& a) {
  WithLineGs([&](LineGS& gs) {
    DrawFan(a, [&](int x1, int y1, int x2, int y2, Rgb c) {
      gs.LineGP(dc, static_cast<std::int16_t>(x1), static_cast<std::int16_t>(y1),
                static_cast<std::int16_t>(x2), static_cast<std::int16_t>(y2), c);
    });
  });
}

void DrawCircleGp(DeviceContext& dc, const Rect& a) {
  WithLineGs([&](LineGS& gs) {
    DrawRings(a, [&](int x, int y, int rx, int ry, Rgb c, int thickness) {
      gs.CircleGP(dc, x, y, rx, ry, c, thickness);
    });
  });
}

void DrawArcGp(DeviceContext& dc, const Rect& a) {
  WithLineGs([&](LineGS& gs) {
    auto line = [&](int x1, int y1, int x2, int y2, Rgb c) {
      gs.LineGP(dc, static_cast<std::int16_t>(x1), static_cast<std::int16_t>(y1),
                static_cast<std::int16_t>(x2), static_cast<std::int16_t>(y2), c);
    };
    auto arc = [&](int x, int y, int rx, int ry, float from, float to, Rgb c) {
      gs.ArcGP(dc, x, y, rx, ry, from, to, c, 1);
    };
    DrawRoundedOutline(a, kGpCorners, line, arc);
  });
}

}  // namespace glavo::scene
