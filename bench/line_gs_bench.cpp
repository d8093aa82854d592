// Anti-aliased outlines: the corner series the cell draws on every repaint,
// and the two ellipse variants.
#include <benchmark/benchmark.h>

#include "graphics/line_gs.h"
#include "platform/sim/soft_dc.h"
#include "platform/sim/soft_gdi.h"
#include "raster/bitmap.h"
#include "runtime/color_table.h"
#include "runtime/message_box.h"

namespace {

using namespace glavo;

struct SilentMessageBox : MessageBox {
  void show(const std::u16string&, const std::u16string&, unsigned) override {}
};

struct Surface {
  Surface(int w, int h)
      : bitmap(w, h, raster::PixelFromRgb(MakeRgb(230, 235, 240))), dc(bitmap, gdi) {}
  raster::Bitmap bitmap;
  sim::SoftGdi gdi;
  sim::SoftDc dc;
};

// One rounded outline of a 300 x 30 title bar: DIB of the surface plus 10,
// four corner arcs, write-back.
void BM_CornerArcSeries(benchmark::State& state) {
  const int radius = static_cast<int>(state.range(0));
  Surface s(300, 30);
  DefaultColorTable colors;
  SilentMessageBox box;
  for (auto _ : state) {
    LineGS gs(colors, box);
    gs.DIB(s.dc, s.dc.selectedBitmap(), 310, 40);
    gs.ArcDIB(radius, radius, radius, radius, 180, 270, MakeRgb(40, 60, 90), 0);
    gs.ArcDIB(299 - radius, radius, radius, radius, 90, 180, MakeRgb(40, 60, 90), 0);
    gs.ArcDIB(299 - radius, 29 - radius, radius, radius, 0, 90, MakeRgb(40, 60, 90), 0);
    gs.ArcDIB(radius, 29 - radius, radius, radius, 270, 360, MakeRgb(40, 60, 90), 0);
    gs.Array2Pic();
  }
}
BENCHMARK(BM_CornerArcSeries)->Arg(4)->Arg(12);

void BM_CircleGP(benchmark::State& state) {
  const int radius = static_cast<int>(state.range(0));
  Surface s(2 * radius + 8, 2 * radius + 8);
  DefaultColorTable colors;
  SilentMessageBox box;
  LineGS gs(colors, box);
  for (auto _ : state) gs.CircleGP(s.dc, radius + 4, radius + 4, radius, radius, 0, 1);
}
BENCHMARK(BM_CircleGP)->Arg(16)->Arg(200);

void BM_CircleDIB(benchmark::State& state) {
  const int radius = static_cast<int>(state.range(0));
  Surface s(2 * radius + 8, 2 * radius + 8);
  DefaultColorTable colors;
  SilentMessageBox box;
  LineGS gs(colors, box);
  gs.DIB(s.dc, s.dc.selectedBitmap(), s.bitmap.width(), s.bitmap.height());
  for (auto _ : state) gs.CircleDIB(radius + 4, radius + 4, radius, radius, 0, 1);
}
BENCHMARK(BM_CircleDIB)->Arg(16)->Arg(200);

void BM_LineDIB(benchmark::State& state) {
  Surface s(256, 256);
  DefaultColorTable colors;
  SilentMessageBox box;
  LineGS gs(colors, box);
  gs.DIB(s.dc, s.dc.selectedBitmap(), 256, 256);
  for (auto _ : state) gs.LineDIB(3, 7, 250, 190, MakeRgb(10, 10, 10));
}
BENCHMARK(BM_LineDIB);

}  // namespace
