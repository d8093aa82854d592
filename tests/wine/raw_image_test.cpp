#include "scene/raw_image.h"

#include <gtest/gtest.h>

#include <fstream>

namespace glavo::scene {
namespace {

std::string TempPath(const char* name) { return ::testing::TempDir() + name; }

// The round trip is Win32Gdi's and ActiveXHost's: the Windows programs
// write, these suites read and compare every pixel.
TEST(RawImage, RefusesToWriteAnInconsistentImage) {
  EXPECT_FALSE(WriteRawImage(TempPath("bad.bgra"), RawImage{2, 2, {1, 2, 3}}));
  EXPECT_FALSE(WriteRawImage(TempPath("bad.bgra"), RawImage{0, 0, {}}));
  EXPECT_FALSE(WriteRawImage("/nonexistent-dir/x.bgra", RawImage{1, 1, {0}}));
}

TEST(RawImage, ReportsBadFilesAndLeavesTheImageAlone) {
  RawImage image{1, 1, {42}};
  std::string error;
  EXPECT_FALSE(ReadRawImage(TempPath("missing.bgra"), image, error));
  EXPECT_NE(error.find("cannot open"), std::string::npos);

  const std::string wrongTag = TempPath("tag.bgra");
  std::ofstream(wrongTag, std::ios::binary) << "PNGPNGPN\x01\0\0\0\x01\0\0\0abcd";
  EXPECT_FALSE(ReadRawImage(wrongTag, image, error));
  EXPECT_NE(error.find("not a raw pixel file"), std::string::npos);

  // A 4 x 4 image with 15 pixels and a half.
  const std::string shortFile = TempPath("short.bgra");
  std::ofstream(shortFile, std::ios::binary)
      << std::string("GLVOBGRA\x04\0\0\0\x04\0\0\0", 16) << std::string(16 * 4 - 2, '\x07');
  EXPECT_FALSE(ReadRawImage(shortFile, image, error));
  EXPECT_NE(error.find("shorter"), std::string::npos);

  const std::string huge = TempPath("huge.bgra");
  std::ofstream(huge, std::ios::binary).write("GLVOBGRA\xFF\xFF\xFF\x7F\x01\0\0\0", 16);
  EXPECT_FALSE(ReadRawImage(huge, image, error));
  EXPECT_NE(error.find("bad size"), std::string::npos);

  EXPECT_EQ(image.width, 1);
  EXPECT_EQ(image.pixels, std::vector<std::uint32_t>{42});
}

}  // namespace
}  // namespace glavo::scene
