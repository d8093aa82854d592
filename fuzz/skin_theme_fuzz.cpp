// Applying arbitrary text as a skin theme string: the skin must survive it,
// stay laid out, read SkinTheme as gwr_NoAction, and save 24 fields after.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "fuzz_text.h"
#include "stage/skin_stage.h"

// A fresh small form per input, so every finding replays on its own; the
// size keeps huge metrics from the text cheap to paint.
constexpr glavo::Size kScreen{640, 480};
constexpr glavo::Rect kForm{20, 20, 340, 260};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glavo;
  stage::SkinStage stage(kScreen, kForm);
  stage.place();
  GlavoSkin& skin = stage.skin();
  const std::u16string text = fuzz::Latin1(std::string_view(reinterpret_cast<const char*>(data), size));
  skin.LoadSkinTheme(u"", text);
  GLAVO_FUZZ_CHECK(skin.SkinThemeData() == text, "the applied text is kept as SkinThemeData");
  GLAVO_FUZZ_CHECK(skin.SkinTheme() == gwr_NoAction, "SkinTheme reads %d", skin.SkinTheme());
  const std::u16string saved = skin.SaveSkinTheme();
  const std::size_t fields = fuzz::CountFields(saved, u"#$#");
  GLAVO_FUZZ_CHECK(fields == 24, "saved theme has %zu fields", fields);
  // What was saved applies again to the same string.
  skin.LoadSkinTheme(u"", saved);
  GLAVO_FUZZ_CHECK(skin.SaveSkinTheme() == saved, "a saved theme round-trips");
  return 0;
}
