#include "graphics/color.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "graphics/overflow_error.h"

namespace glavo {
namespace {

TEST(ClampByte, ClampsButKeepsFractions) {
  const std::pair<double, double> cases[] = {{255.4, 255.0}, {254.6, 254.6}, {-0.1, 0.0}, {0.0, 0.0}, {1e300, 255.0}};
  for (auto [in, out] : cases) EXPECT_EQ(ClampByte(in), out) << in;
}

TEST(ScaleValue, ScalesWithoutOffsetsOrWrapping) {
  EXPECT_EQ(ScaleValue(5, 0, 0, 100, 255), 0);      // empty source range
  EXPECT_EQ(ScaleValue(50, 0, 100, 100, 255), 78);  // 77.5 ties to even
  EXPECT_EQ(ScaleValue(30, 0, 100, 100, 255), 46);  // 46.5 ties to even
  EXPECT_EQ(ScaleValue(60, 50, 70, 0, 10), 30);     // v is not offset by a
  EXPECT_EQ(ScaleValue(10, 20, 0, 0, 4), -2);       // reversed range flips the sign
  // Wide ranges do not wrap.
  const std::int32_t lo = std::numeric_limits<std::int32_t>::min();
  const std::int32_t hi = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(ScaleValue(hi, lo, hi, 0, 100), 50);
  EXPECT_THROW(ScaleValue(hi, 0, 1, 0, hi), OverflowError);
}

TEST(ClampRange, TestsTheUpperBoundFirst) {
  // {v, lo, hi, result}: 3 is below both, and only then does lo apply.
  const int cases[][4] = {{7, 10, 5, 5}, {3, 10, 5, 10}, {-3, 0, 10, 0}, {11, 0, 10, 10}, {4, 0, 10, 4}};
  for (const auto& c : cases) EXPECT_EQ(ClampRange(c[0], c[1], c[2]), c[3]) << c[0] << " in " << c[1] << ".." << c[2];
}

TEST(SplitChannels, ReadsRedFromTheLowestByte) {
  const Channels c = SplitChannels(MakeRgb(1, 2, 3));
  EXPECT_EQ((std::array{c.r, c.g, c.b}), (std::array{1, 2, 3}));
  // An untranslated system colour is split as the negative number it is:
  // division truncates toward zero before the mask.
  const Channels s = SplitChannels(0x80000005u);
  EXPECT_EQ((std::array{s.r, s.g, s.b}), (std::array{5, 1, 1}));
}

TEST(BlendColors, AveragesAndRoundsTiesToEven) {
  EXPECT_EQ(BlendColors(MakeRgb(1, 2, 3), MakeRgb(2, 3, 4)), MakeRgb(2, 2, 4));
  EXPECT_EQ(BlendColors(MakeRgb(0, 255, 10), MakeRgb(255, 255, 20)), MakeRgb(128, 255, 15));
  EXPECT_EQ(BlendColors(MakeRgb(0, 0, 0), MakeRgb(253, 253, 253)), MakeRgb(126, 126, 126));
}

TEST(ShiftColor, LightensAndDarkensWithClamping) {
  EXPECT_EQ(ShiftColor(MakeRgb(250, 10, 128), 20), MakeRgb(255, 30, 148));
  EXPECT_EQ(ShiftColor(MakeRgb(250, 10, 128), -20), MakeRgb(230, 0, 108));
  EXPECT_EQ(ShiftColor(MakeRgb(1, 2, 3), std::numeric_limits<std::int32_t>::max()), MakeRgb(255, 255, 255));
  EXPECT_EQ(ShiftColor(MakeRgb(1, 2, 3), std::numeric_limits<std::int32_t>::min()), MakeRgb(0, 0, 0));
  // ShiftColorRGB shifts each channel by its own amount.
  EXPECT_EQ(ShiftColorRGB(MakeRgb(100, 100, 100), -23, -17, -9), MakeRgb(77, 83, 91));
  EXPECT_EQ(ShiftColorRGB(MakeRgb(10, 250, 128), -20, 10, 0), MakeRgb(0, 255, 128));
}

TEST(TranslateColor, ResolvesSystemColoursAndKeepsInvalidOnes) {
  const DefaultColorTable table;
  EXPECT_EQ(TranslateColor(table, MakeRgb(12, 34, 56)), MakeRgb(12, 34, 56));
  EXPECT_EQ(TranslateColor(table, 0x8000000Fu), MakeRgb(240, 240, 240));  // button face
  for (OleColor kept : {0x800000FFu, 0x80000019u, 0x7F000000u}) EXPECT_EQ(TranslateColor(table, kept), kept) << kept;
}

}  // namespace
}  // namespace glavo
