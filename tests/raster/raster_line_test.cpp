#include "raster/raster_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

#include "platform/sim/soft_dc.h"
#include "raster_art.h"

namespace glavo::raster {
namespace {

using testing::Art;
using testing::Rows;
using testing::WhiteBitmap;
using Pixels = std::set<std::pair<int, int>>;

Pixels Walk(Point from, Point to, Rect clip = {-1000, -1000, 1000, 1000}) {
  Pixels out;
  WalkGdiLine(from, to, clip, [&](int x, int y) { out.insert({x, y}); });
  return out;
}

// GDI's line loop written out step by step, independent of the closed form
// the implementation uses.
Pixels StepwiseReference(Point a, Point b) {
  Pixels out;
  const int dx = b.x - a.x, dy = b.y - a.y;
  if (dx == 0 && dy == 0) return out;
  int octant;
  if (dy > 0)
    octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
  else
    octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
  const int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
  const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
  // One step along the major axis each pixel; the minor axis as the error says.
  const int major = xMajor ? std::abs(dx) : std::abs(dy), minor = xMajor ? std::abs(dy) : std::abs(dx);
  const Point majorStep = xMajor ? Point{dx > 0 ? 1 : -1, 0} : Point{0, dy > 0 ? 1 : -1};
  const Point minorStep = xMajor ? Point{0, dy > 0 ? 1 : -1} : Point{dx > 0 ? 1 : -1, 0};
  int x = a.x, y = a.y;
  int err = 2 * minor - major;
  for (int i = 0; i < major; ++i) {
    out.insert({x, y});
    if (err + bias > 0) {
      x += minorStep.x;
      y += minorStep.y;
      err += 2 * minor - 2 * major;
    } else {
      err += 2 * minor;
    }
    x += majorStep.x;
    y += majorStep.y;
  }
  return out;
}

// The reference draws the first point and leaves the last out, in every
// octant and along the axes.
TEST(RasterLine, MatchesStepwiseBresenhamForEveryDirection) {
  for (int ex = -9; ex <= 9; ++ex) {
    for (int ey = -9; ey <= 9; ++ey) {
      SCOPED_TRACE(::testing::Message() << "to " << ex << "," << ey);
      EXPECT_EQ(Walk({0, 0}, {ex, ey}), StepwiseReference({0, 0}, {ex, ey}));
    }
  }
  EXPECT_EQ(Walk({5, 1}, {2, 1}), (Pixels{{3, 1}, {4, 1}, {5, 1}}));  // the reference itself
}

TEST(RasterLine, ClippingKeepsExactlyThePixelsInside) {
  const Rect clip{2, 3, 9, 8};
  for (Point a : {Point{-5, -4}, Point{14, 1}, Point{0, 12}, Point{5, 5}}) {
    for (Point b : {Point{12, 11}, Point{-3, 9}, Point{6, -6}, Point{15, 4}}) {
      Pixels expected;
      for (const auto& p : StepwiseReference(a, b)) {
        if (p.first >= clip.left && p.first < clip.right && p.second >= clip.top && p.second < clip.bottom) {
          expected.insert(p);
        }
      }
      EXPECT_EQ(Walk(a, b, clip), expected);
    }
  }
}

TEST(RasterLine, HugeCoordinatesAreScaledDownAsGdiDoes) {
  Bitmap b = WhiteBitmap(20, 4);
  sim::SoftGdi gdi;
  sim::SoftDc dc(b, gdi);
  // Ends beyond 2^28 are divided by eight before the walk, so these two
  // lines land on row 0 and column 1; the walk stays within the surface.
  dc.moveTo(-2000000000, 5);
  dc.lineTo(2000000000, 7);
  dc.moveTo(3, -1000000000);
  dc.lineTo(9, 1000000000);
  EXPECT_EQ(Art(b), Rows({"####################", {3, ".#.................."}}));
  EXPECT_EQ(dc.currentPosition(), (Point{9, 1000000000}));
}

}  // namespace
}  // namespace glavo::raster
