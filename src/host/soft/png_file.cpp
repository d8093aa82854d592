#include "host/soft/png_file.h"

#include <png.h>

#include <cstring>

namespace glavo::soft {
namespace {

constexpr Pixel kAlphaMask = 0xFF000000u;

// Our memory layout (B, G, R, A bytes) is libpng's BGRA format.
std::vector<Pixel> PngRows(const Bitmap& bitmap, bool useAlpha) {
  std::vector<Pixel> rows = bitmap.pixels();
  if (!useAlpha) {
    for (Pixel& p : rows) p |= kAlphaMask;
  }
  return rows;
}

png_image PngHeader(const Bitmap& bitmap) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.width());
  image.height = static_cast<png_uint_32>(bitmap.height());
  image.format = PNG_FORMAT_BGRA;
  return image;
}

}  // namespace

bool SavePng(const Bitmap& bitmap, const std::string& path, bool useAlpha) {
  if (bitmap.width() <= 0 || bitmap.height() <= 0) return false;
  const std::vector<Pixel> rows = PngRows(bitmap, useAlpha);
  png_image image = PngHeader(bitmap);
  const int ok =
      png_image_write_to_file(&image, path.c_str(), 0, rows.data(), bitmap.width() * 4, nullptr);
  png_image_free(&image);
  return ok != 0;
}

std::string EncodePng(const Bitmap& bitmap, bool useAlpha) {
  if (bitmap.width() <= 0 || bitmap.height() <= 0) return {};
  const std::vector<Pixel> rows = PngRows(bitmap, useAlpha);
  png_image image = PngHeader(bitmap);
  // libpng reports the size it needs when the first call has no buffer.
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rows.data(), bitmap.width() * 4, nullptr)) {
    png_image_free(&image);
    return {};
  }
  std::string out(size, '\0');
  const int ok = png_image_write_to_memory(&image, out.data(), &size, 0, rows.data(),
                                           bitmap.width() * 4, nullptr);
  png_image_free(&image);
  if (!ok) return {};
  out.resize(size);
  return out;
}

bool LoadPng(const std::string& path, Bitmap& out) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  const auto w = static_cast<int>(image.width);
  const auto h = static_cast<int>(image.height);
  if (w <= 0 || h <= 0 || w > (1 << 15) || h > (1 << 15)) {
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_BGRA;
  Bitmap loaded(w, h);
  if (!png_image_finish_read(&image, nullptr, loaded.pixels().data(), w * 4, nullptr)) {
    png_image_free(&image);
    return false;
  }
  out = std::move(loaded);
  return true;
}

}  // namespace glavo::soft
