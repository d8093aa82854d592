// Full repaints of a cell in each fill style, at a button's size and at a
// whole screen.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "cell/glavo_cell.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_surface.h"

namespace {

using glavo::GlavoCell;

void PaintCell(benchmark::State& state, int style, int width, int height) {
  glavo::sim::SimDesktop desktop(width, height);
  auto form = desktop.createWindow(glavo::Rect{0, 0, width, height});
  GlavoCell cell(form->createChild());
  cell.InitProperties();
  cell.surface().move(0, 0, width, height);
  cell.LoadCellTheme(u"", u"1##12829635##16777215##8##8##1##1##16777215##True##8421504##12829635##"
                          u"10857122##16777215##16777215##" + std::u16string(1, u'0') + u"##0##0##50");
  cell.SetCellStyle(style);
  cell.surface().setVisible(true);
  for (auto _ : state) {
    cell.Refresh();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

const bool kRegistered = [] {
  for (auto [w, h] : {std::pair{120, 30}, std::pair{1920, 1080}}) {
    for (int style = 0; style < 25; ++style) {
      const std::string name = "BM_PaintCell/" + std::to_string(style) + "/" + std::to_string(w) + "x" +
                               std::to_string(h);
      benchmark::RegisterBenchmark(name.c_str(), PaintCell, style, w, h)->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
