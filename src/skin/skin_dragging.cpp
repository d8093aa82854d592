// Moving the form by its title bar (through the system's move loop) and
// resizing it by its borders and lower corners, one step per mouse move.
#include "graphics/rounding.h"
#include "skin/glavo_skin.h"

namespace glavo {
namespace {

// Forms are never dragged to 100 pixels or less in either direction.
constexpr double kMinTrackPixels = 100;

std::int32_t Whole(double v) { return static_cast<std::int32_t>(RoundHalfEven(v)); }

std::int16_t ResizePointer(SkinPartsGwr part) {
  switch (part) {
    case gwr_LeftBar:
    case gwr_RightBar: return pointer::kSizeWE;
    case gwr_BottomBar: return pointer::kSizeNS;
    case gwr_RightCorner: return pointer::kSizeNWSE;
    case gwr_LeftCorner: return pointer::kSizeNESW;
    default: return pointer::kDefault;
  }
}

}  // namespace

// The system runs its modal move loop as for a press on a caption; the call
// returns when the button is released.
void GlavoSkin::MoveRequest() {
  env_->windows.releaseCapture();
  const WindowHandle hwnd = form().hwnd();
  env_->windows.sendMessage(hwnd, kWmNcLButtonDown, kHtCaption, 0);
  surface_->setMousePointer(savedMousePointer_);
  moveArmed_ = false;
}

void GlavoSkin::ArmMove() {
  savedMousePointer_ = surface_->mousePointer();
  surface_->setMousePointer(pointer::kSizeAll);
  moveArmed_ = true;
}

void GlavoSkin::BorderMouseIn(SkinPartsGwr p) {
  const bool canResize = allowResize_ && !isMaximized_;
  part(p).SetMousePointer(canResize ? ResizePointer(p) : pointer::kDefault);
}

void GlavoSkin::RecordPointer(SkinPartsGwr p, float x, float y) {
  if (p != gwr_BottomBar) lastX_ = x;
  if (p == gwr_BottomBar || p == gwr_LeftCorner || p == gwr_RightCorner) {
    lastY_ = Whole(y);
  }
}

// The part's top-left corner on the screen, in pixels: the form's origin
// plus the part's place on the form.
GlavoSkin::PixelOffset GlavoSkin::PartScreenOrigin(SkinPartsGwr p) {
  const Rect own = part(p).surface().bounds();
  const Rect control = surface_->bounds();
  return {form().bound(FormBound::kLeft) / TwipsX() + control.left + own.left,
          form().bound(FormBound::kTop) / TwipsY() + control.top + own.top};
}

// Changes the form's bounds for a step of `p` by (dx, dy) twips; true when
// the form is to be shown again.
bool GlavoSkin::ResizeForm(SkinPartsGwr p, double dx, double dy) {
  const double minWidth = kMinTrackPixels * TwipsX();
  const double minHeight = kMinTrackPixels * TwipsY();
  auto growRight = [&] {
    newExtent_ = Whole(form().bound(FormBound::kWidth) + dx);
    if (newExtent_ <= minWidth) return false;
    form().setBound(FormBound::kWidth, newExtent_);
    return true;
  };
  // The left edge moves only together with an accepted width, so the right
  // edge stays put.
  auto growLeft = [&] {
    newExtent_ = Whole(form().bound(FormBound::kWidth) - dx);
    if (newExtent_ <= minWidth) return false;
    form().setBound(FormBound::kLeft, form().bound(FormBound::kLeft) + dx);
    form().setBound(FormBound::kWidth, newExtent_);
    return true;
  };
  auto growDown = [&] {
    newExtent_ = Whole(form().bound(FormBound::kHeight) + dy);
    if (newExtent_ <= minHeight) return false;
    form().setBound(FormBound::kHeight, newExtent_);
    return true;
  };

  switch (p) {
    case gwr_RightBar: return growRight();
    case gwr_LeftBar: return growLeft();
    case gwr_BottomBar: return growDown();
    case gwr_RightCorner:
      growRight();
      growDown();
      return true;  // the corners show the form again in any case
    case gwr_LeftCorner:
      growLeft();
      growDown();
      return true;
    default: return false;
  }
}

GlavoSkin::PixelOffset GlavoSkin::DragStep(SkinPartsGwr p, float x, float y) {
  const double dx = (x - lastX_) * TwipsX();
  const double dy = (y - lastY_) * TwipsY();
  const PixelOffset before = PartScreenOrigin(p);
  bool changed = false;
  {
    // A form that can moves its window once for the whole step.
    HeldBounds held(form());
    changed = ResizeForm(p, dx, dy);
  }
  if (!changed) return {};
  // The Show sequence once more (its window-style step is skipped while
  // resizing), then the waiting messages, so the form repaints mid-drag.
  // The part's movement is taken before that dispatch: a mouse move handled
  // there is a step of its own and accounts for its own movement.
  ShowSequence();
  const PixelOffset after = PartScreenOrigin(p);
  env_->pump.doEvents();
  return {after.x - before.x, after.y - before.y};
}

}  // namespace glavo
