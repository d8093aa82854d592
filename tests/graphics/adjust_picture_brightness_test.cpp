#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas.h"
#include "graphics/color.h"

namespace glavo {
namespace {

using testing::Canvas;

constexpr Rgb kGrey = MakeRgb(120, 120, 120);

bool InRect(int x, int y) { return x >= 2 && x < 8 && y >= 3 && y < 6; }

TEST(AdjustPictureBrightness, ChangesOnlyItsRectangle) {
  Canvas c(12, 10, kGrey);
  AdjustPictureBrightness(c.dc, 20, 2, 3, 6, 3);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 12; ++x) {
      if (InRect(x, y)) {
        EXPECT_GT(RedOf(c.at(x, y)), 120) << x << "," << y;
      } else {
        EXPECT_EQ(c.at(x, y), kGrey) << x << "," << y;
      }
    }
  }
}

TEST(AdjustPictureBrightness, ClampsToPlusMinusHundred) {
  for (int b : {250, -250}) {
    Canvas over(12, 10, kGrey);
    Canvas limit(12, 10, kGrey);
    AdjustPictureBrightness(over.dc, b, 2, 3, 6, 3);
    AdjustPictureBrightness(limit.dc, b > 0 ? 100 : -100, 2, 3, 6, 3);
    EXPECT_EQ(over.dc.getColorAdjustment().brightness, b > 0 ? 100 : -100);
    EXPECT_EQ(over.bitmap.pixels(), limit.bitmap.pixels());
  }
}

// Records the order of the calls that make up the adjustment.
struct RecordingDc : testing::TextlessDc {
  using TextlessDc::TextlessDc;
  int setStretchBltMode(int mode) override {
    calls.push_back("mode " + std::to_string(mode));
    return TextlessDc::setStretchBltMode(mode);
  }
  void setColorAdjustment(const ColorAdjustment& ca) override {
    calls.push_back("adjust " + std::to_string(ca.brightness));
    TextlessDc::setColorAdjustment(ca);
  }
  bool stretchBlt(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy, int sw,
                  int sh, std::uint32_t rop) override {
    const auto rect = [](int x, int y, int w, int h) {
      return std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(w) + " " +
             std::to_string(h);
    };
    calls.push_back("blt " + rect(dx, dy, dw, dh) + (&src == this ? " from self " : " from ? ") +
                    rect(sx, sy, sw, sh) + (rop == kSrcCopy ? " srccopy" : ""));
    return TextlessDc::stretchBlt(dx, dy, dw, dh, src, sx, sy, sw, sh, rop);
  }
  std::vector<std::string> calls;
};

TEST(AdjustPictureBrightness, CopiesTheRectangleOntoItselfAfterSettingUp) {
  Canvas c(12, 10, kGrey);
  RecordingDc dc(c.bitmap);
  ColorAdjustment ca = dc.getColorAdjustment();
  ca.contrast = 7;
  ca.redGamma = 12000;
  dc.setColorAdjustment(ca);
  dc.calls.clear();
  AdjustPictureBrightness(dc, -7, 1, 2, 3, 4);
  const std::vector<std::string> expected = {"mode 4", "adjust -7",
                                             "blt 1 2 3 4 from self 1 2 3 4 srccopy"};
  EXPECT_EQ(dc.calls, expected);
  // Only the brightness of the context's record changes.
  EXPECT_EQ(dc.getColorAdjustment().contrast, 7);
  EXPECT_EQ(dc.getColorAdjustment().redGamma, 12000);
}

}  // namespace
}  // namespace glavo
