#include "graphics/line_gs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <limits>

#include "canvas.h"
#include "graphics/overflow_error.h"

namespace glavo {
namespace {

using testing::Canvas;
using testing::RecordingMessageBox;

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kBlack = MakeRgb(0, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
const std::u16string kLineDibMessage = u"You must create a DIB array\r\nbefore calling LineDIB.";
const std::u16string kCircleDibMessage = u"You must create a DIB array\r\nbefore calling CircleDIB.";

enum class Variant { kGP, kDIB };

struct Drawer {
  Drawer() : gs(colors, messages) {}

  // Runs `draw` on the canvas through the chosen variant; the DIB variant
  // gets a copy of the whole bitmap and writes it back afterwards.
  void Line(Variant v, Canvas& c, int x1, int y1, int x2, int y2, OleColor color) {
    const auto s = [](int n) { return static_cast<std::int16_t>(n); };
    if (v == Variant::kGP) {
      gs.LineGP(c.dc, s(x1), s(y1), s(x2), s(y2), color);
      return;
    }
    gs.DIB(c.dc, c.handle(), c.bitmap.width(), c.bitmap.height());
    gs.LineDIB(s(x1), s(y1), s(x2), s(y2), color);
    gs.Array2Pic();
  }
  void Circle(Variant v, Canvas& c, int x, int y, int rx, int ry, OleColor color, int thickness) {
    if (v == Variant::kGP) {
      gs.CircleGP(c.dc, x, y, rx, ry, color, thickness);
      return;
    }
    gs.DIB(c.dc, c.handle(), c.bitmap.width(), c.bitmap.height());
    gs.CircleDIB(x, y, rx, ry, color, thickness);
    gs.Array2Pic();
  }

  DefaultColorTable colors;
  RecordingMessageBox messages;
  LineGS gs;
};

// Pixels that are no longer `background`, everywhere or only `where`.
int CountChanged(const Canvas& c, Rgb background, const std::function<bool(int, int)>& where = {}) {
  int n = 0;
  for (int y = 0; y < c.bitmap.height(); ++y) {
    for (int x = 0; x < c.bitmap.width(); ++x) {
      if ((!where || where(x, y)) && c.at(x, y) != background) ++n;
    }
  }
  return n;
}

// Changed pixels more than rx across or ry down from (cx, cy).
int ChangedBeyond(const Canvas& c, int cx, int cy, int rx, int ry) {
  return CountChanged(c, kWhite, [&](int x, int y) { return std::abs(x - cx) > rx || std::abs(y - cy) > ry; });
}

// The GP variant's pixels, pinned here, are the DIB variant's too:
// GpAndDibVariantsPlaceIdenticalPixels.
TEST(LineGS, HorizontalLineBlendsTheRowsBesideItAndItsCaps) {
  const Rgb bg = MakeRgb(200, 100, 40);
  Canvas c(24, 20, bg);
  Drawer d;
  d.Line(Variant::kGP, c, 10, 10, 14, 10, kBlue);

  const Rgb above = MakeRgb(99, 49, 147);   // intensity 128
  const Rgb below = MakeRgb(100, 50, 146);  // intensity 127
  const Rgb faint = MakeRgb(199, 99, 39);   // intensity 0
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 24; ++x) {
      Rgb expected = bg;
      if (x >= 10 && x <= 14 && y == 10) expected = kBlue;
      if (x >= 10 && x <= 14 && y == 9) expected = above;
      if (x >= 10 && x <= 14 && y == 11) expected = below;
      if ((x == 9 && y == 9) || (x == 15 && y == 11)) expected = faint;
      if ((x == 9 || x == 15) && y == 10) expected = below;
      EXPECT_EQ(c.at(x, y), expected) << "at (" << x << ", " << y << ")";
    }
  }
}

TEST(LineGS, LineFromAPointToItselfChangesNothing) {
  for (Variant v : {Variant::kGP, Variant::kDIB}) {
    Canvas c(10, 10, kWhite);
    Drawer d;
    d.gs.SetRGBComponents(MakeRgb(255, 0, 0));
    d.Line(v, c, 4, 4, 4, 4, kBlue);
    EXPECT_EQ(CountChanged(c, kWhite), 0);
    EXPECT_EQ(d.gs.LineColor(), MakeRgb(255, 0, 0));  // not even the colour is taken
    EXPECT_TRUE(d.messages.shown.empty());
  }
}

TEST(LineGS, DiagonalLineHasItsCapsAboveAndBelow) {
  Canvas c(16, 16, kWhite);
  Drawer d;
  d.Line(Variant::kGP, c, 5, 5, 8, 8, kBlack);
  const Rgb cap = MakeRgb(127, 127, 127);
  EXPECT_EQ(c.at(5, 4), cap);
  EXPECT_EQ(c.at(8, 9), cap);
  EXPECT_EQ(c.at(4, 4), MakeRgb(169, 169, 169));  // e = 85
  EXPECT_EQ(c.at(4, 5), MakeRgb(84, 84, 84));     // left neighbour at 255 - 85
  for (int i = 5; i <= 8; ++i) EXPECT_EQ(c.at(i, i), kBlack);
}

TEST(LineGS, TranslatesColoursAndDrawsUntranslatableOnesBlack) {
  Canvas c(16, 8, MakeRgb(90, 90, 90));
  Drawer d;
  d.Line(Variant::kGP, c, 2, 2, 12, 2, 0x80000005u);  // window colour
  EXPECT_EQ(c.at(7, 2), kWhite);
  d.Line(Variant::kGP, c, 2, 5, 12, 5, 0x800000FFu);
  EXPECT_EQ(c.at(7, 5), kBlack);
  EXPECT_EQ(d.gs.LineColor(), kBlack);
}

TEST(LineGS, GpAndDibVariantsPlaceIdenticalPixels) {
  Canvas gp(64, 48, 0);
  Canvas dib(64, 48, 0);
  testing::PaintRamp(gp);
  testing::PaintRamp(dib);
  Drawer a;
  Drawer b;
  const struct { int x1, y1, x2, y2; OleColor color; } lines[] = {
      {3, 4, 60, 20, kBlue}, {60, 44, 2, 30, MakeRgb(255, 255, 0)}, {10, 2, 13, 46, kBlack},
      {50, 40, 40, 5, MakeRgb(0, 200, 90)}, {-5, -3, 70, 52, kWhite}, {63, 0, 0, 47, MakeRgb(128, 0, 128)},
      {10, 10, 14, 10, 0x80000005u}, {5, 5, 8, 8, 0x800000FFu}};
  for (const auto& l : lines) {
    a.Line(Variant::kGP, gp, l.x1, l.y1, l.x2, l.y2, l.color);
    b.Line(Variant::kDIB, dib, l.x1, l.y1, l.x2, l.y2, l.color);
  }
  const struct { int x, y, rx, ry, thickness; Rgb color; } ellipses[] = {
      {32, 24, 20, 12, 1, kWhite}, {10, 10, 15, 30, 0, kBlue}, {60, 40, 9, 9, 2, MakeRgb(255, 0, 0)},
      {20, 30, 0, 0, 1, kBlack}, {40, 20, 7, 0, 1, kBlack}};
  for (const auto& e : ellipses) {
    a.Circle(Variant::kGP, gp, e.x, e.y, e.rx, e.ry, e.color, e.thickness);
    b.Circle(Variant::kDIB, dib, e.x, e.y, e.rx, e.ry, e.color, e.thickness);
  }
  EXPECT_EQ(gp.bitmap.pixels(), dib.bitmap.pixels());
}

TEST(LineGS, DibPlotsOutsideTheArrayAreSkipped) {
  // A 10 x 10 copy of a 20 x 20 bitmap must look exactly like drawing on a
  // 10 x 10 bitmap: nothing may wrap into the next row or run past the end.
  Canvas big(20, 20, kWhite);
  Canvas small(10, 10, kWhite);
  Drawer d;
  d.gs.DIB(big.dc, big.handle(), 10, 10);
  d.gs.LineDIB(10, 2, 10, 7, kBlack);  // on x = DIBWidth
  d.gs.LineDIB(2, 10, 7, 10, kBlack);  // on y = DIBHeight
  d.gs.LineDIB(-3, 5, 14, 6, kBlue);
  d.gs.CircleDIB(8, 8, 6, 4, kBlack, 1);
  d.gs.Array2Pic();
  Drawer g;
  g.gs.LineGP(small.dc, 10, 2, 10, 7, kBlack);
  g.gs.LineGP(small.dc, 2, 10, 7, 10, kBlack);
  g.gs.LineGP(small.dc, -3, 5, 14, 6, kBlue);
  g.gs.CircleGP(small.dc, 8, 8, 6, 4, kBlack, 1);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const Rgb expected = x < 10 && y < 10 ? small.at(x, y) : kWhite;
      EXPECT_EQ(big.at(x, y), expected) << "at (" << x << ", " << y << ")";
    }
  }
  EXPECT_NE(big.at(9, 4), kWhite);  // the neighbours inside the array were drawn

  // An arc across the right and bottom edges of the array.
  Canvas arc(20, 20, kWhite);
  d.gs.DIB(arc.dc, arc.handle(), 10, 10);
  d.gs.ArcDIB(9, 9, 4, 4, 0, 360, kBlack, 1);
  d.gs.Array2Pic();
  EXPECT_NE(arc.at(5, 9), kWhite);
  EXPECT_EQ(CountChanged(arc, kWhite, [](int x, int y) { return x < 4 || x >= 10 || y >= 10; }), 0);
}

