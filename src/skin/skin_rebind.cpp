// Moving the control onto another surface and host. The control's own
// members carry over as they are; what its old surface and parts held (the
// surface's colour, enabled state and pointer, the title bar's font, the
// parts' looks) is handed to the new ones.
#include "skin/glavo_skin.h"
#include "skin/quiet_step.h"

namespace glavo {

void GlavoSkin::Rebind(std::unique_ptr<ControlSurface> surface, SkinEnvironment env) {
  const std::u16string look = BuildSkinTheme();
  const std::u16string themeData = skinThemeData_;
  const FontRef font = Font();
  const bool enabled = Enabled();
  const OleColor backColor = BackColor();
  const std::int16_t mousePointer = surface_->mousePointer();
  LeaveSurface();
  // The parts live on children of the old surface: they go first.
  for (auto& part : parts_) part.reset();
  tmrDetect_.reset();
  surface_ = std::move(surface);
  env_.emplace(env);
  TakeSurface();
  surface_->setEnabled(enabled);
  surface_->setBackColor(backColor);
  surface_->setMousePointer(mousePointer);
  part(gwr_TitleBar).SetFont(font);
  ShowMaximizeButtonAs(isMaximized_);
  // As a load does: the new host's form errors end the pass quietly.
  RunQuietly([&] { ApplySkinTheme(look); });
  skinThemeData_ = themeData;
}

}  // namespace glavo
