// The portable 128-bit integer (what the i686 build uses) against the
// compiler's own, where the native build has one.
#include "raster/wide_int.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace glavo::raster {
namespace {

#if defined(__SIZEOF_INT128__)
// The low half and the value divided by 2^64 (both truncating, with the
// sign) settle a 128-bit value.
bool Same(PortableInt128 p, __int128 b) {
  constexpr std::int64_t k = std::int64_t{1} << 62;
  return static_cast<std::int64_t>(p) == static_cast<std::int64_t>(b) &&
         static_cast<std::int64_t>(p / k / 4) == static_cast<std::int64_t>(b / k / 4) && (p < 0) == (b < 0);
}

std::int64_t Pick(std::mt19937_64& rng) {
  // Small, 32-bit, 62-bit and extreme magnitudes, both signs.
  static const std::int64_t kEdges[] = {0, 1, -1, 2, 7, std::numeric_limits<std::int64_t>::max(),
                                        std::numeric_limits<std::int64_t>::min(), 1 << 30, -(1ll << 40)};
  switch (rng() % 4) {
    case 0: return kEdges[rng() % (sizeof kEdges / sizeof kEdges[0])];
    case 1: return static_cast<std::int32_t>(rng());
    case 2: return static_cast<std::int64_t>(rng()) >> (rng() % 60);
    default: return static_cast<std::int64_t>(rng());
  }
}

TEST(PortableInt128, AgreesWithTheBuiltInType) {
  std::mt19937_64 rng(20261206);
  for (int round = 0; round < 200000; ++round) {
    const std::int64_t a = Pick(rng), b = Pick(rng), c = Pick(rng);
    std::int64_t d = Pick(rng);
    if (d == 0) d = 3;
    // The shapes the raster computes: a product, an offset, a division.
    const PortableInt128 p = PortableInt128(a) * b + c;
    const __int128 w = static_cast<__int128>(a) * b + c;
    ASSERT_TRUE(Same(p, w)) << a << " * " << b << " + " << c;
    ASSERT_TRUE(Same(p - a, w - a)) << a << " " << b << " " << c;
    ASSERT_TRUE(Same(p / d, w / d)) << a << " * " << b << " + " << c << " / " << d;
    ASSERT_TRUE(Same(p % d, w % d)) << a << " * " << b << " + " << c << " % " << d;
    ASSERT_EQ(p == PortableInt128(static_cast<std::int64_t>(p)), w == static_cast<std::int64_t>(w));
    ASSERT_EQ(p < PortableInt128(c), w < c);
    ASSERT_EQ(p > 0, w > 0);
  }
}
#endif

TEST(PortableInt128, HoldsProductsBeyondSixtyFourBits) {
  const std::int64_t big = std::numeric_limits<std::int64_t>::max();
  const PortableInt128 square = PortableInt128(big) * big;
  EXPECT_EQ(static_cast<std::int64_t>(square / big), big);
  EXPECT_EQ(static_cast<std::int64_t>(square % big), 0);
  EXPECT_EQ(static_cast<std::int64_t>((square + 5) % big), 5);
  EXPECT_EQ(static_cast<std::int64_t>(-square / big), -big);
  EXPECT_EQ(static_cast<std::int64_t>((-square - 5) % big), -5);  // truncation: the sign of the dividend
  EXPECT_TRUE(square > PortableInt128(big));
  EXPECT_TRUE(-square < PortableInt128(std::numeric_limits<std::int64_t>::min()));
  EXPECT_FALSE(square == PortableInt128(static_cast<std::int64_t>(square)));
}

}  // namespace
}  // namespace glavo::raster
