// Writing a screenshot as a PNG file without an image library: stored
// (uncompressed) deflate blocks, which every PNG reader accepts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glavo_demo {

// `pixels` are 0x00RRGGBB, top row first.
bool WritePng(const std::wstring& path, const std::vector<std::uint32_t>& pixels, int width, int height);

}  // namespace glavo_demo
