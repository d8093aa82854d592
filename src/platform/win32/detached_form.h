// The form of a control created without a container (from a script, say):
// an in-memory stand-in that keeps what a skin reads and writes, so every
// property and method works and the steps that act on a real form have
// nothing to act on.
#pragma once

#include <string>

#include "runtime/host_form.h"

namespace glavo::win32 {

class DetachedForm final : public HostForm {
 public:
  // A borderless 640 x 480 pixel form at the origin, in twips of the
  // given size.
  explicit DetachedForm(double twipsPerPixelX = 15, double twipsPerPixelY = 15);

  double bound(FormBound which) override;
  void setBound(FormBound which, double twips) override;
  // Borderless: the client area is the whole form.
  double scaleWidth() override { return width_; }
  double scaleHeight() override { return height_; }
  FormWindowState windowState() override { return windowState_; }
  void setWindowState(FormWindowState state) override { windowState_ = state; }
  void setBorderStyle(FormBorderStyle) override {}
  void setShowInTaskbar(bool) override {}
  std::u16string caption() override { return caption_; }
  void setCaption(const std::u16string& text) override { caption_ = text; }
  PictureRef icon() override { return icon_; }
  void setIcon(const PictureRef& icon) override { icon_ = icon; }
  WindowHandle hwnd() override { return 0; }
  // No window backs it, so the skin never sets window text on it.
  bool isWindowed() const override { return false; }
  // There is no form to close.
  void unload() override {}

 private:
  std::u16string caption_;
  FormWindowState windowState_ = FormWindowState::kNormal;
  PictureRef icon_;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace glavo::win32
