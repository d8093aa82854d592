// Every fill and border style painted through the Win32 backend of each
// Windows build under Wine, compared with the software host. A missing
// build, Wine or X server fails the case with the command that fixes it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "cell/cell_style_strip.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_surface.h"
#include "scene/raw_image.h"
#include "wine_runner.h"

namespace glavo::testing {
namespace {

namespace fs = std::filesystem;
using wine::Bitness;
using wine::ShellQuote;

scene::RawImage SoftStrip() {
  sim::SimDesktop desktop(kStripCellWidth, kStripCellHeight);
  auto form = desktop.createWindow(Rect{0, 0, kStripCellWidth, kStripCellHeight});
  scene::RawImage image;
  image.width = kStripCellWidth;
  image.height = kStripCellHeight * kStripCells;
  image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
  for (int index = 0; index < kStripCells; ++index) {
    GlavoCell cell(form->createChild());
    PaintStripCell(cell, index);
    const auto& bits = static_cast<sim::SimSurface&>(cell.surface()).image();
    for (int y = 0; y < kStripCellHeight; ++y) {
      for (int x = 0; x < kStripCellWidth; ++x) {
        image.pixels[static_cast<std::size_t>(index * kStripCellHeight + y) * image.width + x] =
            bits.at(x, y) | 0xFF000000u;
      }
    }
  }
  return image;
}

struct Difference {
  double meanAbs = 0;    // mean absolute channel difference
  double changed = 0;    // share of pixels off by more than 8 in a channel
  std::size_t colours = 0;  // distinct colours on the Win32 side
};

Difference Compare(const scene::RawImage& win, const scene::RawImage& soft, int index) {
  Difference d;
  std::set<std::uint32_t> colours;
  double sum = 0;
  int changed = 0;
  for (int y = index * kStripCellHeight; y < (index + 1) * kStripCellHeight; ++y) {
    for (int x = 0; x < kStripCellWidth; ++x) {
      const std::uint32_t a = win.at(x, y) & 0xFFFFFF, b = soft.at(x, y) & 0xFFFFFF;
      colours.insert(a);
      int worst = 0;
      for (int shift : {0, 8, 16}) {
        const int delta = std::abs(static_cast<int>((a >> shift) & 255) - static_cast<int>((b >> shift) & 255));
        sum += delta;
        worst = std::max(worst, delta);
      }
      changed += worst > 8;
    }
  }
  const double pixels = kStripCellWidth * kStripCellHeight;
  d.meanAbs = sum / (3 * pixels);
  d.changed = changed / pixels;
  d.colours = colours.size();
  return d;
}

class WineCellStylesTest : public ::testing::TestWithParam<Bitness> {};

TEST_P(WineCellStylesTest, EveryStylePaintsThroughGdiLikeTheSoftwareHost) {
  const Bitness& b = GetParam();
  const std::string exe = b.bin("glavo-cell-styles.exe");
  const std::string missing = b.Missing(exe);
  ASSERT_TRUE(missing.empty()) << missing;
  ASSERT_EQ(std::system("command -v xvfb-run >/dev/null 2>&1"), 0)
      << "xvfb-run was not found; install it: bash scripts/setup.sh";
  const fs::path dir = fs::path(GLAVO_CELL_TEST_OUTPUT_DIR) / ("wine-cell-styles-" + b.name);
  fs::create_directories(dir);
  const fs::path out = dir / "strip.bgra";
  fs::remove(out);
  const std::string prefix = (dir / "prefix").string();
  const std::string problem = wine::PreparePrefix(b, prefix);
  ASSERT_TRUE(problem.empty()) << problem;
  // The wineserver starts inside xvfb-run, so that the windows have a display.
  const std::string inner = "timeout 300 " + ShellQuote(b.loader) + " " + ShellQuote(exe) + " " +
                            ShellQuote(out.string()) + " >/dev/null 2>&1; status=$?; timeout 60 " +
                            ShellQuote(wine::WineServer()) + " -k >/dev/null 2>&1; exit $status";
  const wine::WineResult run =
      wine::RunCommand(wine::WineEnvironment(prefix) + "timeout 420 xvfb-run -a sh -c " + ShellQuote(inner));
  ASSERT_EQ(run.exitCode, 0) << "glavo-cell-styles (" << b.name << ") failed under Wine: " << run.output;

  scene::RawImage win;
  std::string error;
  ASSERT_TRUE(scene::ReadRawImage(out.string(), win, error)) << error;
  const scene::RawImage soft = SoftStrip();
  ASSERT_EQ(win.width, soft.width);
  ASSERT_EQ(win.height, soft.height);
  std::printf("%-6s %-14s %10s %10s\n", "build", "sample", "mean diff", "off > 8");
  for (int index = 0; index < kStripCells; ++index) {
    const Difference d = Compare(win, soft, index);
    const std::string name = index < kStripFillStyles ? "fill " + std::to_string(index)
                                                      : "border " + std::to_string(index - kStripFillStyles);
    std::printf("%-6s %-14s %10.2f %9.1f%%\n", b.name.c_str(), name.c_str(), d.meanAbs, 100 * d.changed);
    EXPECT_GT(d.colours, 1u) << name << " drew nothing through GDI";
  }
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, WineCellStylesTest, ::testing::ValuesIn(wine::BothBitnesses()),
                         wine::BitnessName());

}  // namespace
}  // namespace glavo::testing
