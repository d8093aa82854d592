// A full repaint of the skinned form: every part paints itself from scratch,
// for every built-in theme at the common desktop sizes.
#include <benchmark/benchmark.h>

#include "skinned_form.h"

namespace glavo::bench {
namespace {

void FramePaint(benchmark::State& state, int theme, Size size) {
  SkinnedForm form(size, theme);
  for (auto _ : state) form.PaintAll();
  state.counters["pixels"] = static_cast<double>(size.cx) * size.cy;
}

const bool kRegistered = [] {
  for (int theme = 0; theme < kBodyThemeCount; ++theme) {
    for (Size size : kFrameSizes) {
      benchmark::RegisterBenchmark(("BM_FramePaint/" + ThemeName(theme) + "/" + SizeName(size)).c_str(),
                                   FramePaint, theme, size)
          ->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
}  // namespace glavo::bench
