// The four public enumerations of the skin control, with their 32-bit values.
#pragma once

#include <cstdint>

namespace glavo {

enum SkinStatesGwr : std::int32_t {
  gwr_Normal = 0,
  gwr_Minimized = 1,
  gwr_Maximized = 2,
};

enum BodyThemesGwr : std::int32_t {
  gwr_Onyx = 0,
  gwr_AJAX = 1,
  gwr_Graphite = 2,
  gwr_Vista = 3,
  gwr_iTunes = 4,
  gwr_GoogleChrome = 5,
  gwr_TintedGlass = 6,
  gwr_Office2007 = 7,
  gwr_Candy = 8,
  gwr_Safari = 9,
  gwr_MediaPlayer = 10,
  gwr_SilverLight = 11,
};

enum SkinPartsGwr : std::int32_t {
  gwr_TitleBar = 0,
  gwr_RightBar = 1,
  gwr_LeftBar = 2,
  gwr_BottomBar = 3,
  gwr_RightCorner = 4,
  gwr_LeftCorner = 5,
  gwr_Back = 6,
  gwr_CloseButton = 7,
  gwr_MaximizeButton = 8,
  gwr_MinimizeButton = 9,
  gwr_HelpButton = 10,
  gwr_Icon = 11,
};

enum ThemeSettingsGwr : std::int32_t {
  gwr_NoAction = 0,
  gwr_SaveTheme = 1,
  gwr_LoadTheme = 2,
  gwr_ResetTheme = 3,
};

inline constexpr int kSkinPartCount = 12;
inline constexpr int kBodyThemeCount = 12;
// The four caption buttons that carry over and down looks, in theme order.
inline constexpr int kCaptionButtonCount = 4;

}  // namespace glavo
