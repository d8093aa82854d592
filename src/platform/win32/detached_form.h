// The form of a control created without a container (from a script, say):
// an in-memory stand-in that keeps the members a skin reads and writes, so
// every property and method works and the steps that act on a real form
// have nothing to act on.
#pragma once

#include <string>

#include "runtime/host_form.h"

namespace glavo::server {

class DetachedForm final : public HostForm {
 public:
  // A borderless 640 x 480 pixel form at the origin, in twips of the
  // given size.
  explicit DetachedForm(double twipsPerPixelX = 15, double twipsPerPixelY = 15);

  HostValue get(std::string_view member) override;
  void set(std::string_view member, const HostValue& value) override;
  // No window backs it, so the skin never sets window text on it.
  bool isWindowed() const override { return false; }
  // There is no form to close.
  void unload() override {}

 private:
  std::int32_t borderStyle_ = 0;
  bool showInTaskbar_ = true;
  std::u16string caption_;
  std::int32_t windowState_ = 0;
  PictureRef icon_;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace glavo::server
