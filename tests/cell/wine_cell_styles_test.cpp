// Every fill and border style painted through the Win32 backend under Wine,
// compared with the software host. Skipped when the Windows build or Wine
// is not there.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "cell/cell_style_strip.h"
#include "host/soft/sim_desktop.h"
#include "host/soft/sim_surface.h"
#include "raw_image.h"

namespace glavo::testing {
namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

scene::RawImage SoftStrip() {
  soft::SimDesktop desktop(kStripCellWidth, kStripCellHeight);
  auto form = desktop.createWindow(Rect{0, 0, kStripCellWidth, kStripCellHeight});
  scene::RawImage image;
  image.width = kStripCellWidth;
  image.height = kStripCellHeight * kStripCells;
  image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
  for (int index = 0; index < kStripCells; ++index) {
    GlavoCell cell(form->createChild());
    PaintStripCell(cell, index);
    const auto& bits = static_cast<soft::SimSurface&>(cell.surface()).image();
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

TEST(WineCellStylesTest, EveryStylePaintsThroughGdiLikeTheSoftwareHost) {
  const std::string exe = GLAVO_CELL_STYLES_EXE;
  const std::string wine = GLAVO_WINE64;
  if (!fs::exists(exe) || wine.empty() || !fs::exists(wine)) GTEST_SKIP() << "no Windows build or Wine";
  if (std::system("command -v xvfb-run >/dev/null 2>&1") != 0) GTEST_SKIP() << "no xvfb-run for the windows";
  const fs::path dir = fs::path(GLAVO_CELL_TEST_OUTPUT_DIR) / "wine-cell-styles";
  fs::create_directories(dir);
  const fs::path out = dir / "strip.bgra";
  fs::remove(out);
  const std::string env = "WINEPREFIX=" + Quote((dir / "prefix").string()) + " WINEDEBUG=-all PATH=" +
                          Quote(fs::path(wine).parent_path().string()) + ":$PATH ";
  const std::string inner = "timeout 300 " + Quote(wine) + " " + Quote(exe) + " " + Quote(out.string()) +
                            " >/dev/null 2>&1; status=$?; timeout 60 wineserver -k >/dev/null 2>&1; exit $status";
  const int status = std::system((env + "timeout 420 xvfb-run -a sh -c " + Quote(inner)).c_str());
  ASSERT_EQ(status, 0) << "glavo-cell-styles failed under Wine";

  scene::RawImage win;
  std::string error;
  ASSERT_TRUE(scene::ReadRawImage(out.string(), win, error)) << error;
  const scene::RawImage soft = SoftStrip();
  ASSERT_EQ(win.width, soft.width);
  ASSERT_EQ(win.height, soft.height);
  std::printf("%-14s %10s %10s\n", "sample", "mean diff", "off > 8");
  for (int index = 0; index < kStripCells; ++index) {
    const Difference d = Compare(win, soft, index);
    const std::string name = index < kStripFillStyles ? "fill " + std::to_string(index)
                                                      : "border " + std::to_string(index - kStripFillStyles);
    std::printf("%-14s %10.2f %9.1f%%\n", name.c_str(), d.meanAbs, 100 * d.changed);
    EXPECT_GT(d.colours, 1u) << name << " drew nothing through GDI";
  }
}

}  // namespace
}  // namespace glavo::testing
