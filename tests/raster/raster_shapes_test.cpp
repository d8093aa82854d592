// Rectangle, RoundRect, Ellipse and wide pens through the device context.
// The pictures are what GDI draws for the same calls.
#include <gtest/gtest.h>

#include <climits>

#include "platform/sim/soft_dc.h"
#include "raster_art.h"

namespace glavo::raster {
namespace {

using testing::Art;
using testing::kBlack;
using testing::kBlue;
using testing::Rows;
using testing::WhiteBitmap;

class RasterShapes : public ::testing::Test {
 protected:
  sim::SoftDc& canvas(int w, int h) {
    bitmap_ = WhiteBitmap(w, h);
    dc_ = std::make_unique<sim::SoftDc>(bitmap_, gdi_);
    dc_->setBrush(kBlue, true);
    return *dc_;
  }
  std::string art() const { return Art(bitmap_); }

  sim::SoftGdi gdi_;
  Bitmap bitmap_;
  std::unique_ptr<sim::SoftDc> dc_;
};

// The right column and bottom row stay out; corners in any order, the
// advanced mode's inclusive corners and corner ellipses too small to round
// anything draw the same box.
TEST_F(RasterShapes, RectangleLeavesRightColumnAndBottomRowOut) {
  canvas(8, 6).rectangle(1, 1, 7, 5);
  const std::string box = art();
  EXPECT_EQ(box, Rows({"........",
                       ".######.",
                       {2, ".#oooo#."},
                       ".######.",
                       "........"}));
  canvas(8, 6).rectangle(7, 5, 1, 1);
  EXPECT_EQ(art(), box) << "inverted corners";
  canvas(8, 6).roundRect(1, 1, 7, 5, 2, 9);
  EXPECT_EQ(art(), box) << "tiny round corners";
  sim::SoftDc& dc = canvas(8, 6);
  dc.setGraphicsMode(kGmAdvanced);
  dc.rectangle(1, 1, 6, 4);
  EXPECT_EQ(art(), box) << "advanced mode";
}

TEST_F(RasterShapes, EmptyRectangleDrawsNothing) {
  sim::SoftDc& dc = canvas(6, 4);
  dc.rectangle(2, 1, 2, 3);
  dc.rectangle(1, 2, 4, 2);
  dc.roundRect(3, 0, 3, 4, 2, 2);
  dc.ellipse(1, 1, 5, 1);
  EXPECT_EQ(art(), Rows({{4, "......"}}));
}

TEST_F(RasterShapes, WidePenRectangleIsCentredOnTheOutlineWithRoundCorners) {
  sim::SoftDc& dc = canvas(20, 16);
  dc.setPen(kBlack, 3);
  dc.rectangle(3, 2, 16, 13);
  EXPECT_EQ(art(), Rows({"....................",
                         "...#############....",
                         {2, "..###############..."},
                         {7, "..###ooooooooo###..."},
                         {2, "..###############..."},
                         "...#############....",
                         {2, "...................."}}));
}

TEST_F(RasterShapes, RoundRectCornersFollowTheEllipse) {
  canvas(20, 16).roundRect(1, 1, 19, 15, 6, 6);
  EXPECT_EQ(art(), Rows({"....................",
                         "...##############...",
                         "..#oooooooooooooo#..",
                         {10, ".#oooooooooooooooo#."},
                         "..#oooooooooooooo#..",
                         "...##############...",
                         "...................."}));
}

TEST_F(RasterShapes, RoundRectEllipseWiderThanTheBoxIsClampedToIt) {
  canvas(20, 16).roundRect(2, 2, 18, 14, 40, 3);
  const std::string clamped = art();
  EXPECT_EQ(clamped, Rows({{2, "...................."},
                           ".....##########.....",
                           "..###oooooooooo###..",
                           {8, "..#oooooooooooooo#.."},
                           "..###oooooooooo###..",
                           ".....##########.....",
                           {2, "...................."}}));
  canvas(20, 16).roundRect(2, 2, 18, 14, 16, 3);
  EXPECT_EQ(art(), clamped);
}

// An outline in the fill's own colour covers exactly what an outline and a
// fill in two colours cover together, whatever the corners and clipping.
TEST_F(RasterShapes, OneColourRectangleCoversTheOutlineAndTheInside) {
  auto covered = [](const std::string& art) {
    std::string mask = art;
    for (char& c : mask) c = (c == '#' || c == 'o') ? 'x' : c;
    return mask;
  };
  for (int l = -2; l < 9; l += 3) {
    for (int t = -2; t < 8; t += 2) {
      for (int r = -1; r < 11; r += 2) {
        for (int b = 0; b < 9; b += 3) {
          sim::SoftDc& two = canvas(8, 6);
          two.setPen(kBlack, 1);
          two.rectangle(l, t, r, b);
          const std::string expected = covered(art());
          sim::SoftDc& one = canvas(8, 6);
          one.setPen(kBlue, 1);
          one.rectangle(l, t, r, b);
          ASSERT_EQ(covered(art()), expected) << l << "," << t << "," << r << "," << b;
        }
      }
    }
  }
  canvas(8, 6).setPen(kBlue, 1);
  dc_->rectangle(0, 1, 8, 5);  // whole rows: kept as row fills
  Pixel p = 0;
  EXPECT_TRUE(bitmap_.pendingRow(2, p));
  EXPECT_EQ(p, PixelFromRgb(kBlue));
}

TEST_F(RasterShapes, EllipseFillsItsBoxLessRightAndBottom) {
  canvas(20, 16).ellipse(2, 1, 17, 14);
  EXPECT_EQ(art(), Rows({"....................",
                         ".......#####........",
                         ".....##ooooo##......",
                         "....#ooooooooo#.....",
                         "...#ooooooooooo#....",
                         {5, "..#ooooooooooooo#..."},
                         "...#ooooooooooo#....",
                         "....#ooooooooo#.....",
                         ".....##ooooo##......",
                         ".......#####........",
                         {2, "...................."}}));
}

TEST_F(RasterShapes, HollowBrushLeavesTheInsideAndEvenPensLeanUpLeft) {
  sim::SoftDc& dc = canvas(20, 16);
  dc.setBrush(kBlue, false);
  dc.setPen(kBlack, 2);
  dc.ellipse(2, 1, 17, 14);
  EXPECT_EQ(art(), Rows({"......######........",
                         "....##########......",
                         "...#####..#####.....",
                         "..####......####....",
                         ".####........####...",
                         ".###..........###...",
                         {3, ".##............##..."},
                         ".###..........###...",
                         ".####........####...",
                         "..#####....#####....",
                         "...############.....",
                         ".....########.......",
                         {2, "...................."}}));
}

TEST_F(RasterShapes, TinyEllipses) {
  sim::SoftDc& dc = canvas(10, 6);
  dc.ellipse(1, 1, 4, 5);
  dc.ellipse(6, 2, 7, 3);
  EXPECT_EQ(art(), Rows({"..........",
                         "..#.......",
                         {2, ".#o#......"},
                         "..#.......",
                         ".........."}));
}

TEST_F(RasterShapes, NarrowEllipseEndsInItsOutline) {
  canvas(12, 5).ellipse(9, 4, 6, -4);
  EXPECT_EQ(art(), Rows({{2, "......#o#..."},
                         ".......#....",
                         {2, "............"}}));
}

TEST_F(RasterShapes, WideLinesHaveRoundCapsAtBothEnds) {
  sim::SoftDc& dc = canvas(24, 18);
  dc.setPen(kBlack, 3);
  dc.moveTo(4, 5);
  dc.lineTo(19, 11);
  dc.moveTo(4, 15);
  dc.lineTo(12, 15);
  dc.moveTo(20, 2);
  dc.lineTo(20, 2);
  EXPECT_EQ(
      art(),
      Rows({"........................",
            "....................#...",
            "...................###..",
            "....................#...",
            "....####................",
            "...#######..............",
            "...##########...........",
            "......#########.........",
            "........##########......",
            "...........#########....",
            ".............#######....",
            "................#####...",
            "...................#....",
            "........................",
            "....#########...........",
            "...###########..........",
            "....#########...........",
            "........................"}));
}

TEST_F(RasterShapes, WildCoordinatesClipWithoutStalling) {
  sim::SoftDc& dc = canvas(12, 8);
  // A box far larger than the surface: only its interior shows.
  dc.rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(art(), Rows({{8, "oooooooooooo"}}));
  // Curves too large to trace are skipped, as GDI gives up on them.
  canvas(12, 8);
  dc_->setPen(kBlack, 1 << 30);
  dc_->ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
  dc_->roundRect(INT_MIN, -5, INT_MAX, 5, INT_MAX, INT_MIN);
  EXPECT_EQ(art(), Rows({{8, "............"}}));
  // Lines across the whole coordinate range end (a stall fails by timeout).
  dc_->moveTo(INT_MIN, INT_MAX);
  dc_->lineTo(INT_MAX, INT_MIN);
  dc_->setPen(kBlack, 1);
  dc_->moveTo(INT_MAX, INT_MAX);
  dc_->lineTo(INT_MIN, INT_MIN);
}

TEST_F(RasterShapes, FillRectCoversLeftTopAndLeavesRightBottom) {
  sim::SoftDc& dc = canvas(10, 8);
  dc.fillRect({1, 1, 4, 3}, kBlack);
  dc.fillRect({8, 7, 6, 4}, kBlue);  // inverted sides, as a pattern blit
  dc.fillRect({-100, 0, 100, 1}, kBlack);
  dc.fillRect({3, 4, 3, 9}, kBlack);      // no width, nothing
  dc.fillRect({100, 2, 200, 5}, kBlack);  // wholly outside, nothing
  dc.fillRect({-9, 2, -3, 5}, kBlack);
  EXPECT_EQ(art(), Rows({"##########",
                         {2, ".###......"},
                         {2, ".........."},
                         {3, ".......oo."}}));
}

}  // namespace
}  // namespace glavo::raster
