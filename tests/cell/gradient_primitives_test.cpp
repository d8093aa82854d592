// The gradient engine, the colour ramp, the four-corner gradient and the
// alpha copy, drawn on a bare picture box.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <tuple>

#include "cell/gradient_primitives.h"
#include "cell/paint_limit.h"
#include "graphics/color.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_surface.h"
#include "../graphics/canvas.h"

namespace glavo::testing {
namespace {

class GradientTest : public ::testing::Test {
 protected:
  sim::SimDesktop desktop{200, 200};
  std::unique_ptr<sim::SimSurface> window = desktop.createWindow(Rect{0, 0, 40, 40});
  std::unique_ptr<PictureBox> pic = window->createPictureBox(20, 20);

  void SetUp() override { pic->setBackColor(MakeRgb(9, 9, 9)); }
  void ExpectPoints(std::initializer_list<std::tuple<int, int, Rgb>> points) {
    for (auto [x, y, rgb] : points) EXPECT_EQ(pic->point(x, y), rgb) << x << "," << y;
  }
};

TEST_F(GradientTest, RowModeStepsFromTheFirstColourToTheSecondFasterByTheBlendSize) {
  GradientFill(*pic, 0, 0, 19, 10, MakeRgb(0, 0, 0), MakeRgb(100, 200, 250), GradientMode::kTopToBottom, 1);
  // Each row's line leaves its end point out (19, 5).
  ExpectPoints({{5, 0, MakeRgb(0, 0, 0)}, {5, 5, MakeRgb(50, 100, 125)}, {5, 10, MakeRgb(100, 200, 250)},
                {19, 5, MakeRgb(9, 9, 9)}, {5, 11, MakeRgb(9, 9, 9)}});
  // A blend size reaches the second colour early and runs on clamped.
  GradientFill(*pic, 0, 0, 20, 10, MakeRgb(0, 0, 0), MakeRgb(100, 0, 200), GradientMode::kTopToBottom, 2);
  ExpectPoints({{5, 5, MakeRgb(100, 0, 200)}, {5, 8, MakeRgb(160, 0, 255)}});
}

TEST_F(GradientTest, ColumnModeAndEqualColoursGiveASolidBlockReversedCornersNothing) {
  GradientFill(*pic, 2, 3, 12, 15, MakeRgb(1, 2, 3), MakeRgb(1, 2, 3), GradientMode::kLeftToRight, 1);
  for (int x = 2; x <= 12; ++x) EXPECT_EQ(pic->point(x, 9), MakeRgb(1, 2, 3));
  EXPECT_EQ(pic->point(7, 15), MakeRgb(9, 9, 9));
  // Reversed corners draw nothing.
  pic->setBackColor(MakeRgb(9, 9, 9));
  GradientFill(*pic, 10, 10, 2, 2, 0xFF, 0xFF, GradientMode::kLeftToRight, 1);
  GradientFill(*pic, 2, 10, 12, 2, 0xFF, 0xFF, GradientMode::kTopToBottom, 1);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) ASSERT_EQ(pic->point(x, y), MakeRgb(9, 9, 9));
  }
}

TEST_F(GradientTest, ModeThreeWithBlendOneIsSolidModeFourRepeatsItsRamp) {
  GradientFill(*pic, 0, 0, 20, 20, MakeRgb(10, 20, 30), MakeRgb(200, 200, 200), GradientMode::kRowBands, 1);
  ExpectPoints({{4, 3, MakeRgb(10, 20, 30)}, {4, 17, MakeRgb(10, 20, 30)}});
  // Mode four repeats its ramp across the width.
  GradientFill(*pic, 0, 0, 20, 20, MakeRgb(0, 0, 0), MakeRgb(210, 0, 0), GradientMode::kColumnBands, 3);
  // k = round(i * 20 / 3) mod 20; n = 21: column 1 gives k = 7.
  ExpectPoints({{1, 5, MakeRgb(70, 0, 0)}, {3, 5, MakeRgb(0, 0, 0)}});
}

TEST_F(GradientTest, TheModuloModesMeetTheirLimitOnAnEmptyRectangle) {
  EXPECT_THROW(GradientFill(*pic, 0, 5, 20, 5, 0, 0xFF, GradientMode::kRowBands, 1), PaintLimit);
  EXPECT_THROW(GradientFill(*pic, 5, 0, 5, 20, 0, 0xFF, GradientMode::kColumnBands, 1), PaintLimit);
  EXPECT_NO_THROW(GradientFill(*pic, 0, 5, 20, 5, 0, 0xFF, GradientMode::kTopToBottom, 1));  // one line in c1
  EXPECT_EQ(pic->point(3, 5), 0u);
  EXPECT_NO_THROW(GradientFill(*pic, 0, 0, 20, 20, 0, 0xFF, static_cast<GradientMode>(7), 1));  // unknown mode: nothing
}

TEST_F(GradientTest, ModeTwoDrawsCirclesAndLeavesTheDrawWidthAtTwo) {
  GradientFill(*pic, 10, 10, 20, 20, MakeRgb(255, 0, 0), MakeRgb(255, 0, 0), GradientMode::kRadial, 1);
  EXPECT_EQ(pic->drawWidth(), 2);
  ExpectPoints({{10, 10, MakeRgb(255, 0, 0)}, {0, 0, MakeRgb(255, 0, 0)}});
}

