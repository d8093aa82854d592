#include "skin/frame_layout.h"

#include <algorithm>
#include <limits>

#include "graphics/rounding.h"

namespace glavo {
namespace {

void PlaceBorders(const FrameInput& in, FrameLayout& out) {
  const float sw = in.clientWidth, sh = in.clientHeight;
  const float bs = static_cast<float>(in.borderSize), tb = static_cast<float>(in.titleBarSize);
  out.parts[gwr_TitleBar] = {0, 0, sw, tb};
  // The side bars start on the title bar's last row and run as if they began
  // at the top, so their lower ends lie below the client edge, under the corners.
  out.parts[gwr_LeftBar] = {0, tb - 1, bs, sh - bs + 1};
  out.parts[gwr_RightBar] = {sw - bs, tb - 1, bs, sh - bs + 1};
  out.parts[gwr_BottomBar] = {bs - 1, sh - bs, sw - 2 * bs + 2, bs};
  out.parts[gwr_LeftCorner] = {0, sh - bs, bs, bs};
  out.parts[gwr_RightCorner] = {sw - bs - 1, sh - bs, bs, bs};
  if (in.backgroundShow) {
    out.parts[gwr_Back] = {bs, tb - 1, sw - 2 * bs, sh - bs - tb + 2, true};
  } else {
    out.parts[gwr_Back] = {bs, tb - 1, 1, 1, false};
  }
}

void PlaceButtons(const FrameInput& in, FrameLayout& out) {
  struct Button {
    SkinPartsGwr part;
    bool shown;
  };
  const Button buttons[] = {{gwr_CloseButton, in.showCloseButton},
                            {gwr_MaximizeButton, in.showMaximizeButton},
                            {gwr_MinimizeButton, in.showMinimizeButton},
                            {gwr_HelpButton, in.showHelpButton}};
  const float bt = static_cast<float>(in.buttonSize);
  float used = 0;  // width taken by the shown buttons to the right
  for (const Button& b : buttons) {
    // A hidden button is still placed where it would stand, but takes no room.
    out.parts[b.part] = {in.clientWidth - used - 2 - bt, 3, bt, bt, b.shown};
    if (b.shown) used += bt;
  }
  const float icon = static_cast<float>(static_cast<double>(in.titleBarSize) - 6);
  out.parts[gwr_Icon] = {3, 3, icon, icon, in.showIconButton};
}

}  // namespace

FrameLayout ComputeFrameLayout(const FrameInput& in) {
  FrameLayout out;
  PlaceBorders(in, out);
  PlaceButtons(in, out);
  const PartPlacement& icon = out.parts[gwr_Icon];
  // Metrics from a saved form are not clamped; the margin saturates, and
  // placing the parts then reports the overflow.
  const double margin = RoundHalfEven(static_cast<double>(icon.width) + icon.left + 5);
  out.captionLeftMargin =
      !in.showIconButton ? 7
                         : static_cast<std::int32_t>(std::clamp<double>(
                               margin, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
  return out;
}

}  // namespace glavo
