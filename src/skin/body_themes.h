// The twelve built-in skin themes that BodyTheme selects.
#pragma once

#include <cstdint>
#include <string>

#include "skin/skin_enums.h"

namespace glavo {

// The complete skin theme string of built-in theme `theme` (a BodyThemesGwr
// value); the empty text for any other value.
std::u16string BuiltInSkinTheme(std::int32_t theme);

}  // namespace glavo
