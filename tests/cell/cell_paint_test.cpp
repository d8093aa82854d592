// The paint pipeline: mask, fill recipes, flip, caption, glyph, icon, and
// the arithmetic limits at which a pass ends quietly.
#include <set>

#include "cell/caption_text.h"
#include "cell_fixture.h"

namespace glavo::testing {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);

class PaintTest : public CellTest {
 protected:
  // The composed picture, before the copy onto the surface stretches it by
  // one pixel (upright extents are one larger than the surface).
  Rgb Pic(int x, int y) { return cell->pic().point(x, y); }
  struct Expected {
    int x, y;
    Rgb color;
  };
  void ExpectPic(std::initializer_list<Expected> points) {
    for (const Expected& e : points) EXPECT_EQ(Pic(e.x, e.y), e.color) << "at " << e.x << "," << e.y;
  }
  // A new w x h cell with the flat look.
  using CellTest::Flat;
  void Flat(int w, int h, Rgb color) {
    Make(w, h);
    Flat(color);
  }
};

// The rows in which two renderings of the surface differ.
std::set<int> ChangedRows(const raster::Bitmap& a, const raster::Bitmap& b) {
  std::set<int> rows;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if ((a.at(x, y) & 0xFFFFFF) != (b.at(x, y) & 0xFFFFFF)) rows.insert(y);
    }
  }
  return rows;
}

TEST_F(PaintTest, TheMaskMakesTheCornersTransparentWithABlackMaskColour) {
  Make(40, 20);
  cell->SetBorderRoundW(12);
  cell->SetBorderRoundH(12);
  cell->SetMaskColor(0);
  EXPECT_TRUE(surface().transparentAt(0, 0));
  EXPECT_TRUE(surface().transparentAt(39, 19));
  EXPECT_FALSE(surface().transparentAt(20, 10));
  EXPECT_FALSE(surface().transparentAt(6, 0));  // past the corner
  cell->SetMaskColor(0xFFFFFF);  // white: the inside is what vanishes
  EXPECT_FALSE(surface().transparentAt(0, 0));
  EXPECT_TRUE(surface().transparentAt(20, 10));
  cell->SetMaskColor(0x8000000F);  // no pixel of the mask has that colour
  EXPECT_FALSE(surface().transparentAt(0, 0));
  EXPECT_FALSE(surface().transparentAt(20, 10));
  // The shape ignores the fill: a black fill must not punch holes.
  cell->SetMaskColor(0);
  cell->SetCellStyle(12);
  cell->SetCellColor1(0);
  cell->SetCellColor2(0);
  EXPECT_FALSE(surface().transparentAt(20, 10));
  EXPECT_TRUE(surface().transparentAt(0, 0));
  // Square corners leave nothing transparent.
  cell->SetBorderRoundW(0);
  cell->SetBorderRoundH(0);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) ASSERT_FALSE(surface().transparentAt(x, y)) << x << "," << y;
  }
}

TEST_F(PaintTest, AFlatStyleTwelveIsOneColourInsideAndSystemColoursTranslate) {
  Flat(kRed);
  // The corner splats of the zero-radius outline touch only the corners.
  for (int y = 0; y < 29; ++y) {
    for (int x = 0; x < 59; ++x) {
      if ((x == 0 || x == 58) && (y == 0 || y == 28)) continue;
      ASSERT_EQ(Pic(x, y), kRed) << x << "," << y;
    }
  }
  EXPECT_EQ(At(30, 15), kRed);
  // A system colour paints like its RGB value.
  cell->SetCellColor1(0x80000005);  // window background: white
  cell->SetCellColor2(0x80000005);
  EXPECT_EQ(At(30, 15), kWhite);
}

TEST_F(PaintTest, StyleSevenDrawsRowTenTwiceWithTheLowerGradientLast) {
  Flat(40, 20, kRed);
  cell->SetCellColor3(MakeRgb(0, 0, 0));
  cell->SetCellColor1(MakeRgb(200, 100, 0));
  cell->SetCellColor2(MakeRgb(0, 250, 0));
  cell->SetCellColor4(MakeRgb(0, 0, 250));
  cell->SetCellStyle(7);
  ExpectPic({{20, 0, MakeRgb(0, 0, 0)}, {20, 9, MakeRgb(180, 90, 0)}, {20, 10, MakeRgb(0, 250, 0)},
             {20, 15, MakeRgb(0, 125, 125)}});
}

