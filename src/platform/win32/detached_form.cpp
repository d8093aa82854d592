#include "platform/win32/detached_form.h"

#include <algorithm>

namespace glavo::win32 {

DetachedForm::DetachedForm(double twipsPerPixelX, double twipsPerPixelY)
    : width_(640 * twipsPerPixelX), height_(480 * twipsPerPixelY) {}

double DetachedForm::bound(FormBound which) {
  switch (which) {
    case FormBound::kLeft: return left_;
    case FormBound::kTop: return top_;
    case FormBound::kWidth: return width_;
    case FormBound::kHeight: return height_;
  }
  return 0;
}

void DetachedForm::setBound(FormBound which, double twips) {
  switch (which) {
    case FormBound::kLeft: left_ = twips; break;
    case FormBound::kTop: top_ = twips; break;
    case FormBound::kWidth: width_ = std::max(0.0, twips); break;
    case FormBound::kHeight: height_ = std::max(0.0, twips); break;
  }
}

}  // namespace glavo::win32
