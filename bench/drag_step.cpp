#include "drag_step.h"

#include "host/soft/sim_surface.h"

namespace glavo::bench {
namespace {

soft::SimSurface& Corner(SkinnedForm& form) {
  return static_cast<soft::SimSurface&>(form.skin().part(gwr_RightCorner).surface());
}

}  // namespace

CornerDrag::CornerDrag(SkinnedForm& form) : form_(form) {
  const Point origin = Corner(form_).screenOrigin();
  last_ = Point{0, 0};
  form_.stage().desktop().moveCursor(origin);
  form_.stage().desktop().pressButton(mouse::kLeft);
}

CornerDrag::~CornerDrag() { form_.stage().desktop().releaseButton(mouse::kLeft); }

// The corner moves with the edge it drags, so the pointer is placed
// relative to where the corner stands now.
void CornerDrag::Step(bool grow) {
  const int d = grow ? 1 : -1;
  const Point origin = Corner(form_).screenOrigin();
  last_ = Point{last_.x + d, last_.y + d};
  form_.stage().desktop().moveCursor(Point{origin.x + last_.x, origin.y + last_.y});
}

}  // namespace glavo::bench
