// Reading a skin or a cell back from a property bag whose every value may
// be missing, of the wrong type or out of range: no crash, and the control
// ends in a state it can save and read again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

#include "cell/cell_theme_record.h"
#include "cell/glavo_cell.h"
#include "fuzz_check.h"
#include "fuzz_text.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_surface.h"
#include "runtime/host_value.h"
#include "runtime/ordered_property_bag.h"
#include "stage/skin_stage.h"

namespace {

using namespace glavo;

constexpr std::string_view kSkinKeys[] = {
    "AllowFullScreen", "AllowResize", "AllowSystemMenu", "BackgroundShow", "Enabled",
    "ShowCloseButton", "ShowHelpButton", "ShowIconButton", "ShowMaximizeButton",
    "ShowMinimizeButton", "Font", "BackColor", "BodyTheme", "BorderSize", "ButtonSize",
    "SkinState", "SkinTheme", "TitleBarSize", "Caption", "SkinThemeData", "SkinThemeFile"};

constexpr std::string_view kCellKeys[] = {
    "Animate", "CaptionRotate", "CaptionShadow", "CellStateUpdate", "DoubleClickEnable",
    "Enabled", "SymbolDraw", "Font", "DrawWidth", "FillStyle", "MousePointer", "BlendSize",
    "BorderColor1", "BorderColor2", "BorderRoundH", "BorderRoundW", "BorderSize",
    "BorderStyle", "CaptionAlignment", "CaptionColor", "CaptionShadowColor", "CellColor1",
    "CellColor2", "CellColor3", "CellColor4", "CellState", "CellStyle", "FillColor",
    "FlipCell", "ForeColor", "IconSize", "MaskColor", "SplitSize", "SymbolNo", "Icon",
    "MouseIcon", "Caption", "CellStateDownData", "CellStateNormalData", "CellStateOverData"};

double AnyDouble(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0: return std::numeric_limits<double>::quiet_NaN();
    case 1: return std::numeric_limits<double>::infinity();
    case 2: return -std::numeric_limits<double>::infinity();
    case 3: return in.ConsumeFloatingPoint<double>();
    default: return in.ConsumeFloatingPointInRange<double>(-1000.0, 1000.0);
  }
}

FontRef AnyFont(FuzzedDataProvider& in) {
  if (in.ConsumeBool()) return nullptr;
  auto font = MakeFont(fuzz::Wide(in.ConsumeRandomLengthString(48)), static_cast<float>(AnyDouble(in)),
                       in.ConsumeBool(), in.ConsumeBool());
  font->underline = in.ConsumeBool();
  font->strikethrough = in.ConsumeBool();
  font->charset = in.ConsumeIntegral<std::int16_t>();
  return font;
}

PictureRef AnyPicture(FuzzedDataProvider& in) {
  if (in.ConsumeBool()) return nullptr;
  const auto type = static_cast<PictureType>(in.ConsumeIntegralInRange(0, 2));
  const int width = in.ConsumeIntegralInRange(0, 24);
  const int height = in.ConsumeIntegralInRange(0, 24);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (auto& p : pixels) p = in.ConsumeIntegral<std::uint32_t>();
  return std::make_shared<const Picture>(type, width, height, std::move(pixels));
}

// Some keys stay missing; the others get a value of any type.
void Fill(FuzzedDataProvider& in, PropertyBag& bag, std::string_view key) {
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0: return;
    case 1: bag.write(key, std::monostate{}); return;
    case 2: bag.write(key, in.ConsumeIntegral<std::int32_t>()); return;
    case 3: bag.write(key, AnyDouble(in)); return;
    case 4: bag.write(key, in.ConsumeBool()); return;
    case 5: bag.write(key, fuzz::Latin1(in.ConsumeRandomLengthString(3000))); return;
    case 6: bag.write(key, AnyFont(in)); return;
    default: bag.write(key, AnyPicture(in)); return;
  }
}

void ReadSkin(FuzzedDataProvider& in) {
  OrderedPropertyBag bag;
  for (std::string_view key : kSkinKeys) Fill(in, bag, key);
  stage::SkinStage stage(Size{640, 480}, Rect{20, 20, 340, 260});
  // A persisted theme may ask for parts larger than the host can allocate:
  // showing the control then ends with the host's error, by design.
  try {
    stage.load(bag);
  } catch (const HostError&) {
    return;
  }
  GlavoSkin& skin = stage.skin();
  GLAVO_FUZZ_CHECK(skin.SkinTheme() == gwr_NoAction, "SkinTheme reads %d", skin.SkinTheme());
  const std::size_t fields = fuzz::CountFields(skin.SaveSkinTheme(), u"#$#");
  GLAVO_FUZZ_CHECK(fields == 24, "saved theme has %zu fields", fields);

  OrderedPropertyBag saved;
  skin.WriteProperties(saved);
  stage::SkinStage again(Size{640, 480}, Rect{20, 20, 340, 260});
  again.load(saved);  // what loaded once loads again
  GLAVO_FUZZ_CHECK(again.skin().SaveSkinTheme() == skin.SaveSkinTheme(),
                   "a saved skin reads back to the same look");
}

void ReadCell(FuzzedDataProvider& in) {
  OrderedPropertyBag bag;
  for (std::string_view key : kCellKeys) Fill(in, bag, key);
  sim::SimDesktop desktop(400, 300);
  std::unique_ptr<sim::SimSurface> form = desktop.createWindow(Rect{0, 0, 400, 300});
  GlavoCell cell(form->createChild());
  cell.surface().move(4, 4, in.ConsumeIntegralInRange(0, 120), in.ConsumeIntegralInRange(0, 80));
  cell.ReadProperties(bag);
  cell.surface().setVisible(true);
  cell.Refresh();
  const std::size_t fields = fuzz::CountFields(cell.SaveCellTheme(), kRecordSeparator);
  GLAVO_FUZZ_CHECK(fields == kRecordFields, "saved record has %zu fields", fields);
  OrderedPropertyBag saved;
  cell.WriteProperties(saved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  if (in.ConsumeBool()) {
    ReadSkin(in);
  } else {
    ReadCell(in);
  }
  return 0;
}
