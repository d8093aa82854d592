#include <gtest/gtest.h>

#include "canvas.h"
#include "graphics/color.h"

namespace glavo {
namespace {

using testing::Canvas;

constexpr Rgb kGrey = MakeRgb(120, 120, 120);

// Each pixel of the rectangle is lightened from itself (the copy reads the
// same place: a ramp shows any shift), by 20 * 255 / 100 in HALFTONE mode.
TEST(AdjustPictureBrightness, ChangesOnlyItsRectangle) {
  Canvas c(12, 10, kGrey);
  testing::PaintRamp(c);
  const raster::Bitmap before = c.bitmap;
  AdjustPictureBrightness(c.dc, 20, 2, 3, 6, 3);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 12; ++x) {
      const Rgb old = raster::RgbFromPixel(before.at(x, y)) & 0xFFFFFFu;
      const Rgb expected = x >= 2 && x < 8 && y >= 3 && y < 6 ? ShiftColor(old, 51) : old;
      EXPECT_EQ(c.at(x, y), expected) << x << "," << y;
    }
  }
}

TEST(AdjustPictureBrightness, ClampsToPlusMinusHundred) {
  for (int b : {250, -250}) {
    Canvas over(12, 10, kGrey);
    Canvas limit(12, 10, kGrey);
    AdjustPictureBrightness(over.dc, b, 2, 3, 6, 3);
    AdjustPictureBrightness(limit.dc, b > 0 ? 100 : -100, 2, 3, 6, 3);
    EXPECT_EQ(over.dc.getColorAdjustment().brightness, b > 0 ? 100 : -100);
    EXPECT_EQ(over.bitmap.pixels(), limit.bitmap.pixels());
  }
}

// The context is left in HALFTONE mode with only its brightness changed.
TEST(AdjustPictureBrightness, KeepsTheContextsOtherAdjustments) {
  Canvas c(12, 10, kGrey);
  ColorAdjustment ca = c.dc.getColorAdjustment();
  ca.contrast = 7;
  ca.redGamma = 12000;
  c.dc.setColorAdjustment(ca);
  AdjustPictureBrightness(c.dc, -7, 1, 2, 3, 4);
  EXPECT_EQ(c.dc.stretchBltMode(), kStretchHalftone);
  EXPECT_EQ(c.dc.getColorAdjustment().brightness, -7);
  EXPECT_EQ(c.dc.getColorAdjustment().contrast, 7);
  EXPECT_EQ(c.dc.getColorAdjustment().redGamma, 12000);
}

}  // namespace
}  // namespace glavo
