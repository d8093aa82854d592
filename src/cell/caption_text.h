// Caption text helpers: the Unicode escape decoder and the caption fonts.
#pragma once

#include <string>
#include <string_view>

#include "host/device_context.h"
#include "host/font.h"

namespace glavo {

// "~$" followed by five characters stands for the UTF-16 code unit those
// characters read as (leading-number rule); a short tail reads what
// remains. Values outside 0..65535 stand for no character.
std::u16string DecodeCaptionText(std::u16string_view text);

// The LOGFONT of a caption: face (at most 31 characters), height
// -floor(size * pixelsPerPoint), weight 700 or 0, anti-aliased quality.
LogFont CaptionLogFont(const std::u16string& face, float size, double pixelsPerPoint, bool bold,
                       bool italic, bool underline, bool strikeOut, int escapement,
                       int orientation);

// DrawTextW flags of an alignment value: 0 left, 1 right, 2 centred (all
// word-wrapped), anything else top-left unwrapped.
unsigned CaptionFlags(std::int32_t alignment);

}  // namespace glavo
