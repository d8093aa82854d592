#include "graphics/angle_walk.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace glavo {
namespace {

struct Sample {
  float cx;
  float cy;
};

std::vector<Sample> Arc(ArcOrigin origin, float start, float stop, int radius = 100) {
  std::vector<Sample> samples;
  WalkArc(radius, radius, start, stop, 0, origin, [&](float cx, float cy) {
    samples.push_back({cx, cy});
  });
  return samples;
}

TEST(AngleStep, DependsOnThicknessAndTheLargerRadius) {
  // {rx, ry, thickness}: max(-10, -20) = -10, taken positive.
  const std::pair<std::array<int, 3>, float> steps[] = {{{10, 4, 1}, 0.05340707f}, {{4, 10, 2}, 0.10681413f},
      {{4, 10, 0}, 0.10681413f}, {{0, 0, 1}, 0.5340707f}, {{-10, -20, 1}, 0.05340707f}};
  for (const auto& [a, step] : steps) EXPECT_FLOAT_EQ(AngleStep(a[0], a[1], a[2]), step) << a[0] << " " << a[1] << " " << a[2];
}

TEST(WalkQuarterEllipse, RunsFromTheRightPointTowardsTheBottom) {
  std::vector<Sample> samples;
  WalkQuarterEllipse(50, 30, 1, [&](float cx, float cy) { samples.push_back({cx, cy}); });
  ASSERT_FALSE(samples.empty());
  EXPECT_FLOAT_EQ(samples.front().cx, 50.0f);
  EXPECT_FLOAT_EQ(samples.front().cy, 0.0f);
  EXPECT_NEAR(samples.back().cx, 0.0f, 1.0f);
  EXPECT_NEAR(samples.back().cy, 30.0f, 0.01f);
  // About 2.9 r samples per quarter with thickness 1, half that otherwise.
  EXPECT_EQ(samples.size(), 148u);  // 1.570796 / (0.5340707 / 50), plus angle 0
  samples.clear();
  WalkQuarterEllipse(50, 30, 3, [&](float cx, float cy) { samples.push_back({cx, cy}); });
  EXPECT_EQ(samples.size(), 74u);
}

TEST(WalkArc, EndsWhenTheAngleCanNoLongerAdvance) {
  // 1e9 degrees is 1.7e7 radians: a step of 0.1 vanishes in single precision.
  EXPECT_EQ(Arc(ArcOrigin::kTopClockwise, 1e9f, 2e9f, 10).size(), 1u);
  EXPECT_TRUE(Arc(ArcOrigin::kTopClockwise, std::nanf(""), 90).empty());
  EXPECT_TRUE(Arc(ArcOrigin::kTopClockwise, 0, std::nanf("")).empty());
}

TEST(WalkQuarterEllipse, HugeRadiusStopsAtTheSampleLimit) {
  std::int32_t samples = 0;
  WalkQuarterEllipse(1 << 30, 1 << 30, 1, [&](float, float) { ++samples; });
  EXPECT_EQ(samples, kMaxCurveSamples);
  samples = 0;
  WalkArc(1 << 30, 1, 0, 360, 1, ArcOrigin::kTopClockwise, [&](float, float) { ++samples; });
  EXPECT_EQ(samples, kMaxCurveSamples);
}

}  // namespace
}  // namespace glavo
