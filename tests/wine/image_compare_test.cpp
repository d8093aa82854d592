#include "image_compare.h"

#include <gtest/gtest.h>

#include "draw/device_context.h"

namespace glavo::wine {
namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kNavy = 0x00203080;
constexpr Rect kArea{0, 0, 40, 30};
const Rgb kWhiteRgb = MakeRgb(255, 255, 255);

scene::RawImage Blank(int w = 40, int h = 30) {
  return scene::RawImage{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, kWhite)};
}

void Fill(scene::RawImage& image, const Rect& r, std::uint32_t color) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) image.pixels[y * image.width + x] = color;
  }
}

scene::RawImage WithBox(const Rect& r, std::uint32_t color = kNavy) {
  scene::RawImage image = Blank();
  Fill(image, r, color);
  return image;
}

TEST(CompareGeometry, ExcusesEdgesMovedByOnePixelOnly) {
  const auto base = WithBox({10, 10, 20, 20});
  const TileDiff same = CompareGeometry(base, base, kArea);
  EXPECT_EQ(same.differing, 0);

  const TileDiff byOne = CompareGeometry(base, WithBox({11, 10, 21, 21}), kArea);
  EXPECT_GT(byOne.differing, 0);
  EXPECT_EQ(byOne.unexplained, 0);

  const TileDiff byTwo = CompareGeometry(base, WithBox({12, 10, 22, 20}), kArea);
  EXPECT_GT(byTwo.unexplained, 0) << "a column two pixels away has no match within one";
}

TEST(CompareGeometry, ANewColourOrALoneDotIsNeverExcusedEitherWay) {
  auto other = WithBox({10, 10, 20, 20});
  other.pixels[15 * 40 + 15] = 0x00FF0000;  // inside the box, a colour found nowhere near
  const TileDiff diff = CompareGeometry(WithBox({10, 10, 20, 20}), other, kArea);
  EXPECT_EQ(diff.differing, 1);
  EXPECT_EQ(diff.unexplained, 1);
  EXPECT_EQ(diff.maxChannelDelta, 255 - 0x20);  // the red channel
  // A lone dot in one image: its colour is not near the other image's pixel.
  auto dotted = Blank();
  dotted.pixels[5 * 40 + 5] = kNavy;
  EXPECT_EQ(CompareGeometry(Blank(), dotted, kArea).unexplained, 1);
  EXPECT_EQ(CompareGeometry(dotted, Blank(), kArea).unexplained, 1);
}

TEST(CompareGeometry, IgnoresAlphaAndStaysInsideTheArea) {
  auto a = WithBox({10, 10, 20, 20});
  auto b = a;
  for (auto& p : b.pixels) p |= 0xFF000000u;
  EXPECT_EQ(CompareGeometry(a, b, kArea).differing, 0);
  Fill(b, {30, 0, 40, 30}, 0x00FF00FF);
  EXPECT_EQ(CompareGeometry(a, b, Rect{0, 0, 30, 30}).differing, 0);
  // An area reaching past the image is clipped, not read out of bounds.
  EXPECT_EQ(CompareGeometry(a, a, Rect{-5, -5, 100, 100}).differing, 0);
}

TEST(CompareColor, AllowsRoundingWithinTheTolerance) {
  const auto a = WithBox({10, 10, 20, 20}, 0x00808080);
  const TileDiff close = CompareColor(a, WithBox({10, 10, 20, 20}, 0x00828081), kArea, 2);
  EXPECT_EQ(close.differing, 100);
  EXPECT_EQ(close.unexplained, 0);
  EXPECT_EQ(close.maxChannelDelta, 2);
  const TileDiff far = CompareColor(a, WithBox({10, 10, 20, 20}, 0x00808083), kArea, 2);
  EXPECT_EQ(far.unexplained, 100);
}

TEST(CompareInk, BoxesTheInkAndHoldsPlacementAndAmount) {
  auto image = WithBox({10, 12, 20, 14});
  image.pixels[25 * 40 + 30] = 0x00F0F0F0;  // faint ink counts too
  const InkBox ink = MeasureInk(image, kArea, kWhiteRgb);
  EXPECT_EQ(ink.box, (Rect{10, 12, 31, 26}));
  EXPECT_EQ(ink.ink, 20L * (255 - 0x20) + 15);
  EXPECT_EQ(MeasureInk(Blank(), kArea, kWhiteRgb).ink, 0);

  const auto a = WithBox({5, 5, 25, 15});
  EXPECT_EQ(CompareInk(a, WithBox({6, 5, 26, 15}), kArea, kWhiteRgb, 2, 0.1).unexplained, 0);
  EXPECT_EQ(CompareInk(a, WithBox({15, 5, 35, 15}), kArea, kWhiteRgb, 2, 0.1).unexplained, 1);
  EXPECT_EQ(CompareInk(a, WithBox({5, 5, 25, 15}, 0x00A0A0A0), kArea, kWhiteRgb, 2, 0.1).unexplained, 1)
      << "same box, far less ink";
}

