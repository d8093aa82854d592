#include "scene/raw_image.h"

#include <gtest/gtest.h>

namespace glavo::scene {
namespace {

std::string TempPath(const char* name) { return ::testing::TempDir() + name; }

// The round trip is Win32Gdi's and ActiveXHost's: the Windows programs
// write, these suites read and compare every pixel, and fail on a file they
// cannot read. An empty image would compare equal to anything: the writer
// refuses it.
TEST(RawImage, RefusesToWriteAnInconsistentImage) {
  EXPECT_FALSE(WriteRawImage(TempPath("bad.bgra"), RawImage{2, 2, {1, 2, 3}}));
  EXPECT_FALSE(WriteRawImage(TempPath("bad.bgra"), RawImage{0, 0, {}}));
  EXPECT_FALSE(WriteRawImage("/nonexistent-dir/x.bgra", RawImage{1, 1, {0}}));
}

}  // namespace
}  // namespace glavo::scene
