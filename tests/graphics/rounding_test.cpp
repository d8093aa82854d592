#include "graphics/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace glavo {
namespace {

TEST(RoundHalfEven, TiesGoToTheEvenNeighbourOthersToTheNearest) {
  // Ties down and up to the even neighbour on both sides of zero, then
  // non-ties to the nearest: 0.49999999999999994 is the classic
  // floor(x + 0.5) trap, 2^52 + 1 is already whole.
  const std::pair<double, double> doubles[] = {
      {0.5, 0.0},      {1.5, 2.0},       {2.5, 2.0},        {-0.5, 0.0},
      {-1.5, -2.0},    {2.4999999, 2.0}, {2.5000001, 3.0},  {-2.5000001, -3.0},
      {-1e-30, 0.0},   {0.49999999999999994, 0.0},          {4503599627370497.0, 4503599627370497.0}};
  for (auto [in, out] : doubles) EXPECT_EQ(RoundHalfEven(in), out) << std::hexfloat << in;
  const std::pair<float, float> floats[] = {{2.5f, 2.0f}, {-3.5f, -4.0f}, {-0.49999997f, 0.0f}, {16777215.0f, 16777215.0f}};
  for (auto [in, out] : floats) EXPECT_EQ(RoundHalfEven(in), out) << std::hexfloat << in;
}

TEST(RoundToInt, ChecksTheTargetRange) {
  EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
  EXPECT_EQ(RoundToInt32(-2147483648.5), -2147483648);  // tie to the even bound
  for (double v : {2147483647.5, -2147483649.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(RoundToInt32(v), OverflowError) << v;
  }
  EXPECT_EQ(RoundToInt16(32767.49), 32767);
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);
  for (double v : {32767.5, -32769.0}) EXPECT_THROW(RoundToInt16(v), OverflowError) << v;
}

TEST(RoundSmall, SaturatesInsteadOfOverflowing) {
  const std::pair<double, int> cases[] = {{127.5, 128}, {-0.5, 0}, {1e300, std::numeric_limits<int>::max()},
                                          {-1e300, std::numeric_limits<int>::min()}, {std::nan(""), 0}};
  for (auto [in, out] : cases) EXPECT_EQ(RoundSmall(in), out) << in;
}

TEST(Wrap16, KeepsTheLowSixteenBits) {
  const std::pair<int, int> cases[] = {{32767 + 1, -32768}, {-32768 - 1, 32767}, {65536 + 5, 5}, {-7, -7}};
  for (auto [in, out] : cases) EXPECT_EQ(Wrap16(in), out) << in;
}

}  // namespace
}  // namespace glavo
