// A skinned form for the benchmarks: one built-in theme on a form of a given
// client size, on a simulated desktop with room to drag it larger.
#pragma once

#include <string>

#include "draw/types.h"
#include "stage/skin_stage.h"

namespace glavo::bench {

// The form sizes the frame benchmarks run at.
inline constexpr Size kFrameSizes[] = {{1280, 800}, {1920, 1080}};

class SkinnedForm {
 public:
  SkinnedForm(Size client, int theme);

  stage::SkinStage& stage() { return stage_; }
  GlavoSkin& skin() { return stage_.skin(); }
  // Every part repaints in full, as when the whole frame is uncovered.
  void PaintAll();
  // The pixels of the parts whose size differs from `before` (a snapshot of
  // the part bounds): what a resize must draw at the very least.
  using PartBounds = Rect[kSkinPartCount];
  void SnapshotBounds(PartBounds& out);
  long long ResizedPartPixels(const PartBounds& before);

 private:
  stage::SkinStage stage_;
};

// "Onyx", "AJAX", ...
std::string ThemeName(int theme);
// "1920x1080".
std::string SizeName(Size s);

}  // namespace glavo::bench
