#include "runtime/mask_runs.h"

namespace glavo {

bool MaskRuns::update(const PictureRef& mask, Rgb key, int width, int height) {
  Source source{mask, mask ? key : 0, width, height};
  if (source == source_) return false;
  std::vector<Rect> runs = OpaqueRuns(source.mask.get(), source.key, width, height);
  source_ = std::move(source);
  if (runs == runs_) return false;
  runs_ = std::move(runs);
  return true;
}

}  // namespace glavo
