// The Win32 backend on real GDI, each Windows build under Wine: one run of
// glavo-win32-check.exe makes its own checks and draws the demonstration
// scene, which is compared tile by tile with the software host's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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

struct GdiRun {
  std::string missing;  // what keeps the run from being made
  std::string outDir;
  WineResult result;
};

GdiRun RunChecks(const Bitness& b) {
  const std::string exe = b.bin("glavo-win32-check.exe");
  GdiRun run{b.Missing(exe), OutDir(b), {}};
  if (!run.missing.empty()) return run;
  std::remove((run.outDir + "/scene-wine.bgra").c_str());
  run.result = RunUnderWine(b, exe, {"scene", run.outDir + "/scene-wine.bgra", run.outDir + "/scene-wine-tiles.txt"},
                            b.Prefix(GLAVO_WINE_PREFIX), 600);
  return run;
}

// Both tests read one run per build.
class Win32Gdi : public ::testing::TestWithParam<Bitness> {
 protected:
  const GdiRun& run() const { return OncePerBitness<GdiRun>(GetParam(), RunChecks); }
};

TEST_P(Win32Gdi, PassesItsChecksOnRealGdi) {
  ASSERT_TRUE(run().missing.empty()) << run().missing;
  const WineResult& result = run().result;
  int passed = 0;
  bool finished = false;
  for (const std::string& line : result.lines()) {
    if (line.rfind("ok ", 0) == 0) ++passed;
    if (line.rfind("FAIL ", 0) == 0) ADD_FAILURE() << line.substr(5);
    if (line.rfind("done ", 0) == 0) finished = true;
  }
  EXPECT_TRUE(finished) << "the check program stopped early:\n" << result.output;
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_GE(passed, 30) << result.output;
}

TEST_P(Win32Gdi, EveryPrimitiveMatchesTheSoftwareHost) {
  ASSERT_TRUE(run().missing.empty()) << run().missing;
  const auto lines = run().result.lines();
  ASSERT_NE(std::find(lines.begin(), lines.end(), "ok scene.written"), lines.end())
      << "glavo-win32-check.exe (" << GetParam().name << ") drew no scene under Wine:\n" << run().result.output;
  scene::RawImage wineImage;
  std::string error;
  ASSERT_TRUE(scene::ReadRawImage(run().outDir + "/scene-wine.bgra", wineImage, error)) << error;
  ASSERT_EQ(ReadTextFile(run().outDir + "/scene-wine-tiles.txt"), scene::TileTable())
      << "the two programs draw different scenes: rebuild glavo-win32-check.exe";
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

INSTANTIATE_TEST_SUITE_P(BothBitnesses, Win32Gdi, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine
