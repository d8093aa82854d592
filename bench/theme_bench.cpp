// Applying a built-in theme through the BodyTheme let at 1280x800: twenty
// records handed to the parts, every part back to its normal look, layout.
#include <benchmark/benchmark.h>

#include "skinned_form.h"

namespace glavo::bench {
namespace {

constexpr Size kThemeSize{1280, 800};

void ThemeApply(benchmark::State& state, int theme) {
  // Start from another theme so the first apply changes the look.
  SkinnedForm form(kThemeSize, (theme + 1) % kBodyThemeCount);
  for (auto _ : state) form.skin().SetBodyTheme(theme);
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
