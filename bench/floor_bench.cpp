// The floor of a drag step: the bytes of pixels the step cannot avoid
// writing once (every part whose size changes is redrawn whole), timed as
// plain memory writes. The drag step's time divided by this one says how
// far the paint pipeline is from the memory bus.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "drag_step.h"

namespace glavo::bench {
namespace {

constexpr Size kDragSize{1920, 1080};

// Pixels the parts resized by one corner step must cover, measured on the
// real frame rather than assumed.
long long StepPixels(int theme) {
  SkinnedForm form(kDragSize, theme);
  CornerDrag drag(form);
  SkinnedForm::PartBounds before;
  form.SnapshotBounds(before);
  drag.Step(true);
  return form.ResizedPartPixels(before);
}

void Floor(benchmark::State& state, int theme) {
  const long long pixels = StepPixels(theme);
  std::vector<std::uint32_t> target(static_cast<std::size_t>(pixels));
  std::uint32_t value = 0xFF204060u;
  for (auto _ : state) {
    std::fill(target.begin(), target.end(), value);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
    value ^= 0x00010101u;
  }
  state.counters["bytes"] = static_cast<double>(pixels) * sizeof(std::uint32_t);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * pixels * 4);
}

const bool kRegistered = [] {
  for (int theme = 0; theme < kBodyThemeCount; ++theme) {
    benchmark::RegisterBenchmark(("BM_Floor/" + ThemeName(theme) + "/" + SizeName(kDragSize)).c_str(),
                                 Floor, theme)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace glavo::bench
