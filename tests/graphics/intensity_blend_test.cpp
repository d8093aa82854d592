#include "graphics/intensity_blend.h"

#include <gtest/gtest.h>

namespace glavo {
namespace {

constexpr DrawingColor kWhite{MakeRgb(255, 255, 255), 255, 255, 255};
constexpr DrawingColor kOrange{MakeRgb(255, 128, 0), 255, 128, 0};

TEST(BlendIntensity, AboveTwoFiftyTwoWritesTheColourExactlyBelowItDividesBy256) {
  EXPECT_EQ(BlendIntensity(kOrange, MakeRgb(0, 0, 255), 253), MakeRgb(255, 128, 0));
  EXPECT_EQ(BlendIntensity(kOrange, MakeRgb(0, 0, 255), 255), MakeRgb(255, 128, 0));
  // Below, it divides by 256, channel by channel (at 253 that
  // would have given 252, 127, 0).
  EXPECT_EQ(BlendIntensity(kWhite, MakeRgb(0, 0, 0), 252), MakeRgb(251, 251, 251));
  EXPECT_EQ(BlendIntensity(kOrange, MakeRgb(255, 255, 255), 0), MakeRgb(254, 254, 254));
  EXPECT_EQ(BlendIntensity(kOrange, MakeRgb(0, 0, 0), 0), MakeRgb(0, 0, 0));
  // (255 * 128 + 0 * 127) / 256 and (0 * 128 + 200 * 127) / 256, truncated.
  EXPECT_EQ(BlendIntensity(kOrange, MakeRgb(0, 0, 200), 128), MakeRgb(127, 64, 99));
  const DrawingColor blue{MakeRgb(0, 0, 255), 0, 0, 255};
  EXPECT_EQ(BlendIntensity(blue, MakeRgb(255, 0, 0), 127), MakeRgb(127, 0, 126));
}

}  // namespace
}  // namespace glavo