TEST(ColorRampTest, StopsShortOfTheSecondColour) {
  const auto ramp = ColorRamp(9, Pixel24{0, 0, 0}, Pixel24{100, 200, 250}, 0);
  ASSERT_EQ(ramp.size(), 10u);
  EXPECT_EQ(ramp[0].b, 0);
  EXPECT_EQ((std::array<int, 3>{ramp[9].r, ramp[9].g, ramp[9].b}), (std::array<int, 3>{225, 180, 90}));
  EXPECT_TRUE(ColorRamp(-1, Pixel24{}, Pixel24{}, 0).empty());
}

TEST_F(GradientTest, FourCornerGradientBlendsBetweenItsCorners) {
  FourCornerGradient(pic->dc(), 2, 2, 10, 10, MakeRgb(0, 0, 0), MakeRgb(220, 0, 0), MakeRgb(0, 0, 0),
                     MakeRgb(220, 0, 0), 1);
  // (7, 5) is 5 of 11 steps of 20.
  ExpectPoints({{2, 5, MakeRgb(0, 0, 0)}, {7, 5, MakeRgb(100, 0, 0)}, {12, 5, MakeRgb(9, 9, 9)}, {5, 12, MakeRgb(9, 9, 9)}});
  FourCornerGradient(pic->dc(), 0, 0, 10, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1);  // no rows
  FourCornerGradient(pic->dc(), -5, -5, 1000000, 1000000, 0xFF, 0xFF, 0xFF, 0xFF, 1);  // clipped
  EXPECT_EQ(pic->point(19, 19), MakeRgb(255, 0, 0));
}

TEST_F(GradientTest, AlphaCopyRefusesAnAlphaThatIsNoByte) {
  EXPECT_THROW(AlphaCopy(pic->dc(), 0, 0, 5, 5, pic->dc(), 0, 0, 5, 5, 256, 1), PaintLimit);
  EXPECT_THROW(AlphaCopy(pic->dc(), 0, 0, 5, 5, pic->dc(), 0, 0, 5, 5, -1, 1), PaintLimit);
  EXPECT_NO_THROW(AlphaCopy(pic->dc(), 0, 0, 5, 5, pic->dc(), 0, 0, 5, 5, 255, 1));
}


// A context without pixel memory, as real GDI is: rows go through
// SetDIBitsToDevice.
struct RowlessDc : TextlessDc {
  using TextlessDc::TextlessDc;
  std::uint32_t* overwriteRow(int, int, int) override { return nullptr; }
};

// The four-corner rows are written as runs found in fixed point; they must
// match the ramp formula pixel for pixel, also for steep ramps, clipped
// rows (a negative x) and blend sizes that shrink the steps, whether they
// are merged into the context's rows or handed over row by row.
TEST(FourCornerRowsTest, MatchTheRampFormulaExactly) {
  sim::SimDesktop desktop{1200, 120};
  auto window = desktop.createWindow(Rect{0, 0, 1200, 120});
  auto pic = window->createPictureBox(1200, 120);
  raster::Bitmap rowless(1200, 120);
  RowlessDc rowlessDc(rowless);
  std::uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 8) & 0xFFFFFFu; };
  auto px = [](Rgb c) {
    return Pixel24{static_cast<std::uint8_t>(BlueOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
                   static_cast<std::uint8_t>(RedOf(c))};
  };
  // Near colours over many rows: rows repeat channels of the row before.
  auto near = [&](Rgb c) { return ShiftColor(c, static_cast<int>(next() % 21) - 10); };
  for (int round = 0; round < 300; ++round) {
    const int h = round % 2 ? 120 : 8;
    const Rgb tl = next(), tr = round % 2 ? near(tl) : next();
    const Rgb bl = round % 2 ? near(tl) : next(), br = round % 2 ? near(tl) : next();
    const int w = 1 + static_cast<int>(next() % (round % 3 == 0 ? 40 : 1400));
    const int x = round % 4 == 0 ? -static_cast<int>(next() % 200) : 0;
    const int blend = static_cast<int>(next() % 4000) - (round % 5 == 0 ? 3000 : 0);
    const bool direct = round % 7 != 3;
    try {
      FourCornerGradient(direct ? pic->dc() : rowlessDc, x, 0, w, h, tl, tr, bl, br, blend);
    } catch (const PaintLimit&) {
      continue;  // a step count of zero
    }
    auto point = [&](int px, int py) { return direct ? pic->point(px, py) : raster::RgbFromPixel(rowless.at(px, py)); };
    const auto left = ColorRamp(h, px(tl), px(bl), blend);
    const auto right = ColorRamp(h, px(tr), px(br), blend);
    for (int r = 0; r < h; ++r) {
      const auto row = ColorRamp(w, left[r], right[r], blend);
      for (int c = std::max(0, -x); c < w && x + c < 1200; ++c) {
        ASSERT_EQ(point(x + c, r), MakeRgb(row[c].r, row[c].g, row[c].b))
            << "round " << round << " row " << r << " column " << c;
      }
    }
  }
}

}  // namespace
}  // namespace glavo::testing
