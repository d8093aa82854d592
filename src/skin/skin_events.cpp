// What the skin does with the events of its parts and of its own surface:
// the public event first, then the action (close, maximize, minimize,
// system menu, move, resize, shortcuts).
#include "skin/glavo_skin.h"

namespace glavo {
namespace {

constexpr std::int16_t kKeyF4 = 115;
constexpr std::int16_t kKeyEnter = 13;
constexpr std::int16_t kAltOnly = 4;

bool IsBorder(SkinPartsGwr p) {
  return p == gwr_RightBar || p == gwr_LeftBar || p == gwr_BottomBar || p == gwr_RightCorner ||
         p == gwr_LeftCorner;
}

// The four caption buttons act only on their clicks.
bool IsCaptionButton(SkinPartsGwr p) { return p >= gwr_CloseButton && p <= gwr_HelpButton; }

}  // namespace

// --- Raising the public events (every parameter by reference).

void GlavoSkin::RaiseClick(SkinPartsGwr part) {
  if (listener_ != nullptr) listener_->Click(part);
}

void GlavoSkin::RaiseDblClick(SkinPartsGwr part) {
  if (listener_ != nullptr) listener_->DblClick(part);
}

void GlavoSkin::RaiseMouse(SkinEventId id, SkinPartsGwr part, std::int16_t& button,
                           std::int16_t& shift, float& x, float& y) {
  if (listener_ == nullptr) return;
  if (id == SkinEventId::kMouseDown) listener_->MouseDown(part, button, shift, x, y);
  if (id == SkinEventId::kMouseMove) listener_->MouseMove(part, button, shift, x, y);
  if (id == SkinEventId::kMouseUp) listener_->MouseUp(part, button, shift, x, y);
}

// --- Actions shared by buttons, menu items and shortcuts.

void GlavoSkin::CloseClick() {
  RaiseClick(gwr_CloseButton);
  form().unload();
}

void GlavoSkin::MaximizeClick() {
  RaiseClick(gwr_MaximizeButton);
  ToggleMaximize();
}

void GlavoSkin::MinimizeClick() {
  RaiseClick(gwr_MinimizeButton);
  form().setWindowState(FormWindowState::kMinimized);
}

void GlavoSkin::ShowSystemMenu() {
  if (!allowSystemMenu_) return;
  const int chosen = env_->menus.popup(*surface_, mnuSys_, borderSize_, titleBarSize_, kPopupLeftAlign);
  RunMenuItem(chosen);
}

void GlavoSkin::RunMenuItem(int item) {
  switch (item) {
    case mnuRestore: MaximizeClick(); break;
    case mnuMove: ArmMove(); break;
    case mnuMinimize: MinimizeClick(); break;
    case mnuClose: CloseClick(); break;
    default: break;
  }
}

// --- Events of the parts.

void GlavoSkin::PartClick(SkinPartsGwr p) {
  if (p == gwr_CloseButton) return CloseClick();
  if (p == gwr_MaximizeButton) return MaximizeClick();
  if (p == gwr_MinimizeButton) return MinimizeClick();
  RaiseClick(p);
}

void GlavoSkin::PartDblClick(SkinPartsGwr p) {
  // Only the title bar, the background and the icon report double clicks.
  if (p != gwr_TitleBar && p != gwr_Back && p != gwr_Icon) return;
  RaiseDblClick(p);
  if (p == gwr_TitleBar) ToggleMaximize();
}

void GlavoSkin::PartMouseDown(SkinPartsGwr p, std::int16_t& button, std::int16_t& shift, float& x,
                              float& y) {
  if (p == gwr_Icon) return ShowSystemMenu();
  if (IsCaptionButton(p)) return;
  RaiseMouse(SkinEventId::kMouseDown, p, button, shift, x, y);
  if (p == gwr_TitleBar) {
    if (!isMaximized_) MoveRequest();
  } else if (p == gwr_Back) {
    if (moveArmed_ && !isMaximized_) MoveRequest();
  } else if (IsBorder(p)) {
    resizing_ = allowResize_;
  }
}

void GlavoSkin::PartMouseMove(SkinPartsGwr p, std::int16_t& button, std::int16_t& shift, float& x,
                              float& y) {
  if (IsCaptionButton(p)) return;
  RaiseMouse(SkinEventId::kMouseMove, p, button, shift, x, y);
  if (!IsBorder(p)) return;
  // The pointer is kept relative to where the step left the part, so the
  // next event (measured from the moved part) adds only the new movement.
  PixelOffset moved;
  if (resizing_ && !isMaximized_) moved = DragStep(p, x, y);
  RecordPointer(p, static_cast<float>(x - moved.x), static_cast<float>(y - moved.y));
}

void GlavoSkin::PartMouseUp(SkinPartsGwr p, std::int16_t& button, std::int16_t& shift, float& x,
                            float& y) {
  if (IsCaptionButton(p)) return;
  RaiseMouse(SkinEventId::kMouseUp, p, button, shift, x, y);
  if (IsBorder(p)) resizing_ = false;
}

void GlavoSkin::PartMouseIn(SkinPartsGwr p) {
  if (IsBorder(p)) BorderMouseIn(p);
}

// --- Events of the control's own surface (where no part covers it).

void GlavoSkin::onClick() { RaiseClick(gwr_Back); }

void GlavoSkin::onDblClick() { RaiseDblClick(gwr_Back); }

void GlavoSkin::onMouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  RaiseMouse(SkinEventId::kMouseDown, gwr_Back, button, shift, x, y);
  if (moveArmed_ && !isMaximized_) MoveRequest();
}

void GlavoSkin::onMouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  RaiseMouse(SkinEventId::kMouseMove, gwr_Back, button, shift, x, y);
}

void GlavoSkin::onMouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  RaiseMouse(SkinEventId::kMouseUp, gwr_Back, button, shift, x, y);
}

void GlavoSkin::onKeyDown(std::int16_t& keyCode, std::int16_t& shift) {
  if (listener_ != nullptr) listener_->KeyDown(keyCode, shift);
  // The handler may have changed either value to cancel a shortcut.
  if (keyCode == kKeyF4 && shift == kAltOnly) CloseClick();
  if (keyCode == kKeyEnter && shift == kAltOnly) MaximizeClick();
}

void GlavoSkin::onKeyPress(std::int16_t& keyAscii) {
  if (listener_ != nullptr) listener_->KeyPress(keyAscii);
}

void GlavoSkin::onKeyUp(std::int16_t& keyCode, std::int16_t& shift) {
  if (listener_ != nullptr) listener_->KeyUp(keyCode, shift);
}

}  // namespace glavo
