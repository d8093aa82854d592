// The demonstration scene drawn through real GDI (each Windows build under
// Wine) and through the software host, compared tile by tile.
#include <gtest/gtest.h>

#include <string>

#include "image_compare.h"
#include "platform/sim/soft_dc.h"
#include "platform/sim/soft_gdi.h"
#include "raster/bitmap.h"
#include "scene/palette.h"
#include "scene/raw_image.h"
#include "scene/scene.h"
#include "scene/tile_table.h"
#include "wine_runner.h"

namespace glavo::wine {
namespace {

// Outputs of one build go to a folder of their own: both may run at once.
std::string OutDir(const Bitness& b) {
  const std::string dir = std::string(GLAVO_TEST_OUTPUT_DIR) + "/scene-" + b.name;
  RunCommand("mkdir -p " + ShellQuote(dir));
  return dir;
}

// Where a text tile may differ: font hinting and the font itself differ
// between the system's font engine and ours, so only placement is held.
constexpr int kTextEdgeTolerance = 6;
constexpr double kTextInkTolerance = 0.25;
constexpr int kAlignedEdgeTolerance = 3;
constexpr double kRaggedFraction = 0.10;
constexpr int kBlendTolerance = 2;

scene::RawImage RenderSoft() {
  const Size size = scene::CanvasSize();
  raster::Bitmap bitmap(size.cx, size.cy);
  sim::SoftGdi gdi;
  sim::SoftDc dc(bitmap, gdi);
  scene::DrawScene(dc);
  return scene::RawImage{size.cx, size.cy, bitmap.pixels()};
}

TileDiff CompareTile(const scene::Primitive& primitive, const scene::RawImage& wine,
                     const scene::RawImage& soft, const Rect& area) {
  switch (primitive.match) {
    case scene::Match::kExact:
      return CompareColor(wine, soft, area, 0);
    case scene::Match::kGeometry:
      return CompareGeometry(wine, soft, area);
    case scene::Match::kColor:
      return CompareColor(wine, soft, area, kBlendTolerance);
    case scene::Match::kInk:
      return CompareInk(wine, soft, area, scene::palette::kCard, kTextEdgeTolerance,
                         kTextInkTolerance);
    case scene::Match::kParagraph:
      return CompareParagraph(wine, soft, area, scene::palette::kCard, primitive.textAlign,
                              kAlignedEdgeTolerance, kRaggedFraction);
  }
  return {};
}

// Runs `b`'s glavo-scene.exe under Wine; returns an error message, or ""
// with the rendering and its tile table filled in.
std::string RenderUnderWine(const Bitness& b, const std::string& outDir, scene::RawImage& image,
                            std::string& table) {
  const std::string exe = b.bin("glavo-scene.exe");
  if (std::string missing = b.Missing(exe); !missing.empty()) return missing;
  const std::string raw = outDir + "/scene-wine.bgra";
  const std::string tablePath = outDir + "/scene-wine-tiles.txt";
  std::remove(raw.c_str());
  const WineResult run =
      RunUnderWine(b, exe, {raw, tablePath}, b.Prefix(GLAVO_WINE_PREFIX), 300);
  if (run.exitCode != 0) {
    return "glavo-scene.exe (" + b.name + ") failed under Wine (" + std::to_string(run.exitCode) +
           "):\n" + run.output;
  }
  std::string error;
  if (!scene::ReadRawImage(raw, image, error)) return error;
  table = ReadTextFile(tablePath);
  return "";
}

// One test, so that one Wine run serves it (tests run as separate processes).
class WineScene : public ::testing::TestWithParam<Bitness> {};

TEST_P(WineScene, EveryPrimitiveMatchesTheSoftwareHost) {
  const std::string outDir = OutDir(GetParam());
  scene::RawImage wineImage;
  std::string wineTable;
  const std::string error = RenderUnderWine(GetParam(), outDir, wineImage, wineTable);
  ASSERT_TRUE(error.empty()) << error;
  ASSERT_EQ(wineTable, scene::TileTable())
      << "the two programs draw different scenes: rebuild glavo-scene.exe";
  const scene::RawImage soft = RenderSoft();
  ASSERT_EQ(wineImage.width, soft.width);
  ASSERT_EQ(wineImage.height, soft.height);
  // The Wine rendering stays beside the test for people (scene-wine.bgra).
  const auto primitives = scene::Primitives();
  for (int i = 0; i < static_cast<int>(primitives.size()); ++i) {
    const scene::Primitive& p = primitives[i];
    const TileDiff diff = CompareTile(p, wineImage, soft, scene::TileArea(i));
    EXPECT_EQ(diff.unexplained, 0) << p.name << ": " << diff.differing << " pixels differ, "
                                   << diff.unexplained << " beyond the rule; " << diff.detail;
  }
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, WineScene, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine
