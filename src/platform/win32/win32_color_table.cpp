#include "platform/win32/win32_color_table.h"

#include <windows.h>
#include <olectl.h>

namespace glavo::win32 {

bool Win32ColorTable::translate(OleColor color, Rgb& out) const {
  COLORREF rgb = 0;
  if (FAILED(OleTranslateColor(color, nullptr, &rgb))) return false;
  out = rgb;
  return true;
}

}  // namespace glavo::win32
