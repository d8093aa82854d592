// The header of an uncompressed DIB, as GDI's DIB calls take it; a negative
// height makes it top-down.
#pragma once

#include <windows.h>

namespace glavo::win32 {

inline BITMAPINFO DibInfo(int width, int height, int bitCount) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitCount);
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace glavo::win32