TEST_F(PaintTest, StyleThirteenRampsOutAndBackAtTheSplit) {
  Flat(100, 10, kRed);
  cell->SetCellColor1(MakeRgb(0, 0, 0));
  cell->SetCellColor2(MakeRgb(208, 0, 0));
  cell->SetSplitSize(25);
  cell->SetCellStyle(13);
  // 25 columns ramp over 26 steps of 8 from 0, stopping short of 208.
  // Then back from C2 to C1 from column 25.
  ExpectPic({{0, 5, MakeRgb(0, 0, 0)}, {13, 5, MakeRgb(104, 0, 0)}, {24, 5, MakeRgb(192, 0, 0)},
             {25, 5, MakeRgb(208, 0, 0)}});
  EXPECT_GT(RedOf(Pic(30, 5)), RedOf(Pic(80, 5)));
}

TEST_F(PaintTest, AStyleOutsideTheRangeLeavesTheMaskColourBox) {
  Flat(kRed);
  cell->SetMaskColor(kBlue);
  cell->SetCellStyle(25);
  EXPECT_EQ(At(30, 15), kBlue);
  cell->SetCellStyle(-1);
  EXPECT_EQ(Pic(10, 10), kBlue);
}

TEST_F(PaintTest, FlipOneAndThreeMirrorLeftToRightAndUnknownFlipsKeepTheImage) {
  Flat(50, 12, kRed);
  cell->SetCellColor1(MakeRgb(0, 0, 0));
  cell->SetCellColor2(MakeRgb(250, 250, 250));
  cell->SetSplitSize(20);
  cell->SetCellStyle(13);  // the same in every row but the outline's
  for (int flip : {1, 3}) {
    cell->SetFlipCell(flip);
    for (int x = 0; x < 50; ++x) EXPECT_EQ(At(x, 5), cell->pic().point(49 - x, 5)) << flip << ": " << x;
  }
  // An unknown flip keeps the previous image.
  Flat(kRed);
  cell->SetFlipCell(4);
  cell->SetCellColor1(kBlue);
  cell->SetCellColor2(kBlue);
  EXPECT_EQ(At(30, 5), kRed);
  cell->SetFlipCell(0);
  EXPECT_EQ(At(30, 5), kBlue);
}

TEST_F(PaintTest, TheCaptionIsCentredAsABlockOnePixelUpAndLeftAndWideOnesMoveUp) {
  Flat(200, 40, kWhite);
  cell->SetFont(MakeFont(u"Arial", 9.75f));  // 13 px
  const raster::Bitmap plain = surface().image();
  cell->SetCaption(u"Hi");
  const auto rows = ChangedRows(plain, surface().image());
  ASSERT_FALSE(rows.empty());
  // Top = round((40 - 13) / 2) = 14, minus one: glyphs live in 13..25.
  EXPECT_GE(*rows.begin(), 13);
  EXPECT_LE(*rows.rbegin(), 13 + 13);
  EXPECT_EQ(cell->ForeColor(), cell->CaptionColor());
  // A wide caption moves up half a line height per estimated extra line.
  const std::u16string wide = u"Hi there, wide words wrap over lines";
  cell->SetCaption(wide);
  const double tw = surface().dc().textExtent(wide).cx;  // the caption font is still selected
  const int lines = static_cast<int>(tw / (0.9 * 201)) + 1;
  ASSERT_GE(lines, 2);
  const int wideTop = *ChangedRows(plain, surface().image()).begin();
  const int shortTop = *rows.begin();
  EXPECT_NEAR(shortTop - wideTop, (lines - 1) * 13 / 2.0, 1.0);
}

TEST_F(PaintTest, TheCaptionIsNeverMirrored) {
  Flat(120, 30, kWhite);
  cell->SetBorderColor1(kWhite);  // a picture that looks the same mirrored
  cell->SetCaptionAlignment(0);
  cell->SetCaption(u"LLLL");
  const raster::Bitmap upright = surface().image();
  cell->SetFlipCell(1);
  const auto rows = ChangedRows(upright, surface().image());
  for (int row : rows) EXPECT_TRUE(row == 0 || row == 29) << row;  // only the corner splats move
}

