// One resize step of a lower-right-corner drag at 1920x1080: the form
// changes size, the layout pass runs and every resized part repaints.
#include <benchmark/benchmark.h>

#include "drag_step.h"

namespace glavo::bench {
namespace {

constexpr Size kDragSize{1920, 1080};

void DragStep(benchmark::State& state, int theme) {
  SkinnedForm form(kDragSize, theme);
  CornerDrag drag(form);
  bool grow = true;
  for (auto _ : state) {
    drag.Step(grow);
    grow = !grow;
  }
}

const bool kRegistered = [] {
  for (int theme = 0; theme < kBodyThemeCount; ++theme) {
    benchmark::RegisterBenchmark(("BM_DragStep/" + ThemeName(theme) + "/" + SizeName(kDragSize)).c_str(),
                                 DragStep, theme)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace glavo::bench