// Lines of "text" as bars: each {left, right} at rows 4 + 7 * i .. + 5.
scene::RawImage Lines(std::initializer_list<std::pair<int, int>> spans) {
  auto image = Blank();
  int top = 4;
  for (const auto& [left, right] : spans) {
    Fill(image, {left, top, right, top + 5}, kNavy);
    top += 7;
  }
  return image;
}

TEST(CompareParagraph, HoldsTheAlignedEdgeOfEveryLine) {
  const auto left = Lines({{2, 30}, {2, 36}, {2, 20}});
  EXPECT_EQ(CompareParagraph(left, Lines({{2, 31}, {3, 35}, {2, 21}}), kArea, kWhiteRgb, dt::kLeft, 1,
                             0.1)
                .unexplained,
            0);
  // Right-aligned lines have the same ragged edge as left-aligned ones would not.
  const auto right = Lines({{10, 38}, {2, 38}, {18, 38}});
  EXPECT_EQ(CompareParagraph(left, right, kArea, kWhiteRgb, dt::kLeft, 1, 0.1).unexplained, 2);
  EXPECT_EQ(CompareParagraph(right, Lines({{11, 38}, {2, 37}, {18, 38}}), kArea, kWhiteRgb, dt::kRight,
                             1, 0.1)
                .unexplained,
            0);
  const auto centred = Lines({{6, 34}, {2, 38}, {10, 30}});
  EXPECT_EQ(CompareParagraph(centred, Lines({{7, 33}, {3, 37}, {10, 30}}), kArea, kWhiteRgb,
                             dt::kCenter, 1, 0.1)
                .unexplained,
            0);
  // Lines 1 and 3 are off centre; line 2 is almost as wide as the tile either way.
  EXPECT_EQ(CompareParagraph(centred, left, kArea, kWhiteRgb, dt::kCenter, 1, 0.1).unexplained, 2);
}

TEST(CompareParagraph, ALineOnlyOneSideHasIsAWrappingDifferenceAndFaintInkIsNoLine) {
  const TileDiff diff = CompareParagraph(Lines({{2, 30}, {2, 20}}), Lines({{2, 30}, {2, 20}, {2, 8}}),
                                         kArea, kWhiteRgb, dt::kLeft, 1, 0.1);
  EXPECT_EQ(diff.unexplained, 1);
  EXPECT_NE(diff.detail.find("3 lines"), std::string::npos) << diff.detail;
  auto haze = Lines({{2, 30}});
  Fill(haze, {2, 20, 38, 22}, 0x00E0E0E0);  // soft anti-aliasing fringe only
  EXPECT_EQ(CompareParagraph(haze, Lines({{2, 30}}), kArea, kWhiteRgb, dt::kLeft, 1, 0.1).unexplained, 0);
}

TEST(CompareParagraph, MarksAboveALineBelongToIt) {
  auto plain = Blank();
  Fill(plain, {2, 2, 30, 8}, kNavy);    // a line
  Fill(plain, {2, 14, 20, 20}, kNavy);  // a line of small letters
  auto dotted = plain;
  Fill(dotted, {12, 11, 14, 12}, kNavy);  // a dot over it, apart from both lines
  const TileDiff diff = CompareParagraph(dotted, plain, kArea, kWhiteRgb, dt::kLeft, 1, 0.1);
  EXPECT_EQ(diff.unexplained, 0) << diff.detail;
  EXPECT_NE(diff.detail.find("2 lines"), std::string::npos) << diff.detail;
  // A taller band is a line of its own, which the other rendering lacks.
  Fill(dotted, {12, 9, 14, 13}, kNavy);
  EXPECT_EQ(CompareParagraph(dotted, plain, kArea, kWhiteRgb, dt::kLeft, 1, 0.1).unexplained, 1);
}

}  // namespace
}  // namespace glavo::wine
