#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "raster/bitmap.h"
#include "raster/png_file.h"

namespace glavo::raster {
namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("glavo_png_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + name))
      .string();
}

TEST(SurfacePng, RoundTripKeepsColourAndAlpha) {
  Bitmap b(3, 2);
  b.at(0, 0) = 0xFF102030;
  b.at(1, 0) = 0x80FF0000;
  b.at(2, 1) = 0x00000000;
  b.at(0, 1) = 0xFFFFFFFF;
  const std::string path = TempPath("alpha.png");
  ASSERT_TRUE(SavePng(b, path, true));
  Bitmap loaded;
  ASSERT_TRUE(LoadPng(path, loaded));
  std::remove(path.c_str());
  ASSERT_EQ(loaded.width(), 3);
  ASSERT_EQ(loaded.height(), 2);
  EXPECT_EQ(loaded.at(0, 0), 0xFF102030u);
  EXPECT_EQ(loaded.at(0, 1), 0xFFFFFFFFu);
  EXPECT_EQ(loaded.at(1, 0) >> 24, 0x80u);
  EXPECT_EQ(loaded.at(2, 1) >> 24, 0u);
}

TEST(SurfacePng, WithoutAlphaEveryPixelIsOpaque) {
  // GDI drawing leaves alpha at 0; a screenshot must still be visible.
  Bitmap b(2, 1, 0x00336699);
  const std::string path = TempPath("opaque.png");
  ASSERT_TRUE(SavePng(b, path, false));
  Bitmap loaded;
  ASSERT_TRUE(LoadPng(path, loaded));
  std::remove(path.c_str());
  EXPECT_EQ(loaded.at(1, 0), 0xFF336699u);
  EXPECT_EQ(b.at(1, 0), 0x00336699u);  // the surface itself is unchanged
}

TEST(SurfacePng, FailuresAreReportedNotThrown) {
  Bitmap loaded(1, 1, 0x12345678);
  EXPECT_FALSE(LoadPng(TempPath("missing.png"), loaded));
  EXPECT_EQ(loaded.at(0, 0), 0x12345678u);
  EXPECT_FALSE(SavePng(Bitmap(), TempPath("empty.png"), true));
  EXPECT_FALSE(SavePng(Bitmap(1, 1), "/nonexistent-dir/x.png", true));
  const std::string path = TempPath("garbage.png");
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fputs("not a png at all", f);
    std::fclose(f);
  }
  EXPECT_FALSE(LoadPng(path, loaded));
  std::remove(path.c_str());
}

}  // namespace
}  // namespace glavo::raster
