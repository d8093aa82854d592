// Costs of the skin's frequent operations on the software host: the layout
// pass, applying a built-in theme, and one resize step of a border drag.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_menu.h"
#include "platform/sim/sim_message_pump.h"
#include "platform/sim/sim_screen.h"
#include "platform/sim/sim_window_api.h"
#include "skin/glavo_skin.h"

namespace {

using namespace glavo;
using namespace glavo::sim;

// A placed skin on an 800x600 form.
struct Bench {
  SimDesktop desktop{1280, 800};
  SimScreen screen{Size{1280, 800}};
  SimWindowApi windows{desktop};
  SimMenu menus;
  SimMessagePump pump{desktop.clock()};
  SimForm form{desktop, screen, Rect{240, 150, 1040, 750}};
  SimSurface* surface = nullptr;
  std::unique_ptr<GlavoSkin> skin;

  Bench() {
    windows.addForm(form);
    auto s = form.window().createChild();
    surface = static_cast<SimSurface*>(s.get());
    skin = std::make_unique<GlavoSkin>(std::move(s),
                                       SkinEnvironment{form, screen, windows, menus, pump});
    skin->InitProperties();
    surface->setVisible(true);
  }
};

void BM_LayoutPass(benchmark::State& state) {
  Bench b;
  for (auto _ : state) b.skin->Refresh();
}
BENCHMARK(BM_LayoutPass)->Unit(benchmark::kMillisecond);

void BM_ApplyBuiltInTheme(benchmark::State& state) {
  Bench b;
  int theme = 0;
  for (auto _ : state) {
    b.skin->SetBodyTheme(theme);
    theme = (theme + 1) % kBodyThemeCount;
  }
}
BENCHMARK(BM_ApplyBuiltInTheme)->Unit(benchmark::kMillisecond);

// One mouse move of a right-border drag: the form widens, the frame is laid
// out again for the new size and every resized part repaints.
void BM_BorderDragStep(benchmark::State& state) {
  Bench b;
  auto& bar = static_cast<SimSurface&>(b.skin->part(gwr_RightBar).surface());
  Point p{bar.screenOrigin().x + 1, bar.screenOrigin().y + 100};
  b.desktop.moveCursor(p);
  b.desktop.pressButton(mouse::kLeft);
  int dx = 1;
  for (auto _ : state) {
    p.x += dx;
    b.desktop.moveCursor(p);
    dx = -dx;
  }
  b.desktop.releaseButton(mouse::kLeft);
}
BENCHMARK(BM_BorderDragStep)->Unit(benchmark::kMillisecond);

}  // namespace