TEST(LineGS, LineAndCircleWithoutDibShowTheMessageAndDrawNothing) {
  Canvas c(12, 12, kWhite);
  Drawer d;
  d.gs.LineDIB(1, 1, 8, 8, kBlack);
  d.gs.CircleDIB(5, 5, 3, 3, kBlack, 1);
  d.gs.ArcDIB(5, 5, 3, 3, 0, 90, kBlack, 1);
  ASSERT_EQ(d.messages.shown.size(), 2u);
  EXPECT_EQ(d.messages.shown[0].text, kLineDibMessage);
  EXPECT_EQ(d.messages.shown[1].text, kCircleDibMessage);
  for (const auto& m : d.messages.shown) {
    EXPECT_TRUE(m.title.empty());
    EXPECT_EQ(m.style, kMbOk);
  }
  d.gs.Array2Pic();
  EXPECT_EQ(CountChanged(c, kWhite), 0);

  // Built without a message box, the same calls only draw nothing.
  LineGS quiet(d.colors);
  quiet.LineDIB(1, 1, 8, 8, kBlack);
  quiet.CircleDIB(5, 5, 3, 3, kBlack, 1);
  quiet.Array2Pic();
  EXPECT_EQ(CountChanged(c, kWhite), 0);
}

TEST(LineGS, DibWithNoUsableBitmapLeavesTheMethodsNotReady) {
  Canvas c(8, 8, MakeRgb(10, 20, 30));
  Drawer d;
  // The last is not the selected bitmap: unreadable.
  const struct { int w, h, handleOffset; } bad[] = {
      {0, 8, 0}, {8, -2, 0}, {std::numeric_limits<std::int32_t>::max(), 1 << 20, 0}, {8, 8, 1}};
  for (const auto& b : bad) {
    d.gs.DIB(c.dc, c.handle() + b.handleOffset, b.w, b.h);
    EXPECT_FALSE(d.gs.DIBReady()) << b.w << "x" << b.h;
  }
  d.gs.LineDIB(0, 0, 7, 7, kWhite);
  d.gs.Array2Pic();  // must not write zeros back
  EXPECT_EQ(d.messages.shown.size(), 1u);
  EXPECT_EQ(CountChanged(c, MakeRgb(10, 20, 30)), 0);

  d.gs.DIB(c.dc, c.handle(), 8, 8);  // a good DIB after failed ones works
  EXPECT_TRUE(d.gs.DIBReady());
  d.gs.LineDIB(0, 0, 7, 7, kWhite);
  d.gs.Array2Pic();
  EXPECT_EQ(c.at(3, 3), kWhite);
}

