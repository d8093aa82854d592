#include "platform/win32/pointer_shape.h"

#include "platform/win32/window_icon.h"
#include "runtime/control_surface.h"

namespace glavo::win32 {
namespace {

// The standard pointer shapes by MousePointer value; others show the arrow.
LPCWSTR StandardCursor(std::int16_t pointer) {
  switch (pointer) {
    case 2: return IDC_CROSS;
    case 3: return IDC_IBEAM;
    case 5: case pointer::kSizeAll: return IDC_SIZEALL;
    case pointer::kSizeNESW: return IDC_SIZENESW;
    case pointer::kSizeNS: return IDC_SIZENS;
    case pointer::kSizeNWSE: return IDC_SIZENWSE;
    case pointer::kSizeWE: return IDC_SIZEWE;
    case 10: return IDC_UPARROW;
    case 11: return IDC_WAIT;
    case 12: return IDC_NO;
    case 13: return IDC_APPSTARTING;
    case 14: return IDC_HELP;
    default: return IDC_ARROW;
  }
}

}  // namespace

PointerShape::~PointerShape() {
  if (custom_) DestroyCursor(custom_);
}

void PointerShape::setIcon(const PictureRef& icon) {
  if (custom_) DestroyCursor(custom_);
  custom_ = nullptr;
  if (icon && !icon->empty()) {
    const POINT hot = PictureHotSpot(*icon);
    custom_ = CursorFromPicture(*icon, hot.x, hot.y);
  }
}

void PointerShape::show(std::int16_t pointer) const {
  if (pointer == pointer::kCustom && custom_) {
    SetCursor(custom_);
    return;
  }
  SetCursor(LoadCursorW(nullptr, StandardCursor(pointer)));
}

}  // namespace glavo::win32
