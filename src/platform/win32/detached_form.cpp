#include "platform/win32/detached_form.h"

#include <algorithm>

namespace glavo::server {
namespace {

[[noreturn]] void NoMember() {
  throw HostError(host_error::kNoSuchMember, "Object doesn't support this property or method");
}

}  // namespace

DetachedForm::DetachedForm(double twipsPerPixelX, double twipsPerPixelY)
    : width_(640 * twipsPerPixelX), height_(480 * twipsPerPixelY) {}

HostValue DetachedForm::get(std::string_view member) {
  if (member == "BorderStyle") return borderStyle_;
  if (member == "ShowInTaskbar") return showInTaskbar_;
  if (member == "Caption") return caption_;
  if (member == "WindowState") return windowState_;
  if (member == "hwnd") return std::int32_t{0};
  if (member == "Icon") return icon_;
  if (member == "Left") return left_;
  if (member == "Top") return top_;
  if (member == "Width") return width_;
  if (member == "Height") return height_;
  // Borderless: the client area is the whole form.
  if (member == "ScaleWidth") return width_;
  if (member == "ScaleHeight") return height_;
  NoMember();
}

void DetachedForm::set(std::string_view member, const HostValue& value) {
  if (member == "BorderStyle") {
    borderStyle_ = HostToLong(value);
  } else if (member == "ShowInTaskbar") {
    showInTaskbar_ = HostToBool(value);
  } else if (member == "Caption") {
    caption_ = HostToString(value);
  } else if (member == "WindowState") {
    windowState_ = HostToLong(value);
  } else if (member == "Icon") {
    icon_ = HostToPicture(value);
  } else if (member == "Left") {
    left_ = HostToDouble(value);
  } else if (member == "Top") {
    top_ = HostToDouble(value);
  } else if (member == "Width") {
    width_ = std::max(0.0, HostToDouble(value));
  } else if (member == "Height") {
    height_ = std::max(0.0, HostToDouble(value));
  } else if (member == "hwnd" || member == "ScaleWidth" || member == "ScaleHeight") {
    throw HostError(host_error::kCannotChange, "Can't set a read-only property");
  } else {
    NoMember();
  }
}

}  // namespace glavo::server
