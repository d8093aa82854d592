// Applying a built-in theme through the BodyTheme let at 1280x800: twenty
// records handed to the parts, every part back to its normal look, layout.
#include <benchmark/benchmark.h>

#include "skinned_form.h"

namespace glavo::bench {
namespace {

constexpr Size kThemeSize{1280, 800};

// Every timed apply changes the look: the form is put back in another
// theme, untimed, before each one (applying the theme it already shows
// would leave most parts as they are).
void ThemeApply(benchmark::State& state, int theme) {
  const int other = (theme + 1) % kBodyThemeCount;
  SkinnedForm form(kThemeSize, other);
  for (auto _ : state) {
    state.PauseTiming();
    form.skin().SetBodyTheme(other);
    state.ResumeTiming();
    form.skin().SetBodyTheme(theme);
  }
}

const bool kRegistered = [] {
  for (int theme = 0; theme < kBodyThemeCount; ++theme) {
    benchmark::RegisterBenchmark(("BM_ThemeApply/" + ThemeName(theme)).c_str(), ThemeApply, theme)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace glavo::bench