TEST_F(PaintTest, CaptionFontsDoNotPileUp) {
  cell->SetCaption(u"Text");
  const int live = desktop.gdi().liveFonts();
  for (int i = 0; i < 10; ++i) cell->Refresh();
  cell->DrawTextString(u"x", 0, true, 0, 2, u"Tahoma", 20, true, false, 0, 0, -1, -1, 90, 90);
  cell->SetCaption(u"More");
  EXPECT_EQ(desktop.gdi().liveFonts(), live);
  cell.reset();
  EXPECT_LT(desktop.gdi().liveFonts(), live);
}

TEST_F(PaintTest, DrawTextStringFillsOutToTheSurfaceEdges) {
  Flat(80, 30, kWhite);
  const raster::Bitmap plain = surface().image();
  cell->DrawTextString(u"~$00065~$00066", kRed, false, 0, 1, u"Arial", 12, true, false, 0, 0, -1, -1, 0, 0);
  int rightmost = -1;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 80; ++x) {
      if (At(x, y) != raster::RgbFromPixel(plain.at(x, y))) rightmost = std::max(rightmost, x);
    }
  }
  EXPECT_GT(rightmost, 70);  // right-aligned against 80 - 1
  EXPECT_EQ(cell->ForeColor(), kRed);
}

TEST(CaptionTextTest, EscapesDecodeToCodeUnits) {
  // A short tail reads what remains; beyond 65535 is no character.
  const std::pair<std::u16string, std::u16string> texts[] = {
      {u"~$01093", u"\u0445"}, {u"A~$00066C", u"ABC"}, {u"x~$65", u"xA"}, {u"x~$", std::u16string(u"x") + char16_t{0}},
      {u"~$99999z", u"z"},     {u"~$-0001z", u"z"},   {u"~ $", u"~ $"}};
  for (const auto& [text, decoded] : texts) EXPECT_EQ(DecodeCaptionText(text), decoded) << ::testing::PrintToString(text);
  const std::pair<CellCaptionAlignment, unsigned> flags[] = {{CellCaptionAlignment::kCenter, 21u},
      {CellCaptionAlignment::kRight, 22u}, {CellCaptionAlignment::kLeft, 20u}, {CellCaptionAlignment{3}, 0u}};
  for (auto [alignment, value] : flags) EXPECT_EQ(CaptionFlags(alignment), value) << static_cast<int>(alignment);
  const LogFont lf = CaptionLogFont(u"A very long face name that exceeds the limit", 9.75f, 4.0 / 3, true,
                                    false, false, false, -900, -2700);
  EXPECT_EQ(lf.faceName.size(), 31u);
  EXPECT_EQ(lf.height, -13);
  EXPECT_EQ(lf.weight, 700);
  EXPECT_EQ(lf.quality, 4);
}

TEST_F(PaintTest, GetUniCaptionDecodesWithoutSideEffects) {
  cell->SetCaption(u"~$01093");
  const int before = surface().refreshCount();
  EXPECT_EQ(cell->GetUniCaption(), u"\u0445");
  EXPECT_EQ(cell->Caption(), u"~$01093");
  EXPECT_EQ(surface().refreshCount(), before);
}

TEST_F(PaintTest, TheSymbolGlyphIsDrawnOnlyWhenAsked) {
  Flat(30, 30, kWhite);
  cell->SetCaptionColor(kRed);
  cell->SetSymbolNo(65);
  const raster::Bitmap plain = surface().image();
  cell->SetSymbolDraw(true);
  const raster::Bitmap glyph = surface().image();
  EXPECT_FALSE(ChangedRows(plain, glyph).empty());
  cell->SetSymbolNo(300);  // names no single-byte character
  EXPECT_TRUE(ChangedRows(plain, surface().image()).empty());
  cell->SetSymbolNo(65);
  cell->SetSymbolDraw(false);
  EXPECT_TRUE(ChangedRows(plain, surface().image()).empty());
}

