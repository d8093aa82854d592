#include "raster/png_file.h"

#include <png.h>

#include <cstring>

namespace glavo::raster {
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
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return {};
  png_infop info = png_create_info_struct(png);
  std::string out;
  std::vector<png_byte> row(static_cast<std::size_t>(bitmap.width()) * (useAlpha ? 4 : 3));
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t size) {
        static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<const char*>(data), size);
      },
      nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.width()), static_cast<png_uint_32>(bitmap.height()), 8,
               useAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  // The picture goes to a viewer at once: encoding time counts more than
  // size. Frames are long runs of one colour, which run-length deflate
  // without filtering packs well and fast.
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, 0);
  png_set_compression_strategy(png, 3);  // Z_RLE
  png_write_info(png, info);
  for (int y = 0; y < bitmap.height(); ++y) {
    const Pixel* src = bitmap.row(y);
    png_byte* dst = row.data();
    for (int x = 0; x < bitmap.width(); ++x) {
      const Pixel p = src[x];
      *dst++ = static_cast<png_byte>(p >> 16);
      *dst++ = static_cast<png_byte>(p >> 8);
      *dst++ = static_cast<png_byte>(p);
      if (useAlpha) *dst++ = static_cast<png_byte>(p >> 24);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
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

}  // namespace glavo::raster