TEST(LineGS, DibDrawingKeepsTheFourthByteOfEachPixel) {
  Canvas c(8, 8, kWhite);
  for (raster::Pixel& p : c.bitmap.pixels()) p |= 0x5A000000u;
  Drawer d;
  d.gs.DIB(c.dc, c.handle(), 8, 8);
  d.gs.LineDIB(0, 0, 7, 0, kBlue);
  d.gs.CircleDIB(4, 5, 3, 2, kBlack, 1);
  d.gs.Array2Pic();
  for (raster::Pixel p : c.bitmap.pixels()) EXPECT_EQ(p >> 24, 0x5Au);
  EXPECT_EQ(c.at(3, 0), kBlue);
  EXPECT_NE(c.at(1, 5), kWhite);
}

// Counts the write-backs that pass through it.
struct CountingDc : testing::TextlessDc {
  using TextlessDc::TextlessDc;
  int setDIBits(BitmapHandle bitmap, int start, int lines, const DibHeader& header, const void* bits) override {
    ++writes;
    return TextlessDc::setDIBits(bitmap, start, lines, header, bits);
  }
  int writes = 0;
};

// Array2Pic ends the series: the methods are not ready after it, and what
// they do then is LineAndCircleWithoutDibShowTheMessageAndDrawNothing's.
TEST(LineGS, ArrayToPictureWritesThroughTheLastContextGivenAndEndsTheSeries) {
  Canvas c(16, 16, kWhite);
  CountingDc first(c.bitmap);
  CountingDc second(c.bitmap);
  Drawer d;
  d.gs.DIB(first, c.handle(), 16, 16);
  d.gs.LineDIB(1, 8, 14, 8, kBlack);
  d.gs.LineGP(second, 1, 2, 14, 2, kBlue);
  d.gs.Array2Pic();
  EXPECT_FALSE(d.gs.DIBReady());
  d.gs.Array2Pic();  // nothing more to write
  EXPECT_EQ(first.writes, 0);
  EXPECT_EQ(second.writes, 1);
  EXPECT_EQ(c.at(7, 8), kBlack);
}