// How a picture's alpha blends is PictureBoxTest.PicturesScaleAndBlendByTheirAlpha's.
TEST_F(PaintTest, IconsAreCentredAtIconSizeKeepingTheirRatio) {
  Flat(20, 20, kWhite);
  cell->SetIconSize(16);
  cell->SetIcon(std::make_shared<Picture>(PictureType::kIcon, 32, 32, std::vector<std::uint32_t>(32 * 32, 0xFFFF0000u)));
  ExpectPic({{2, 2, kRed}, {17, 17, kRed}, {1, 10, kWhite}, {18, 10, kWhite}});
  // A wide picture is drawn narrow and tall.
  Flat(60, 60, kWhite);  // IconSize back at 20
  cell->SetIcon(std::make_shared<Picture>(PictureType::kBitmap, 8, 4, std::vector<std::uint32_t>(32, 0xFFFF0000u)));
  // IconSize 20, ratio 2: 10 wide, 40 high, at (25, 10).
  ExpectPic({{25, 10, kRed}, {34, 49, kRed}, {24, 30, kWhite}, {35, 30, kWhite}, {30, 9, kWhite}});
}

// At the limits the pass ends quietly: what was drawn is still shown.
TEST_F(PaintTest, ArithmeticLimitsEndThePassKeepingWhatWasDrawn) {
  Flat(kRed);
  // Style 1's frames step by 1 / SplitSize; 6 has no room below the split;
  // 15's alpha 100 + SplitSize is no byte.
  const struct { int split, style, x, y; } limits[] = {{0, 1, 30, 15}, {100, 6, 30, 15}, {-300, 15, 5, 5}};
  for (const auto& l : limits) {
    cell->SetSplitSize(l.split);
    cell->SetCellStyle(l.style);
    EXPECT_EQ(At(l.x, l.y), kRed) << "style " << l.style;
  }
  Flat(30, 3, kRed);
  cell->SetCellStyle(8);  // k = round(3 / 6) = 0
  EXPECT_EQ(At(10, 1), kRed);
}

// BorderStyle 0, and a gradient border of size zero, still draw the base
// outline on the right and bottom.
TEST_F(PaintTest, NoBorderAndAGradientBorderOfSizeZeroKeepTheBaseOutline) {
  Flat(kWhite);
  cell->SetBorderColor1(kBlue);
  cell->SetBorderSize(0);
  for (int style : {0, 4, 6, 7}) {
    cell->SetBorderStyle(style);
    EXPECT_EQ(Pic(59, 15), kBlue) << style;
    EXPECT_EQ(Pic(30, 29), kBlue) << style;
    EXPECT_EQ(Pic(30, 15), kWhite) << style;
  }
}

// Every pass ends: a hang fails by the test's timeout, an overflow under
// the sanitizers.
TEST_F(PaintTest, HugeParametersFinishWithoutHanging) {
  Flat(kRed);
  cell->SetBorderSize(2000000000);
  cell->SetSplitSize(-2000000000);
  for (int style = 0; style < 25; ++style) cell->SetCellStyle(style);
  for (int border = 0; border < 8; ++border) cell->SetBorderStyle(border);
  cell->SetBorderRoundW(INT32_MAX);
  cell->SetBorderRoundH(INT32_MIN);
  cell->SetIconSize(INT32_MAX);
  cell->SetIcon(std::make_shared<Picture>(PictureType::kIcon, 1, 1, std::vector<std::uint32_t>{0xFF00FF00u}));
  cell->SetBlendSize(0);
  // Found by fuzzing: gradient rings (border style 4) 1674 pixels wide with
  // a huge corner width traced a pen disc far larger than the picture at
  // every point of every ring's outline, for minutes.
  Make(150, 110);
  cell->LoadCellTheme(u"", u"1##4210##16777##8##2960427##1674##4##4##1##304##2960427##8421");
  EXPECT_EQ(cell->BorderStyle(), 4);
  EXPECT_EQ(cell->BorderSize(), 1674);
}


class Repaint : public CellTest {};

