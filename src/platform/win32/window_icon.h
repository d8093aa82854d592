// Conversions between picture objects and the icons and cursors of USER.
#pragma once

#include <windows.h>

#include "draw/picture.h"

namespace glavo::win32 {

// The icon's colour and mask as a picture of type kIcon (straight alpha);
// null for no icon or when GDI refuses.
PictureRef PictureFromIcon(HICON icon);

// A new icon (or cursor, with the hot spot given) holding the picture's
// pixels; alpha 0 becomes the transparent part of the mask. Null for an
// empty picture. The caller destroys it.
HICON IconFromPicture(const Picture& picture);
HCURSOR CursorFromPicture(const Picture& picture, int hotX, int hotY);

// The point a pointing cursor points with: the first opaque pixel, top row
// first.
POINT PictureHotSpot(const Picture& picture);

}  // namespace glavo::win32
