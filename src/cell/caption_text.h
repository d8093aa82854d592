// Caption text helpers: the Unicode escape decoder and the caption fonts.
#pragma once

#include <string>
#include <string_view>

#include "cell/cell_options.h"
#include "draw/device_context.h"
#include "runtime/font.h"

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

// DrawTextW flags of an alignment, vertically centred and word-wrapped; an
// alignment outside the list gives top-left unwrapped text.
unsigned CaptionFlags(CellCaptionAlignment alignment);

}  // namespace glavo