// Every style, border and mirror a cell can have paints something, also on
// small and odd sizes, and painting again with nothing changed shows the
// same pixels: what lets a let that changes nothing leave the picture as it
// is.
TEST_F(Repaint, EveryLookPaintsSomethingAndTheSameWhenPaintedAgain) {
  std::vector<std::string> blank, changed;
  for (auto [w, h] : {std::pair{1, 1}, {2, 3}, {7, 4}, {47, 23}}) {
    Make(w, h);
    // Light colours on a black mask colour: a pass that paints nothing
    // leaves the picture black (the caption and glyph are black too).
    cell->LoadCellTheme(u"", u"1##12829635##16711680##5##5##2##1##16777215##True##8421504##12829635##10857122##16777215##255##7##0##0##50");
    cell->SetCaption(u"Caption");
    cell->SetSymbolDraw(true);
    for (int flip = 0; flip < 4; ++flip) {
      for (int border = 0; border < kCellBorderStyleCount; ++border) {
        for (int style = 0; style < kCellFillStyleCount; ++style) {
          cell->SetFlipCell(flip);
          cell->SetBorderStyle(border);
          cell->SetCellStyle(style);
          const std::string look = std::to_string(w) + "x" + std::to_string(h) + " " + std::to_string(flip) + "/" +
                                   std::to_string(border) + "/" + std::to_string(style);
          const auto& pic = cell->pic();
          bool painted = false;
          for (int y = 0; y < pic.height() && !painted; ++y) {
            for (int x = 0; x < pic.width() && !painted; ++x) painted = pic.point(x, y) != 0;
          }
          if (!painted) blank.push_back(look);
          if (style == 3) continue;  // random shimmer
          const raster::Bitmap once = surface().image();
          cell->Refresh();
          if (surface().image().pixels() != once.pixels()) changed.push_back(look);
        }
      }
    }
  }
  EXPECT_TRUE(blank.empty()) << ::testing::PrintToString(blank);
  EXPECT_TRUE(changed.empty()) << ::testing::PrintToString(changed);
}

// A let that changes nothing keeps the picture and still notifies; anything
// else that shows in a paint makes the same let paint again.
TEST_F(Repaint, ALetThatChangesNothingKeepsThePicture) {
  cell->SetCaption(u"Same");
  const int paints = surface().refreshCount();
  surface().clearNotifications();
  cell->SetCaption(u"Same");
  cell->SetCellStyle(cell->CellStyle());
  EXPECT_EQ(surface().refreshCount(), paints);
  EXPECT_EQ(surface().notifications(), (std::vector<std::string>{"Caption", "CellStyle"}));

  cell->SetLeftMargin(7);  // stored only; the next let shows it
  cell->SetCaption(u"Same");
  EXPECT_EQ(surface().refreshCount(), paints + 1);

  cell->Font()->bold = true;  // a shared font changed in place
  cell->SetCaption(u"Same");
  EXPECT_EQ(surface().refreshCount(), paints + 2);

  cell->SetForeColor(0xFF);  // forwarded to the surface without a paint
  cell->SetCaption(u"Same");
  EXPECT_EQ(surface().refreshCount(), paints + 3);
}

TEST_F(Repaint, DrawingFromOutsideIsPaintedOverByTheNextLet) {
  Flat(kRed);
  const raster::Bitmap painted = surface().image();
  cell->hdc().fillRect(Rect{0, 0, 20, 20}, kBlue);
  cell->SetCellStyle(cell->CellStyle());
  EXPECT_EQ(surface().image().pixels(), painted.pixels());
  cell->DrawTextString(u"x", kBlue, false, 0, 0, u"Arial", 12, false, false, 0, 0, 60, 30, 0, 0);
  cell->SetCellStyle(cell->CellStyle());
  EXPECT_EQ(surface().image().pixels(), painted.pixels());
}

TEST_F(Repaint, TheRandomShimmerAndAnUnknownMirrorAlwaysPaint) {
  cell->SetCellStyle(3);
  int paints = surface().refreshCount();
  cell->SetCellStyle(3);
  EXPECT_EQ(surface().refreshCount(), paints + 1);
  cell->SetCellStyle(12);
  cell->SetFlipCell(9);
  paints = surface().refreshCount();
  cell->SetFlipCell(9);
  EXPECT_EQ(surface().refreshCount(), paints + 1);
}

}  // namespace
}  // namespace glavo::testing
