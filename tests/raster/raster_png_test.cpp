#include <gtest/gtest.h>

#include <string>

#include "raster/bitmap.h"
#include "raster/png_file.h"
#include "scratch_dir.h"

namespace glavo::raster {
namespace {

using test_files::ScratchDir;

// Saved without alpha every pixel is opaque: GDI drawing leaves alpha at 0,
// and a screenshot must still be visible.
TEST(SurfacePng, RoundTripKeepsColourAndAlphaOrMakesEveryPixelOpaque) {
  Bitmap b(3, 2);
  b.at(0, 0) = 0xFF102030;
  b.at(1, 0) = 0x80FF0000;
  b.at(2, 1) = 0x00000000;
  b.at(0, 1) = 0xFFFFFFFF;
  const ScratchDir dir;
  ASSERT_TRUE(SavePng(b, dir.at("alpha.png").string(), true));
  ASSERT_TRUE(SavePng(b, dir.at("opaque.png").string(), false));
  Bitmap loaded;
  ASSERT_TRUE(LoadPng(dir.at("alpha.png").string(), loaded));
  EXPECT_EQ(loaded.width(), 3);
  EXPECT_EQ(loaded.pixels(), b.pixels());
  std::vector<Pixel> opaque = b.pixels();
  for (Pixel& p : opaque) p |= 0xFF000000u;
  ASSERT_TRUE(LoadPng(dir.at("opaque.png").string(), loaded));
  EXPECT_EQ(loaded.pixels(), opaque);
  EXPECT_EQ(b.at(1, 0), 0x80FF0000u);  // the surface itself is unchanged
}

TEST(SurfacePng, FailuresAreReportedNotThrown) {
  const ScratchDir dir;
  Bitmap loaded(1, 1, 0x12345678);
  EXPECT_FALSE(LoadPng(dir.at("missing.png").string(), loaded));
  EXPECT_EQ(loaded.at(0, 0), 0x12345678u);
  EXPECT_FALSE(SavePng(Bitmap(), dir.at("empty.png").string(), true));
  EXPECT_FALSE(SavePng(Bitmap(1, 1), "/nonexistent-dir/x.png", true));
  dir.put("garbage.png", "not a png at all");
  EXPECT_FALSE(LoadPng(dir.at("garbage.png").string(), loaded));
}

}  // namespace
}  // namespace glavo::raster
