#include "raster/raster_dib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>


namespace glavo::raster {
namespace {

Bitmap Numbered(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.at(x, y) = static_cast<Pixel>(0x01000000 * (y + 1) + x + 1);
  return b;
}

// Three-pixel 24-bit rows padded to 12 bytes are DeviceRowsBottomUpLandUpsideDown's.
TEST(RasterDib, RowsArePaddedToFourBytes) {
  EXPECT_EQ(DibStride(4, 24), 12);
  EXPECT_EQ(DibStride(5, 24), 16);
}

// A read copies the overlap and zeroes the rest; a write puts every pixel
// of the overlap back and counts the scans given.
TEST(RasterDib, ReadsAndWritesTheOverlapInTheHeadersRowOrder) {
  Bitmap b = Numbered(5, 4);
  std::vector<std::uint32_t> buf(7 * 6, 0xDEADBEEF), expected;
  const DibHeader h{7, -6, 32};
  EXPECT_EQ(ReadDibRows(b, 0, 6, h, buf.data()), 4);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 7; ++x) expected.push_back(b.contains(x, y) ? b.at(x, y) : 0u);
  EXPECT_EQ(buf, expected);
  std::vector<Pixel> flipped = b.pixels();
  for (auto& p : flipped) p ^= 0x00FF00FF;
  for (auto& p : buf) p ^= 0x00FF00FF;
  EXPECT_EQ(WriteDibRows(b, 0, 6, h, buf.data()), 6);
  EXPECT_EQ(b.pixels(), flipped);
  // Bottom-up scans count from the bottom row.
  const Bitmap tall = Numbered(3, 4);
  EXPECT_EQ(ReadDibRows(tall, 1, 2, DibHeader{3, 4, 32}, buf.data()), 2);
  EXPECT_EQ(buf[0], tall.at(0, 2));  // scan 1 = second row from the bottom
  EXPECT_EQ(buf[3], tall.at(0, 1));
  // A bottom-up DIB taller than the bitmap lies over it from the top:
  // memory starts with the DIB's bottom rows, which are below the bitmap.
  const Bitmap flat = Numbered(3, 2);
  std::fill(buf.begin(), buf.end(), 0xDEADBEEF);
  EXPECT_EQ(ReadDibRows(flat, 0, 4, DibHeader{3, 4, 32}, buf.data()), 2);
  EXPECT_EQ(buf[0], 0u);
  EXPECT_EQ(buf[3], 0u);
  EXPECT_EQ(buf[6], flat.at(0, 1));
  EXPECT_EQ(buf[9], flat.at(0, 0));
}

TEST(RasterDib, ScanCountsFollowGdiQuirks) {
  Bitmap b = Numbered(2, 2);
  std::vector<std::uint32_t> buf(16, 7);
  // A start beyond the DIB reads nothing yet answers 1.
  EXPECT_EQ(ReadDibRows(b, 2, 2, DibHeader{2, 2, 32}, buf.data()), 1);
  EXPECT_EQ(buf[0], 7u);
  // Writing from beyond a bottom-up DIB counts the lines, writes nothing.
  EXPECT_EQ(WriteDibRows(b, 5, 3, DibHeader{2, 2, 32}, buf.data()), 3);
  // A bottom-up write is limited to the DIB's rows, a top-down one is not.
  EXPECT_EQ(WriteDibRows(b, 1, 5, DibHeader{2, 2, 32}, buf.data()), 1);
  EXPECT_EQ(b.at(0, 0), 7u);  // scan 1 of a 2-row bottom-up DIB is the top row
  EXPECT_EQ(WriteDibRows(b, 0, 5, DibHeader{2, -2, 32}, buf.data()), 5);
}

TEST(RasterDib, UnusableArgumentsTransferNothing) {
  Bitmap b = Numbered(2, 2);
  std::vector<std::uint32_t> buf(16, 7);
  EXPECT_EQ(ReadDibRows(b, 0, 2, DibHeader{2, 2, 24}, buf.data()), 0);
  EXPECT_EQ(ReadDibRows(b, 0, 2, DibHeader{0, 2, 32}, buf.data()), 0);
  EXPECT_EQ(ReadDibRows(b, 0, 2, DibHeader{2, 0, 32}, buf.data()), 0);
  EXPECT_EQ(ReadDibRows(b, 0, 2, DibHeader{2, 2, 32}, nullptr), 0);
  EXPECT_EQ(ReadDibRows(b, -1, 2, DibHeader{2, 2, 32}, buf.data()), 0);
  EXPECT_EQ(ReadDibRows(b, 0, 0, DibHeader{2, 2, 32}, buf.data()), 0);
  EXPECT_EQ(WriteDibRows(b, 0, -3, DibHeader{2, 2, 32}, buf.data()), 0);
  EXPECT_EQ(b.pixels(), Numbered(2, 2).pixels());
  EXPECT_EQ(buf[0], 7u);
}

// The first row in memory is the bottom one unless the height is
// negative; bytes are blue, green, red.
TEST(RasterDib, DeviceRowsBottomUpLandUpsideDown) {
  constexpr Pixel w = 0x00FFFFFF, a = 0x030201, b = 0x060504, c = 0x090807, A = 0x1E140A, B = 0x3C3228, C = 0x5A5046;
  Bitmap bitmap(6, 5, w);
  const std::uint8_t rows[2][12] = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0},
                                    {10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 0, 0}};
  EXPECT_EQ(DrawDibRows(bitmap, 1, 1, 3, 2, 0, 0, 0, 2, rows, DibHeader{3, 2, 24}), 2);
  DrawDibRows(bitmap, 2, 3, 3, 2, 0, 0, 0, 2, rows, DibHeader{3, -2, 24});
  EXPECT_EQ(bitmap.pixels(), (std::vector<Pixel>{w, w, w, w, w, w,
                                                 w, A, B, C, w, w,
                                                 w, a, b, c, w, w,
                                                 w, w, a, b, c, w,
                                                 w, w, A, B, C, w}));
}

