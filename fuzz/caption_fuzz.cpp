// Decoding and drawing arbitrary captions: any UTF-16 units, escapes with
// any digits, any font size, alignment, rotation and rectangle.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "cell/caption_text.h"
#include "cell/glavo_cell.h"
#include "fuzz_check.h"
#include "fuzz_text.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_surface.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glavo;
  FuzzedDataProvider in(data, size);
  const bool rotate = in.ConsumeBool();
  const bool shadow = in.ConsumeBool();
  const auto alignment = in.ConsumeIntegral<std::int32_t>();
  const float fontSize = in.ConsumeFloatingPointInRange<float>(-100.0f, 400.0f);
  const bool bold = in.ConsumeBool();
  const auto left = in.ConsumeIntegralInRange<std::int32_t>(-300, 300);
  const auto top = in.ConsumeIntegralInRange<std::int32_t>(-300, 300);
  const auto right = in.ConsumeIntegralInRange<std::int32_t>(-300, 300);
  const auto bottom = in.ConsumeIntegralInRange<std::int32_t>(-300, 300);
  const auto escapement = in.ConsumeIntegral<std::int32_t>();
  const std::u16string face = fuzz::Wide(in.ConsumeRandomLengthString(40));
  const std::u16string text = fuzz::Wide(in.ConsumeRemainingBytesAsString());

  // An escape turns at least two characters into at most one.
  const std::u16string decoded = DecodeCaptionText(text);
  GLAVO_FUZZ_CHECK(decoded.size() <= text.size(), "decoding grew %zu to %zu units", text.size(),
                   decoded.size());

  sim::SimDesktop desktop(400, 300);
  std::unique_ptr<sim::SimSurface> form = desktop.createWindow(Rect{0, 0, 400, 300});
  GlavoCell cell(form->createChild());
  cell.InitProperties();
  cell.surface().move(10, 10, 200, 40);
  cell.surface().setVisible(true);
  cell.SetCaptionRotate(rotate);
  cell.SetCaptionShadow(shadow);
  cell.SetCaptionAlignment(alignment);
  cell.SetCaption(text);
  GLAVO_FUZZ_CHECK(cell.GetUniCaption() == decoded, "the cell decodes as DecodeCaptionText does");
  cell.DrawTextString(text, 0x00FF8040, shadow, 0x00202020, alignment, face, fontSize, bold, rotate,
                      left, top, right, bottom, escapement, escapement);
  return 0;
}
