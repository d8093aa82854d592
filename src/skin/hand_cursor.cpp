#include "skin/hand_cursor.h"

#include <array>
#include <string_view>
#include <vector>

namespace glavo {
namespace {

// '#' outline, '.' white fill, ' ' transparent.
constexpr std::array<std::string_view, 22> kHand = {
    "     ##          ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..###       ",
    "    #..#..###    ",
    "    #..#..#..##  ",
    " ## #..#..#..#.# ",
    "#..##........#..#",
    "#...#...........#",
    " #..............#",
    "  #.............#",
    "  #.............#",
    "   #............#",
    "   #...........# ",
    "    #..........# ",
    "    #..........# ",
    "     #........#  ",
    "     #........#  ",
    "     ##########  ",
    "                 ",
};

}  // namespace

PictureRef HandCursor() {
  constexpr int kSize = 32;
  std::vector<std::uint32_t> pixels(kSize * kSize, 0);
  for (int y = 0; y < static_cast<int>(kHand.size()); ++y) {
    for (int x = 0; x < static_cast<int>(kHand[y].size()); ++x) {
      const char c = kHand[y][x];
      if (c == '#') pixels[y * kSize + x] = 0xFF000000u;
      if (c == '.') pixels[y * kSize + x] = 0xFFFFFFFFu;
    }
  }
  return std::make_shared<const Picture>(PictureType::kIcon, kSize, kSize, std::move(pixels));
}

}  // namespace glavo
