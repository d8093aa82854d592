#include "raster/raster_alpha_blend.h"

#include <gtest/gtest.h>

#include "platform/sim/soft_dc.h"

namespace glavo::raster {
namespace {

BlendFunction Blend(int constant, bool sourceAlpha) {
  BlendFunction b;
  b.constantAlpha = static_cast<std::uint8_t>(constant);
  b.alphaFormat = sourceAlpha ? 1 : 0;
  return b;
}

TEST(AlphaBlendFormula, ConstantAlphaMixesEveryChannelAndSourceAlphaIsPremultiplied) {
  // (src * a + dst * (255 - a) + 127) / 255 per channel.
  EXPECT_EQ(BlendPixel(0x00204060, 0x00FF8040, Blend(128, false)), 0x00906050u);
  EXPECT_EQ(BlendPixel(0x40204060, 0x80FF8040, Blend(77, false)), 0x53635356u);
  EXPECT_EQ(BlendPixel(0x12345678, 0x9ABCDEF0, Blend(255, false)), 0x9ABCDEF0u);
  EXPECT_EQ(BlendPixel(0x12345678, 0x9ABCDEF0, Blend(0, false)), 0x12345678u);
  // Premultiplied source over: dst = src * SCA + dst * (1 - srcAlpha * SCA).
  EXPECT_EQ(BlendPixel(0x00FFFFFF, 0x80804020, Blend(255, true)), 0x80FFBF9Fu);
  EXPECT_EQ(BlendPixel(0x10FFFFFF, 0x80804020, Blend(100, true)), 0x3FFFE6DAu);
  EXPECT_EQ(BlendPixel(0x00123456, 0xFF000000, Blend(255, true)), 0xFF000000u);
  // GDI-drawn pixels have alpha 0: the scaled source is added to an
  // unchanged destination.
  EXPECT_EQ(BlendPixel(0x00405060, 0x00102030, Blend(90, true)), 0x00465B71u);
  // Sums beyond 255 saturate per channel.
  EXPECT_EQ(BlendPixel(0x00A0A0A0, 0x00C08040, Blend(200, true)), 0x00FFFFD2u);
  EXPECT_EQ(BlendPixel(0x00A0A0A0, 0x00C08040, Blend(255, true)), 0x00FFFFE0u);
}

// The tables AlphaBlendCopy blends with give the formula's pixel for every
// constant alpha, both formats and pixels with and without alpha.
TEST(AlphaBlendFormula, TablesAgreeWithTheFormula) {
  std::uint32_t seed = 99;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  for (int constant = 0; constant < 256; ++constant) {
    for (bool sourceAlpha : {false, true}) {
      const PixelBlender blender(Blend(constant, sourceAlpha));
      for (int i = 0; i < 400; ++i) {
        const Pixel dst = next(), src = i % 2 ? next() : next() & 0x00FFFFFFu;
        ASSERT_EQ(blender(dst, src), BlendPixel(dst, src, Blend(constant, sourceAlpha)))
            << constant << " " << sourceAlpha << " " << std::hex << dst << " " << src;
      }
    }
  }
}

Bitmap Pattern(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.at(x, y) = static_cast<Pixel>((x + 1) << 4 | (y + 1) << 12);
  return b;
}

TEST(AlphaBlendCopy, StretchesNearestNeighbour) {
  const Bitmap source = Pattern(3, 2);
  Bitmap target(10, 4, 0x00FFFFFF);
  ASSERT_TRUE(AlphaBlendCopy(target, {1, 1, 8, 3}, source, {0, 0, 3, 2}, Blend(255, false)));
  const Pixel w = 0x00FFFFFF, a = source.at(0, 0), b = source.at(1, 0), c = source.at(2, 0);
  const Pixel d = source.at(0, 1), e = source.at(1, 1), f = source.at(2, 1);
  // 2 rows onto 3: the first repeats.
  EXPECT_EQ(target.pixels(), (std::vector<Pixel>{w, w, w, w, w, w, w, w, w, w,
                                                 w, a, a, a, b, b, c, c, c, w,
                                                 w, a, a, a, b, b, c, c, c, w,
                                                 w, d, d, d, e, e, f, f, f, w}));
}

TEST(AlphaBlendCopy, RefusesWhatGdiRefuses) {
  const Bitmap source = Pattern(3, 2);
  Bitmap target(6, 4, 0x00FFFFFF);
  const Bitmap before = target;
  EXPECT_FALSE(AlphaBlendCopy(target, {0, 0, 4, 2}, source, {0, 0, 4, 2}, Blend(255, false)));
  EXPECT_FALSE(AlphaBlendCopy(target, {0, 0, 3, 2}, source, {-1, 0, 3, 2}, Blend(255, false)));
  EXPECT_FALSE(AlphaBlendCopy(target, {3, 0, -3, 2}, source, {0, 0, 3, 2}, Blend(255, false)));
  EXPECT_FALSE(AlphaBlendCopy(target, {0, 0, 3, 2}, source, {0, 0, 3, -2}, Blend(255, false)));
  BlendFunction badOp = Blend(255, false);
  badOp.blendOp = 1;
  EXPECT_FALSE(AlphaBlendCopy(target, {0, 0, 3, 2}, source, {0, 0, 3, 2}, badOp));
  EXPECT_EQ(target.pixels(), before.pixels());
  EXPECT_TRUE(AlphaBlendCopy(target, {0, 0, 0, 2}, source, {0, 0, 3, 2}, Blend(255, false)));
}

TEST(AlphaBlendCopy, SameSurfaceMustNotOverlap) {
  Bitmap b = Pattern(6, 8);
  const Bitmap before = b;
  EXPECT_FALSE(AlphaBlendCopy(b, {0, 4, 6, 2}, b, {0, 5, 6, 2}, Blend(100, true)));
  EXPECT_EQ(b.pixels(), before.pixels());
  ASSERT_TRUE(AlphaBlendCopy(b, {0, 0, 6, 2}, b, {0, 5, 6, 2}, Blend(100, true)));
  EXPECT_EQ(b.at(2, 1), BlendPixel(before.at(2, 1), before.at(2, 6), Blend(100, true)));
  EXPECT_EQ(b.at(2, 5), before.at(2, 5));
}

TEST(SoftDcAlphaBlend, BlendsBetweenContexts) {
  sim::SoftGdi gdi;
  Bitmap a(4, 1, 0x00204060), b(4, 1, 0x00FF8040);
  sim::SoftDc dst(a, gdi), src(b, gdi);
  EXPECT_TRUE(dst.alphaBlend(1, 0, 2, 1, src, 0, 0, 2, 1, Blend(128, false)));
  EXPECT_EQ(a.pixels(), (std::vector<Pixel>{0x00204060u, 0x00906050u, 0x00906050u, 0x00204060u}));
}

}  // namespace
}  // namespace glavo::raster
