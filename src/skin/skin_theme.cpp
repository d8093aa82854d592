// The skin theme: building the theme string from the parts, applying one,
// theme files, the built-in body themes and the theme actions.
#include "cell/cell_theme_record.h"
#include "cell/leading_number.h"
#include "runtime/host_value.h"
#include "skin/body_themes.h"
#include "skin/glavo_skin.h"
#include "skin/quiet_step.h"
#include "skin/skin_theme_string.h"

namespace glavo {
namespace {

constexpr SkinPartsGwr kCaptionButtons[kCaptionButtonCount] = {
    gwr_CloseButton, gwr_MaximizeButton, gwr_MinimizeButton, gwr_HelpButton};

}  // namespace

std::u16string GlavoSkin::BuildSkinTheme() {
  for (int i = 0; i < kSkinPartCount; ++i) {
    partNormalData_[i] = part(static_cast<SkinPartsGwr>(i)).CellStateNormalData();
  }
  for (int b = 0; b < kCaptionButtonCount; ++b) {
    buttonOverData_[b] = part(kCaptionButtons[b]).CellStateOverData();
  }
  for (int b = 0; b < kCaptionButtonCount; ++b) {
    buttonDownData_[b] = part(kCaptionButtons[b]).CellStateDownData();
  }
  const auto backColor = static_cast<std::int32_t>(BackColor());

  std::vector<std::u16string> fields(partNormalData_.begin(), partNormalData_.end());
  fields.insert(fields.end(), buttonOverData_.begin(), buttonOverData_.end());
  fields.insert(fields.end(), buttonDownData_.begin(), buttonDownData_.end());
  for (std::int32_t n : {titleBarSize_, borderSize_, buttonSize_, backColor}) {
    fields.push_back(DecimalText(n));
  }
  return JoinSkinTheme(fields);
}

// Stores and pushes what the text holds, field by field as far as it goes;
// a field it lacks or cannot be read leaves its target as it was.
void GlavoSkin::ApplySkinTheme(const std::u16string& text) {
  // Every part repaints; the screen shows the new look once, when all have.
  HeldRedraw held(*surface_);
  skinThemeData_ = text;
  const std::vector<std::u16string> fields = SplitSkinTheme(text);
  const int count = std::min<int>(static_cast<int>(fields.size()), kSkinThemeFieldCount);
  for (int i = 0; i < count; ++i) {
    const std::u16string& f = fields[i];
    if (i < kFieldFirstOver) {
      partNormalData_[i] = f;
    } else if (i < kFieldFirstDown) {
      buttonOverData_[i - kFieldFirstOver] = f;
    } else if (i < kFieldTitleBarSize) {
      buttonDownData_[i - kFieldFirstDown] = f;
    } else if (auto n = LeadingInt32(f)) {
      if (i == kFieldTitleBarSize) titleBarSize_ = *n;
      if (i == kFieldBorderSize) borderSize_ = *n;
      if (i == kFieldButtonSize) buttonSize_ = *n;
      if (i == kFieldBackColor) surface_->setBackColor(static_cast<OleColor>(*n));
    }
  }
  for (int i = 0; i < kSkinPartCount; ++i) {
    part(static_cast<SkinPartsGwr>(i)).SetCellStateNormalData(partNormalData_[i]);
  }
  for (int b = 0; b < kCaptionButtonCount; ++b) part(kCaptionButtons[b]).SetCellStateOverData(buttonOverData_[b]);
  for (int b = 0; b < kCaptionButtonCount; ++b) part(kCaptionButtons[b]).SetCellStateDownData(buttonDownData_[b]);
  for (int i = 0; i < kSkinPartCount; ++i) part(static_cast<SkinPartsGwr>(i)).SetCellState(CellLookState::kNormal);
  // A part the host cannot place is skipped, not the rest of the frame.
  LayoutParts(PlaceFailure::kSkipPart);
}

std::u16string GlavoSkin::SaveSkinTheme(const std::u16string& FileName) {
  const std::u16string theme = BuildSkinTheme();
  // A failed write leaves any earlier file intact and is not reported.
  if (!FileName.empty()) WriteLineFile(FileName, theme);
  return theme;
}

void GlavoSkin::LoadSkinTheme(const std::u16string& FileName, const std::u16string& SettingsStr) {
  std::u16string text;
  if (!FileName.empty()) {
    if (auto line = ReadFirstLine(FileName)) text = *line;
  }
  if (!SettingsStr.empty()) text = SettingsStr;
  // Loading reports nothing: an error of the host form's members (which
  // the layout pass reads) ends the load quietly.
  RunQuietly([&] { ApplySkinTheme(text); });
}

void GlavoSkin::SetBodyTheme(std::int32_t v) {
  bodyTheme_ = v;
  LoadSkinTheme(u"", BuiltInSkinTheme(v));
  Changed("BodyTheme");
}

void GlavoSkin::SetSkinTheme(std::int32_t v) {
  skinTheme_ = v;
  if (v == gwr_SaveTheme) SaveSkinTheme(skinThemeFile_);
  if (v == gwr_LoadTheme) LoadSkinTheme(skinThemeFile_, u"");
  if (v == gwr_ResetTheme) {
    InitProperties();
    LayoutParts();
  }
  skinTheme_ = gwr_NoAction;
  Changed("SkinTheme");
}

}  // namespace glavo
