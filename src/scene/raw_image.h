// The raw pixel file the scene programs exchange: an 8-byte tag
// "GLVOBGRA", width and height as 32-bit little-endian numbers, then the
// pixels top row first, 4 bytes each (blue, green, red, alpha).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glavo::scene {

struct RawImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, top row first

  std::uint32_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * width + x];
  }
};

bool WriteRawImage(const std::string& path, const RawImage& image);
// Fails (false, with `error` set) on a missing file, a wrong tag, a size
// beyond 16384 x 16384 or a short file.
bool ReadRawImage(const std::string& path, RawImage& image, std::string& error);

}  // namespace glavo::scene
