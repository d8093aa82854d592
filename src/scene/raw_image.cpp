#include "scene/raw_image.h"

#include <array>
#include <cstring>
#include <fstream>

namespace glavo::scene {
namespace {

constexpr char kTag[8] = {'G', 'L', 'V', 'O', 'B', 'G', 'R', 'A'};
constexpr int kMaxSide = 16384;

void PutU32(std::ofstream& out, std::uint32_t v) {
  const std::array<char, 4> bytes = {static_cast<char>(v & 255), static_cast<char>((v >> 8) & 255),
                                     static_cast<char>((v >> 16) & 255),
                                     static_cast<char>((v >> 24) & 255)};
  out.write(bytes.data(), 4);
}

bool GetU32(std::ifstream& in, std::uint32_t& v) {
  std::array<unsigned char, 4> b{};
  if (!in.read(reinterpret_cast<char*>(b.data()), 4)) return false;
  v = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  return true;
}

}  // namespace

bool WriteRawImage(const std::string& path, const RawImage& image) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
    return false;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(kTag, sizeof kTag);
  PutU32(out, static_cast<std::uint32_t>(image.width));
  PutU32(out, static_cast<std::uint32_t>(image.height));
  for (std::uint32_t p : image.pixels) PutU32(out, p);
  return static_cast<bool>(out.flush());
}

bool ReadRawImage(const std::string& path, RawImage& image, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  char tag[sizeof kTag] = {};
  std::uint32_t w = 0, h = 0;
  if (!in.read(tag, sizeof tag) || std::memcmp(tag, kTag, sizeof kTag) != 0) {
    error = path + " is not a raw pixel file";
    return false;
  }
  if (!GetU32(in, w) || !GetU32(in, h) || w == 0 || h == 0 || w > kMaxSide || h > kMaxSide) {
    error = path + " has a bad size";
    return false;
  }
  RawImage result;
  result.width = static_cast<int>(w);
  result.height = static_cast<int>(h);
  result.pixels.resize(static_cast<std::size_t>(w) * h);
  for (std::uint32_t& p : result.pixels) {
    if (!GetU32(in, p)) {
      error = path + " is shorter than its size";
      return false;
    }
  }
  image = std::move(result);
  return true;
}

}  // namespace glavo::scene
