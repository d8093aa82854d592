#include "platform/sim/soft_dc.h"

#include <gtest/gtest.h>

#include <memory>

#include "raster_art.h"

namespace glavo::sim {
namespace {

using raster::testing::Art;
using raster::testing::Rows;
using raster::testing::WhiteBitmap;

TEST(SoftDcDefaults, FreshContextDrawsLikeANewMemoryDcAndRefusesInvalidModes) {
  SoftGdi gdi;
  raster::Bitmap b(6, 5, 0x00FF0000);  // red
  SoftDc dc(b, gdi);
  dc.rectangle(0, 0, 5, 4);
  EXPECT_EQ(dc.getPixel(0, 0), 0u);         // black pen
  EXPECT_EQ(dc.getPixel(2, 2), 0xFFFFFFu);  // white brush; the box's extent is RasterShapes'
  EXPECT_EQ(dc.setStretchBltMode(kStretchColorOnColor), 1);
  EXPECT_EQ(dc.setGraphicsMode(kGmAdvanced), kGmCompatible);
  EXPECT_EQ(dc.setGraphicsMode(7), 0);  // invalid modes are refused
  EXPECT_EQ(dc.setStretchBltMode(0), 0);
  EXPECT_EQ(dc.setStretchBltMode(5), 0);
  EXPECT_EQ(dc.stretchBltMode(), kStretchColorOnColor);
  EXPECT_EQ(dc.setBkMode(kBkTransparent), kBkOpaque);
  EXPECT_EQ(dc.setBkMode(3), 0);
}

TEST(SoftDcPixels, OutsideReadsInvalidAndWritesNothing) {
  SoftGdi gdi;
  raster::Bitmap b = WhiteBitmap(3, 2);
  SoftDc dc(b, gdi);
  dc.setPixel(1, 1, 0xFF000000u | 0x0000FF);  // the high byte is not a colour
  EXPECT_EQ(dc.getPixel(1, 1), 0x0000FFu);
  EXPECT_EQ(b.at(1, 1) >> 24, 0u);  // GDI leaves alpha at 0
  for (Point p : {Point{-1, 0}, Point{3, 0}, Point{3, 1}, Point{0, 2}}) {
    dc.setPixel(p.x, p.y, 0);
    EXPECT_EQ(dc.getPixel(p.x, p.y), kInvalidColor) << p.x << "," << p.y;
  }
  EXPECT_EQ(Art(b), Rows({"...", ".?."}));
}

TEST(SoftDcPixels, FollowsTheBitmapWhenItIsResized) {
  SoftGdi gdi;
  raster::Bitmap b = WhiteBitmap(2, 2);
  SoftDc dc(b, gdi);
  b.resize(5, 3, 0);
  EXPECT_EQ(dc.width(), 5);
  EXPECT_EQ(dc.height(), 3);
  dc.setPixel(4, 2, 0xFFFFFF);
  EXPECT_EQ(dc.getPixel(4, 2), 0xFFFFFFu);
}

TEST(SoftDcPen, PenWidthBelowOneDrawsOnePixel) {
  SoftGdi gdi;
  raster::Bitmap thin = WhiteBitmap(6, 3), zero = WhiteBitmap(6, 3);
  SoftDc a(thin, gdi), b(zero, gdi);
  a.setPen(0, 1);
  b.setPen(0, -4);
  for (SoftDc* dc : {&a, &b}) {
    dc->moveTo(0, 1);
    dc->lineTo(5, 1);
  }
  EXPECT_EQ(Art(thin), Rows({"......",
                             "#####.",
                             "......"}));
  EXPECT_EQ(Art(zero), Art(thin));
}

// Every created font counts until it is deleted, two of one description
// too, or the leak tests that count them could not fail. A selected font
// cannot be deleted until every context that selected it lets go, by
// selecting another or by going away.
TEST(SoftDcFonts, FontsCountUntilDeletedOnceNoContextHoldsThem) {
  SoftGdi gdi;
  raster::Bitmap b(4, 4);
  auto dc = std::make_unique<SoftDc>(b, gdi);
  const FontHandle font = dc->createFont(LogFont{});
  const FontHandle twin = dc->createFont(LogFont{});
  EXPECT_NE(font, twin);
  EXPECT_EQ(gdi.liveFonts(), 2);
  EXPECT_TRUE(dc->deleteFont(twin));
  EXPECT_FALSE(dc->deleteFont(twin));  // already gone
  EXPECT_EQ(dc->selectFont(font), gdi.stockFont());
  EXPECT_FALSE(dc->deleteFont(font));
  EXPECT_EQ(gdi.liveFonts(), 1);
  EXPECT_EQ(dc->selectFont(gdi.stockFont()), font);
  EXPECT_TRUE(dc->deleteFont(font));
  // A font selected into a context that goes away becomes deletable.
  const FontHandle other = dc->createFont(LogFont{});
  dc->selectFont(other);
  dc.reset();
  EXPECT_TRUE(gdi.deleteFont(other));
  EXPECT_EQ(gdi.liveFonts(), 0);
  // Selected in two contexts, both must let go.
  raster::Bitmap b2(2, 2);
  SoftDc first(b, gdi), second(b2, gdi);
  const FontHandle shared = first.createFont(LogFont{});
  first.selectFont(shared);
  second.selectFont(shared);
  first.selectFont(gdi.stockFont());
  EXPECT_FALSE(gdi.deleteFont(shared));
  second.selectFont(gdi.stockFont());
  EXPECT_TRUE(gdi.deleteFont(shared));
}

TEST(SoftDcFonts, BogusHandlesAreRefusedAndTheStockFontStays) {
  SoftGdi gdi;
  raster::Bitmap b(2, 2);
  SoftDc dc(b, gdi);
  EXPECT_EQ(dc.selectFont(0), 0u);
  EXPECT_EQ(dc.selectFont(12345), 0u);
  EXPECT_EQ(dc.selectedFont(), gdi.stockFont());
  EXPECT_FALSE(dc.deleteFont(0));
  EXPECT_FALSE(dc.deleteFont(12345));
  EXPECT_TRUE(dc.deleteFont(gdi.stockFont()));  // succeeds, does nothing
  EXPECT_TRUE(gdi.isFont(gdi.stockFont()));
  EXPECT_EQ(gdi.liveFonts(), 0);
}

TEST(SoftDcText, TextGoesThroughTheSelectedFont) {
  SoftGdi gdi;
  raster::Bitmap b = WhiteBitmap(80, 30);
  SoftDc dc(b, gdi);
  LogFont lf;
  lf.height = -20;
  const FontHandle big = dc.createFont(lf);
  const Size stock = dc.textExtent(u"Hello");
  dc.selectFont(big);
  const Size large = dc.textExtent(u"Hello");
  EXPECT_GT(stock.cx, 0);
  EXPECT_NE(large.cy, stock.cy);
  Rect r{2, 2, 78, 28};
  dc.setBkMode(kBkTransparent);
  EXPECT_GT(dc.drawText(u"Hello", r, dt::kLeft | dt::kSingleLine), 0);
  EXPECT_NE(Art(b).find('#'), std::string::npos);  // black text
}

}  // namespace
}  // namespace glavo::sim