// A context whose pixel reads fail, as GetPixel does off the surface.
struct FailingReadDc : testing::TextlessDc {
  using TextlessDc::TextlessDc;
  Rgb getPixel(int, int) const override { return kInvalidColor; }
};

TEST(LineGS, FailedPixelReadsBlendAgainstWhite) {
  Canvas c(20, 20, kBlack);
  FailingReadDc dc(c.bitmap);
  Drawer d;
  d.gs.LineGP(dc, 10, 10, 14, 10, kBlack);
  EXPECT_EQ(c.at(9, 9), MakeRgb(254, 254, 254));   // intensity 0 over "white"
  EXPECT_EQ(c.at(12, 9), MakeRgb(126, 126, 126));  // intensity 128
  EXPECT_EQ(c.at(12, 10), kBlack);
}

// Quadrants around the centre of a 41 x 41 canvas, away from the axes.
enum Quadrant { kUpperLeft = 1, kUpperRight = 2, kLowerLeft = 4, kLowerRight = 8 };

// More than `atLeast` changed pixels in each of `inked`, none in the others.
void ExpectInkOnlyIn(const Canvas& c, int inked, int atLeast) {
  for (int q = 0; q < 4; ++q) {
    const bool left = q % 2 == 0, upper = q < 2;
    const int n = CountChanged(c, kWhite, [&](int x, int y) {
      return (left ? x < 18 : x > 22) && (upper ? y < 18 : y > 22);
    });
    if (inked >> q & 1) {
      EXPECT_GT(n, atLeast) << "quadrant " << q;
    } else {
      EXPECT_EQ(n, 0) << "quadrant " << q;
    }
  }
}