// Clipped at the surface's edges; a source corner partly outside the DIB
// only moves what exists.
TEST(RasterDib, DeviceRowsClipAtEveryEdge) {
  Bitmap b(3, 2, 0x00FFFFFF);
  const std::uint32_t row[4] = {0x11, 0x22, 0x33, 0x44};
  DrawDibRows(b, -1, 1, 4, 1, 0, 0, 0, 1, row, DibHeader{4, 1, 32});
  DrawDibRows(b, 0, 0, 3, 1, 2, 0, 0, 1, row, DibHeader{4, 1, 32});
  EXPECT_EQ(DrawDibRows(b, 0, 0, 3, 1, 0, 0, 0, 1, row, DibHeader{4, 1, 16}), 0);
  DrawDibRows(b, 2000000000, -2000000000, 2000000000, 2000000000, 0, 0, 0, 1, row, DibHeader{4, 1, 32});
  EXPECT_EQ(b.pixels(), (std::vector<Pixel>{0x33, 0x44, 0x00FFFFFF, 0x22, 0x33, 0x44}));
}

// Wide rows take the four-pixel shuffle, their tails and narrow rows the
// byte path; every width, offset and clip gives the bytes as they are.
TEST(RasterDib, TwentyFourBitRowsOfEveryWidthKeepTheirBytes) {
  std::uint32_t seed = 5;
  for (int width = 1; width <= 40; ++width) {
    const int stride = DibStride(width, 24);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(stride));
    for (auto& b : row) b = static_cast<std::uint8_t>(seed = seed * 1103515245u + 12345u, seed >> 16);
    for (int x : {0, -2, 3}) {
      Bitmap b(36, 1, 0xFF000000u);
      DrawDibRows(b, x, 0, width, 1, 0, 0, 0, 1, row.data(), DibHeader{width, 1, 24});
      for (int i = 0; i < width; ++i) {
        if (!b.contains(x + i, 0)) continue;
        const std::uint8_t* p = row.data() + 3 * i;
        ASSERT_EQ(b.at(x + i, 0), static_cast<Pixel>(p[0] | p[1] << 8 | p[2] << 16)) << width << " " << x << " " << i;
      }
    }
  }
}

}  // namespace
}  // namespace glavo::raster
