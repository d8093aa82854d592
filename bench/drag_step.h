// Driving a resize drag of the lower right corner one mouse move at a time,
// through the desktop's real input path (press captures, moves are reported
// in the part's own pixels).
#pragma once

#include "skinned_form.h"

namespace glavo::bench {

class CornerDrag {
 public:
  // Presses the left button inside RightCorner.
  explicit CornerDrag(SkinnedForm& form);
  ~CornerDrag();
  // One move that grows (grow = true) or shrinks the form by one pixel in
  // both directions.
  void Step(bool grow);

 private:
  SkinnedForm& form_;
  // The pointer on the screen; the corner follows it, so each move is one
  // pixel from where the last step left the corner.
  Point pointer_;
};

}  // namespace glavo::bench
