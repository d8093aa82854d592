#include "graphics/point_splat.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "graphics/overflow_error.h"

namespace glavo {
namespace {

// (x, y, intensity) of the four pixels: top-left, top-right, bottom-left,
// bottom-right.
using Splat = std::array<std::array<int, 3>, 4>;

Splat Pixels(const std::array<SplatPixel, 4>& px) {
  Splat out;
  for (std::size_t i = 0; i < 4; ++i) out[i] = {px[i].x, px[i].y, px[i].intensity};
  return out;
}

// Pixel centres sit at whole coordinates: the point (x1 + cx, y1 + cy) is
// shared between the pixels around it.
TEST(SplatPoint, PointOnAPixelGoesToThatPixelOnlyWithTheNudge) {
  // 254.745 * 0.999 on the pixel itself.
  EXPECT_EQ(Pixels(SplatPoint(10, 20, NudgeOffWhole(0.0f), NudgeOffWhole(0.0f))),
            (Splat{{{10, 20, 254}, {11, 20, 0}, {10, 21, 0}, {11, 21, 0}}}));
  // Without the nudge a tie counts twice: fy = 19.5 and fy + 1 = 20.5 both
  // round to 20, and the row is hit twice.
  EXPECT_EQ(Pixels(SplatPoint(10, 20, 0.25f, 0.0f)), (Splat{{{10, 20, 191}, {11, 20, 64}, {10, 20, 191}, {11, 20, 64}}}));
}

TEST(SplatPoint, SplitsColumnsAndRowsInProportionToDistance) {
  // 191.25 and 63.75, each * 0.999.
  EXPECT_EQ(Pixels(SplatPoint(10, 20, 0.25f, NudgeOffWhole(0.0f))),
            (Splat{{{10, 20, 191}, {11, 20, 64}, {10, 21, 0}, {11, 21, 0}}}));
  EXPECT_EQ(Pixels(SplatPoint(10, 20, -0.25f, NudgeOffWhole(0.0f))),
            (Splat{{{9, 20, 64}, {10, 20, 191}, {9, 21, 0}, {10, 21, 0}}}));
  // Rows split the same way: 254.745 * 0.6 and * 0.4.
  EXPECT_EQ(Pixels(SplatPoint(0, 5, NudgeOffWhole(0.0f), 0.4f)), (Splat{{{0, 5, 153}, {1, 5, 0}, {0, 6, 102}, {1, 6, 0}}}));
}

TEST(SplatPoint, RefusesPositionsOutsideThirtyTwoBits) {
  EXPECT_THROW(SplatPoint(2147483647, 0, 1e10f, 0.5f), OverflowError);
  EXPECT_THROW(SplatPoint(0, 0, std::nanf(""), 0.5f), OverflowError);
}

TEST(NudgeOffWhole, MovesOnlyWholeNumbers) {
  EXPECT_EQ(NudgeOffWhole(3.0f), 3.001f);
  EXPECT_EQ(NudgeOffWhole(-2.0f), -2.0f + 0.001f);
  EXPECT_EQ(NudgeOffWhole(0.0f), 0.001f);
  EXPECT_EQ(NudgeOffWhole(2.5f), 2.5f);
}

}  // namespace
}  // namespace glavo
