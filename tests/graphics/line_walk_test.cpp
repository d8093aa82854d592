#include "graphics/line_walk.h"

#include <gtest/gtest.h>

#include <vector>

namespace glavo {
namespace {

// One call of the walk: intensity -1 marks a core pixel.
struct Touch {
  int x;
  int y;
  int intensity;
  friend bool operator==(const Touch&, const Touch&) = default;
};

void PrintTo(const Touch& t, std::ostream* os) {
  *os << "(" << t.x << "," << t.y << ":" << t.intensity << ")";
}

// The touches of one walk; `drawn` gets what the walk answered.
std::vector<Touch> Walk(int x1, int y1, int x2, int y2, bool* drawn = nullptr) {
  std::vector<Touch> touches;
  const bool answer = WalkLine(
      static_cast<std::int16_t>(x1), static_cast<std::int16_t>(y1), static_cast<std::int16_t>(x2),
      static_cast<std::int16_t>(y2), [&](int x, int y) { touches.push_back({x, y, -1}); },
      [&](int x, int y, int a) { touches.push_back({x, y, a}); });
  if (drawn) *drawn = answer;
  return touches;
}

TEST(WalkLine, PointToItselfTouchesNothing) {
  bool drawn = true;
  EXPECT_TRUE(Walk(3, 4, 3, 4, &drawn).empty());
  EXPECT_FALSE(drawn);
  Walk(4, 2, 0, 0, &drawn);
  EXPECT_TRUE(drawn);
}

TEST(WalkLine, ErrorTermSteersTheMinorAxisAndTheIntensities) {
  // Shallow line going left and up: sx = sy = -1, dx = 4, dy = 2, e = 42.
  const std::vector<Touch> t = Walk(4, 2, 0, 0);
  const std::vector<Touch> expected = {
      {5, 3, 42}, {5, 2, 127}, {-1, -1, 42}, {-1, 0, 127},
      {4, 2, -1}, {4, 3, 128}, {4, 1, 127},   // err 2 -> a = 127
      {3, 1, -1}, {3, 2, 255}, {3, 0, 0},     // err 0 after the step
      {2, 1, -1}, {2, 2, 128}, {2, 0, 127},
      {1, 0, -1}, {1, 1, 255}, {1, -1, 0},
      {0, 0, -1}, {0, 1, 128}, {0, -1, 127},
  };
  EXPECT_EQ(t, expected);
}

TEST(WalkLine, CoordinatesWrapAtSixteenBits) {
  const std::vector<Touch> t = Walk(32766, 0, 32767, 0);
  // The cap beyond the end and the walk itself stay 16-bit.
  EXPECT_EQ(t[2], (Touch{-32768, 1, 0}));
  EXPECT_EQ(t[3], (Touch{-32768, 0, 127}));
  EXPECT_EQ(t[t.size() - 3], (Touch{32767, 0, -1}));

  const std::vector<Touch> wide = Walk(-32768, 0, 32767, 0);
  int cores = 0;
  for (const Touch& touch : wide) cores += touch.intensity == -1 ? 1 : 0;
  EXPECT_EQ(cores, 65536);
  EXPECT_EQ(wide.back(), (Touch{32767, 1, 127}));
}

}  // namespace
}  // namespace glavo
