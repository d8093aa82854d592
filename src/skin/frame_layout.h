// The geometry of the frame: where each of the twelve parts goes for a
// given client size, metrics and flags. Pure arithmetic; the skin applies
// the result to its parts in the layout pass.
#pragma once

#include <array>
#include <cstdint>

#include "skin/skin_enums.h"

namespace glavo {

struct PartPlacement {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
  bool visible = true;
  friend bool operator==(const PartPlacement&, const PartPlacement&) = default;
};

struct FrameInput {
  float clientWidth = 0;   // SW, pixels
  float clientHeight = 0;  // SH, pixels
  std::int32_t borderSize = 3;
  std::int32_t titleBarSize = 30;
  std::int32_t buttonSize = 24;
  bool showCloseButton = true;
  bool showMaximizeButton = true;
  bool showMinimizeButton = true;
  bool showHelpButton = true;
  bool showIconButton = true;
  bool backgroundShow = true;
};

struct FrameLayout {
  std::array<PartPlacement, kSkinPartCount> parts;  // in SkinPartsGwr order
  std::int32_t captionLeftMargin = 0;
};

FrameLayout ComputeFrameLayout(const FrameInput& in);

}  // namespace glavo
