#include "skin/frame_layout.h"

#include <gtest/gtest.h>

#include <array>

namespace glavo {
namespace {

// The worked example. Where it places each part is layout_400x300.txt,
// which `glavo layout --size 400x300` must print (glavo_tool_skin_commands).
FrameInput Example() {
  FrameInput in;
  in.clientWidth = 400;
  in.clientHeight = 300;
  return in;  // BS 3, TB 30, BT 24, every flag on
}

void ExpectPlaced(const FrameLayout& l, SkinPartsGwr p, float left, float top, float w, float h) {
  SCOPED_TRACE(testing::Message() << "part " << p);
  const PartPlacement& at = l.parts[p];
  EXPECT_EQ((std::array{at.left, at.top, at.width, at.height}), (std::array{left, top, w, h}));
}

// A hidden button takes no room but is still placed: each button stands one
// button width left of the visible ones to its right, for every set of
// hidden buttons (all hidden, they stack at the right edge).
TEST(FrameLayout, HiddenButtonsMoveOnlyThoseLeftOfThem) {
  const SkinPartsGwr buttons[] = {gwr_CloseButton, gwr_MaximizeButton, gwr_MinimizeButton,
                                  gwr_HelpButton};
  for (int hidden = 0; hidden < 16; ++hidden) {
    FrameInput in = Example();
    bool* flags[] = {&in.showCloseButton, &in.showMaximizeButton, &in.showMinimizeButton,
                     &in.showHelpButton};
    for (int b = 0; b < 4; ++b) *flags[b] = (hidden >> b & 1) == 0;
    const FrameLayout l = ComputeFrameLayout(in);
    int visibleRight = 0;
    for (int b = 0; b < 4; ++b) {
      EXPECT_EQ(l.parts[buttons[b]].left, 400 - 2 - 24 * (visibleRight + 1))
          << "hidden " << hidden << " button " << b;
      EXPECT_EQ(l.parts[buttons[b]].visible, (hidden >> b & 1) == 0);
      visibleRight += (hidden >> b & 1) == 0;
    }
  }
}

// One input changed from the worked example: where that leaves one part and
// the caption. A hidden background is a one-pixel part; a tiny form gives
// the background a negative height without failing; the caption buttons stay
// 3 pixels below the top whatever the bar height.
TEST(FrameLayout, OneChangedInputPlacesItsPartAndTheCaption) {
  struct Case {
    const char* name;
    void (*change)(FrameInput&);
    SkinPartsGwr part;
    PartPlacement placed;
    std::int32_t captionLeftMargin;
  };
  const Case cases[] = {
      {"no icon", [](FrameInput& in) { in.showIconButton = false; }, gwr_Icon, {3, 3, 24, 24, false}, 7},
      {"title bar 42", [](FrameInput& in) { in.titleBarSize = 42; }, gwr_Icon, {3, 3, 36, 36, true}, 44},
      {"no background", [](FrameInput& in) { in.backgroundShow = false; }, gwr_Back, {3, 29, 1, 1, false}, 32},
      {"20x20", [](FrameInput& in) { in.clientWidth = in.clientHeight = 20; }, gwr_Back,
       {3, 29, 14, 20 - 3 - 30 + 2, true}, 32},
  };
  for (const Case& c : cases) {
    FrameInput in = Example();
    c.change(in);
    const FrameLayout l = ComputeFrameLayout(in);
    SCOPED_TRACE(c.name);
    ExpectPlaced(l, c.part, c.placed.left, c.placed.top, c.placed.width, c.placed.height);
    EXPECT_EQ(l.parts[c.part].visible, c.placed.visible);
    EXPECT_EQ(l.captionLeftMargin, c.captionLeftMargin);
    EXPECT_EQ(l.parts[gwr_CloseButton].top, 3);
  }
}

// Found by fuzzing: metrics read from a saved form are not clamped. The
// icon of a title bar of -2^31 + 1 pixels overflowed a Long; the layout is
// computed in floating point and the caption margin saturates.
TEST(FrameLayout, MetricsAtTheEndsOfTheLongRangeComputeWithoutOverflow) {
  FrameInput in = Example();
  in.titleBarSize = INT32_MIN + 1;
  FrameLayout l = ComputeFrameLayout(in);
  EXPECT_EQ(l.parts[gwr_Icon].width, static_cast<float>(static_cast<double>(INT32_MIN) - 5));
  EXPECT_EQ(l.captionLeftMargin, static_cast<std::int64_t>(l.parts[gwr_Icon].width) + 8);
  in.titleBarSize = INT32_MAX;  // the margin would pass 2^31 - 1
  l = ComputeFrameLayout(in);
  EXPECT_EQ(l.captionLeftMargin, INT32_MAX);
}

}  // namespace
}  // namespace glavo