// One arc around the centre of a 41 x 41 canvas through each variant.
struct ArcPair {
  ArcPair(int rx, int ry, int start, int stop, int thickness) {
    d.gs.ArcGP(gp.dc, 20, 20, rx, ry, start, stop, kBlack, thickness);
    d.gs.DIB(dib.dc, dib.handle(), 41, 41);
    d.gs.ArcDIB(20, 20, rx, ry, start, stop, kBlack, thickness);
    d.gs.Array2Pic();
  }
  Canvas gp{41, 41, kWhite};
  Canvas dib{41, 41, kWhite};
  Drawer d;
};

TEST(LineGS, ArcAnglesStartAtTheTopForGpAndAtTheBottomForDibAndRunThroughZero) {
  const ArcPair arcs(15, 12, 180, 270, 1);
  ExpectInkOnlyIn(arcs.gp, kLowerLeft, 10);
  ExpectInkOnlyIn(arcs.dib, kUpperLeft, 10);
  // Both run from one axis point to the other: bottom or top, then left.
  EXPECT_NE(arcs.gp.at(20, 32), kWhite);
  EXPECT_NE(arcs.dib.at(20, 8), kWhite);
  EXPECT_NE(arcs.gp.at(5, 20), kWhite);
  EXPECT_NE(arcs.dib.at(5, 20), kWhite);
  // A start above the stop runs through zero.
  const ArcPair through(15, 15, 270, 90, 0);
  ExpectInkOnlyIn(through.gp, kUpperLeft | kUpperRight, 5);
  ExpectInkOnlyIn(through.dib, kLowerLeft | kLowerRight, 5);
}

TEST(LineGS, ArcFromAnAngleToItselfDrawsOnePoint) {
  Canvas c(41, 41, kWhite);
  Drawer d;
  d.gs.ArcGP(c.dc, 20, 20, 15, 15, 90, 90, kBlack, 1);
  const int changed = CountChanged(c, kWhite);
  EXPECT_GE(changed, 1);
  EXPECT_LE(changed, 4);
  EXPECT_EQ(CountChanged(c, kWhite, [](int x, int y) { return x >= 34 && std::abs(y - 20) <= 1; }), changed);
}

TEST(LineGS, EllipseReachesItsFourAxisPointsAndNoFurtherAndZeroRadiusInksTheCentre) {
  Canvas dot(21, 21, kWhite);
  Drawer d;
  d.gs.CircleGP(dot.dc, 10, 10, 0, 0, kBlue, 1);
  EXPECT_EQ(dot.at(10, 10), kBlue);
  EXPECT_EQ(ChangedBeyond(dot, 10, 10, 1, 1), 0);
  Canvas c(41, 41, kWhite);
  d.Circle(Variant::kDIB, c, 20, 20, 12, 7, kBlack, 1);
  for (Point p : {Point{32, 20}, Point{8, 20}, Point{20, 13}, Point{20, 27}}) {
    EXPECT_NE(c.at(p.x, p.y), kWhite) << p.x << "," << p.y;
  }
  EXPECT_EQ(c.at(20, 20), kWhite);
  EXPECT_EQ(ChangedBeyond(c, 20, 20, 13, 8), 0);
}

TEST(LineGS, PositionsBeyondThirtyTwoBitsRaiseExceptInArcDib) {
  Canvas c(8, 8, kWhite);
  Drawer d;
  const std::int32_t edge = std::numeric_limits<std::int32_t>::max() - 3;
  EXPECT_THROW(d.gs.CircleGP(c.dc, edge, 0, 100, 100, kBlack, 1), OverflowError);
  EXPECT_THROW(d.gs.ArcGP(c.dc, edge, 0, 100, 100, 0, 180, kBlack, 1), OverflowError);
  d.gs.DIB(c.dc, c.handle(), 8, 8);
  EXPECT_NO_THROW(d.gs.ArcDIB(edge, 0, 100, 100, 0, 360, kBlack, 1));
  EXPECT_THROW(d.gs.CircleDIB(edge, 0, 100, 100, kBlack, 1), OverflowError);
  d.gs.ArcDIB(4, 4, 3, 3, 0, 360, kBlack, 1);  // the series still works
  d.gs.Array2Pic();
  EXPECT_NE(c.at(4, 1), kWhite);
}

}  // namespace
}  // namespace glavo
