#include "drag_step.h"

#include "platform/sim/sim_surface.h"

namespace glavo::bench {
namespace {

sim::SimSurface& Corner(SkinnedForm& form) {
  return static_cast<sim::SimSurface&>(form.skin().part(gwr_RightCorner).surface());
}

}  // namespace

CornerDrag::CornerDrag(SkinnedForm& form) : form_(form) {
  pointer_ = Corner(form_).screenOrigin();
  form_.stage().desktop().moveCursor(pointer_);
  form_.stage().desktop().pressButton(mouse::kLeft);
}

CornerDrag::~CornerDrag() { form_.stage().desktop().releaseButton(mouse::kLeft); }

void CornerDrag::Step(bool grow) {
  const int d = grow ? 1 : -1;
  pointer_ = Point{pointer_.x + d, pointer_.y + d};
  form_.stage().desktop().moveCursor(pointer_);
}

}  // namespace glavo::bench
