// Coverage keeps spans per row; a plain set of pixels is the reference it
// must agree with after any mix of spans, rectangles and subtractions.
#include "raster/raster_coverage.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

namespace glavo::raster {
namespace {

using PixelSet = std::set<std::pair<int, int>>;  // (y, x)

struct Model {
  Rect area;
  PixelSet pixels;
  void addSpan(std::int64_t y, std::int64_t lo, std::int64_t hi) {
    if (y < area.top || y >= area.bottom) return;
    for (std::int64_t x = std::max<std::int64_t>(lo, area.left);
         x < std::min<std::int64_t>(hi, area.right); ++x) {
      pixels.insert({static_cast<int>(y), static_cast<int>(x)});
    }
  }
};

void ExpectSame(const Coverage& c, const Model& m, int width, int height) {
  Bitmap painted(width, height, 0);
  c.paint(painted, 7);
  for (int y = -2; y < height + 2; ++y) {
    for (int x = -2; x < width + 2; ++x) {
      const bool expected = m.pixels.count({y, x}) != 0;
      ASSERT_EQ(c.contains(x, y), expected) << x << "," << y;
      if (painted.contains(x, y)) {
        ASSERT_EQ(painted.at(x, y) == 7, expected) << x << "," << y;
      }
    }
  }
}

TEST(RasterCoverage, RandomSpansAndSubtractionsMatchAPixelSet) {
  std::mt19937 rng(12345);
  for (int round = 0; round < 200; ++round) {
    const Rect area{static_cast<int>(rng() % 6), static_cast<int>(rng() % 6),
                    6 + static_cast<int>(rng() % 30), 6 + static_cast<int>(rng() % 12)};
    Coverage a(area), b(Rect{0, 0, 40, 20});
    Model ma{area, {}}, mb{Rect{0, 0, 40, 20}, {}};
    auto span = [&](Coverage& c, Model& m) {
      const int y = static_cast<int>(rng() % 22) - 1;
      const int lo = static_cast<int>(rng() % 44) - 2;
      const int hi = lo + static_cast<int>(rng() % 9);
      c.addSpan(y, lo, hi);
      m.addSpan(y, lo, hi);
    };
    for (int i = 0; i < 40; ++i) span(a, ma);
    for (int i = 0; i < 25; ++i) span(b, mb);
    ExpectSame(a, ma, 40, 20);
    a.subtract(b);
    for (const auto& p : mb.pixels) ma.pixels.erase(p);
    ExpectSame(a, ma, 40, 20);
    // Adding after a subtraction fills the holes again.
    for (int i = 0; i < 10; ++i) span(a, ma);
    ExpectSame(a, ma, 40, 20);
    // A union keeps only what lies inside the receiving area.
    a.add(b);
    for (const auto& p : mb.pixels) ma.addSpan(p.first, p.second, p.second + 1);
    ExpectSame(a, ma, 40, 20);
  }
}

TEST(RasterCoverage, RectanglesMergeAndPaintingStaysInsideTheBitmap) {
  Coverage c(Rect{-5, -5, 50, 50});
  c.addRect(-10, -10, 3, 3);
  c.addRect(3, 0, 8, 2);  // touches the first: one span per row
  EXPECT_TRUE(c.contains(-5, -5));
  EXPECT_TRUE(c.contains(7, 1));
  EXPECT_FALSE(c.contains(8, 1));
  EXPECT_FALSE(c.contains(-6, 0));
  Bitmap b(4, 4, 0);
  c.paint(b, 1);
  EXPECT_EQ(b.pixels(), (std::vector<Pixel>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}));
}

TEST(RasterCoverage, AnEmptyAreaCoversNothing) {
  Coverage c(Rect{5, 5, 5, 9});
  c.addRect(0, 0, 10, 10);
  EXPECT_FALSE(c.contains(5, 6));
  Bitmap b(10, 10, 0);
  c.paint(b, 1);
  EXPECT_EQ(b.pixels(), std::vector<Pixel>(100, 0));
}

}  // namespace
}  // namespace glavo::raster
