// The opaque runs of a surface's mask over its current size, worked out
// again only when the mask picture, its key colour or the size changed.
#pragma once

#include <vector>

#include "draw/picture.h"
#include "draw/types.h"
#include "runtime/opaque_runs.h"

namespace glavo {

class MaskRuns {
 public:
  // `mask` null: nothing is transparent. True when the runs changed.
  bool update(const PictureRef& mask, Rgb key, int width, int height);
  // Empty: the whole surface is opaque (as OpaqueRuns).
  const std::vector<Rect>& runs() const { return runs_; }

 private:
  struct Source {
    PictureRef mask;  // held, so a new picture cannot reuse its address
    Rgb key = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Source&) const = default;
  };
  Source source_;
  std::vector<Rect> runs_;
};

}  // namespace glavo
