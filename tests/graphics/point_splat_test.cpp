#include "graphics/point_splat.h"

#include <gtest/gtest.h>

#include <cmath>

#include "graphics/overflow_error.h"

namespace glavo {
namespace {

int TotalIntensity(const std::array<SplatPixel, 4>& px) {
  int sum = 0;
  for (const SplatPixel& p : px) sum += p.intensity;
  return sum;
}

// Pixel centres sit at whole coordinates: the point (x1 + cx, y1 + cy) is
// shared between the pixels around it.
TEST(SplatPoint, PointOnAPixelGoesToThatPixelOnlyWithTheNudge) {
  const auto px = SplatPoint(10, 20, NudgeOffWhole(0.0f), NudgeOffWhole(0.0f));
  EXPECT_EQ(px[0].x, 10);
  EXPECT_EQ(px[0].y, 20);
  EXPECT_EQ(px[0].intensity, 254);  // 254.745 * 0.999
  EXPECT_EQ(px[1].x, 11);
  EXPECT_EQ(px[1].intensity, 0);
  EXPECT_EQ(px[2].y, 21);
  EXPECT_EQ(px[2].intensity, 0);
  EXPECT_EQ(px[3].intensity, 0);
  // Without the nudge a tie counts twice: fy = 19.5 and fy + 1 = 20.5 both
  // round to 20, and the row is hit twice.
  const auto tie = SplatPoint(10, 20, 0.25f, 0.0f);
  EXPECT_EQ(tie[0].y, 20);
  EXPECT_EQ(tie[2].y, 20);
  EXPECT_EQ(TotalIntensity(tie), 510);
}

TEST(SplatPoint, SplitsColumnsAndRowsInProportionToDistance) {
  const auto px = SplatPoint(10, 20, 0.25f, NudgeOffWhole(0.0f));
  EXPECT_EQ(px[0].x, 10);
  EXPECT_EQ(px[1].x, 11);
  EXPECT_EQ(px[0].intensity, 191);  // 191.25 * 0.999
  EXPECT_EQ(px[1].intensity, 64);   // 63.75 * 0.999
  EXPECT_EQ(TotalIntensity(px), 255);

  const auto left = SplatPoint(10, 20, -0.25f, NudgeOffWhole(0.0f));
  EXPECT_EQ(left[0].x, 9);
  EXPECT_EQ(left[0].intensity, 64);
  EXPECT_EQ(left[1].intensity, 191);
  // Rows split the same way.
  const auto rows = SplatPoint(0, 5, NudgeOffWhole(0.0f), 0.4f);
  EXPECT_EQ(rows[0].y, 5);
  EXPECT_EQ(rows[2].y, 6);
  EXPECT_EQ(rows[0].intensity, 153);  // 254.745 * 0.6
  EXPECT_EQ(rows[2].intensity, 102);  // 254.745 * 0.4
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
