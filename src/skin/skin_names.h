// Names of the skin parts and built-in themes, for tools and messages.
#pragma once

#include <optional>
#include <string_view>

#include "skin/skin_enums.h"

namespace glavo {

// "TitleBar", "RightBar", ..., "cmdClose", ..., "cmdIcon".
std::string_view SkinPartName(SkinPartsGwr part);
// "Onyx", "AJAX", ..., "SilverLight": the enumeration name without "gwr_".
std::string_view BodyThemeName(BodyThemesGwr theme);

// A built-in theme by name (case-insensitive, with or without "gwr_") or by
// its number 0..11.
std::optional<BodyThemesGwr> FindBodyTheme(std::string_view nameOrNumber);
// A part by its name (case-insensitive), its short name (close, max, min,
// help, icon, title, back, left, right, bottom, leftcorner, rightcorner) or
// its number 0..11.
std::optional<SkinPartsGwr> FindSkinPart(std::string_view name);

}  // namespace glavo
