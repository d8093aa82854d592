// Bitmaps to and from PNG files (libpng), for the tools and the tests.
#pragma once

#include <string>

#include "raster/bitmap.h"

namespace glavo::raster {

// Writes the bitmap as an 8-bit RGBA PNG. With `useAlpha` false every pixel is
// written opaque. Returns false (and writes nothing usable) on failure.
bool SavePng(const Bitmap& bitmap, const std::string& path, bool useAlpha);
// An 8-bit RGB (or, with `useAlpha`, RGBA) PNG in memory, compressed for
// speed rather than size; empty on failure.
std::string EncodePng(const Bitmap& bitmap, bool useAlpha);
// Reads a PNG into a bitmap (alpha kept). Returns false on failure.
bool LoadPng(const std::string& path, Bitmap& out);

}  // namespace glavo::raster
