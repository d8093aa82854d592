// The tile comparisons excuse differences by rule; a rule that excused too
// much would let Win32Gdi pass whatever real GDI drew. So each rule is held
// here to report what lies beyond its excuse; excusing too little shows as
// a Win32Gdi failure.
#include "image_compare.h"

#include <gtest/gtest.h>

#include "draw/device_context.h"

namespace glavo::wine {
namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kNavy = 0x00203080;
constexpr Rect kArea{0, 0, 40, 30};
const Rgb kWhiteRgb = MakeRgb(255, 255, 255);

void Fill(scene::RawImage& image, const Rect& r, std::uint32_t color) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) image.pixels[y * image.width + x] = color;
  }
}

scene::RawImage WithBox(const Rect& r, std::uint32_t color = kNavy) {
  scene::RawImage image{40, 30, std::vector<std::uint32_t>(40 * 30, kWhite)};
  Fill(image, r, color);
  return image;
}

TEST(ImageCompare, EachRuleReportsWhatLiesBeyondItsExcuse) {
  const auto box = WithBox({10, 10, 20, 20});
  // Geometry excuses an edge moved by one pixel, not by two, nor a colour
  // found nowhere near in the other image, whichever image has it.
  EXPECT_EQ(CompareGeometry(box, WithBox({11, 10, 21, 21}), kArea).unexplained, 0);
  EXPECT_GT(CompareGeometry(box, WithBox({12, 10, 22, 20}), kArea).unexplained, 0);
  auto dotted = box;
  dotted.pixels[15 * 40 + 15] = 0x00FF0000;
  EXPECT_EQ(CompareGeometry(box, dotted, kArea).unexplained, 1);
  EXPECT_EQ(CompareGeometry(dotted, box, kArea).unexplained, 1);
  // Colour: a channel one beyond the tolerance.
  EXPECT_EQ(CompareColor(WithBox({10, 10, 20, 20}, 0x00808080), WithBox({10, 10, 20, 20}, 0x00808083), kArea, 2)
                .unexplained,
            100);
  // Ink: the box placed elsewhere, or the same box with far less ink.
  const auto ink = WithBox({5, 5, 25, 15});
  EXPECT_EQ(CompareInk(ink, WithBox({6, 5, 26, 15}), kArea, kWhiteRgb, 2, 0.1).unexplained, 0);
  EXPECT_EQ(CompareInk(ink, WithBox({15, 5, 35, 15}), kArea, kWhiteRgb, 2, 0.1).unexplained, 1);
  EXPECT_EQ(CompareInk(ink, WithBox({5, 5, 25, 15}, 0x00A0A0A0), kArea, kWhiteRgb, 2, 0.1).unexplained, 1);
}

// Lines of "text" as bars: each {left, right} at rows 4 + 7 * i .. + 5.
scene::RawImage Lines(std::initializer_list<std::pair<int, int>> spans) {
  auto image = WithBox({0, 0, 0, 0});
  int top = 4;
  for (const auto& [left, right] : spans) {
    Fill(image, {left, top, right, top + 5}, kNavy);
    top += 7;
  }
  return image;
}

int Unexplained(const scene::RawImage& a, const scene::RawImage& b, unsigned align) {
  return CompareParagraph(a, b, kArea, kWhiteRgb, align, 1, 0.1).unexplained;
}

TEST(ImageCompare, ParagraphsReportEachLineOffItsAlignedEdgeAndEachLineOneSideLacks) {
  const auto left = Lines({{2, 30}, {2, 36}, {2, 20}});
  const auto right = Lines({{10, 38}, {2, 38}, {18, 38}});
  const auto centred = Lines({{6, 34}, {2, 38}, {10, 30}});
  EXPECT_EQ(Unexplained(left, Lines({{2, 31}, {3, 35}, {2, 21}}), dt::kLeft), 0);
  EXPECT_EQ(Unexplained(left, right, dt::kLeft), 2);
  EXPECT_EQ(Unexplained(right, left, dt::kRight), 3);
  // Line 2 is almost as wide as the tile either way.
  EXPECT_EQ(Unexplained(centred, left, dt::kCenter), 2);
  EXPECT_EQ(Unexplained(Lines({{2, 30}, {2, 20}}), Lines({{2, 30}, {2, 20}, {2, 8}}), dt::kLeft), 1);
  // A band of up to three rows counts as the marks over the line below; a
  // taller one is a line of its own, which the other rendering lacks.
  auto plain = WithBox({2, 2, 30, 8});
  Fill(plain, {2, 14, 20, 20}, kNavy);
  auto dotted = plain;
  Fill(dotted, {12, 9, 14, 13}, kNavy);
  EXPECT_EQ(Unexplained(dotted, plain, dt::kLeft), 1);
}

}  // namespace
}  // namespace glavo::wine
