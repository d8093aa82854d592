// The surface's events turned into the cell's own, the look switching of
// an animated cell, and hover detection by polling.
#include "cell/glavo_cell.h"

namespace glavo {

void GlavoCell::onShow() { PaintCell(); }

void GlavoCell::onResize() {
  const int w = static_cast<int>(surface_->scaleWidth());
  const int h = static_cast<int>(surface_->scaleHeight());
  pic_->resize(w > 0 ? w : 1, h > 0 ? h : 1);
  PaintCell();
}

void GlavoCell::RaiseClickKind(bool doubleClick) {
  if (!listener_) return;
  if (doubleClick) {
    rightButton_ ? listener_->RightDblClick() : listener_->DblClick();
  } else {
    rightButton_ ? listener_->RightClick() : listener_->Click();
  }
}

void GlavoCell::onClick() { RaiseClickKind(false); }

void GlavoCell::onDblClick() {
  if (animate_) SetCellState(2);
  // Without double-click reporting the second click counts as a click.
  RaiseClickKind(doubleClickEnable_);
}

void GlavoCell::onKeyDown(std::int16_t& keyCode, std::int16_t& shift) {
  if (listener_) listener_->KeyDown(keyCode, shift);
}

void GlavoCell::onKeyPress(std::int16_t& keyAscii) {
  if (listener_) listener_->KeyPress(keyAscii);
}

void GlavoCell::onKeyUp(std::int16_t& keyCode, std::int16_t& shift) {
  if (listener_) listener_->KeyUp(keyCode, shift);
}

void GlavoCell::onMouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  if (listener_) listener_->MouseDown(button, shift, x, y);
  // The handler may have changed Button; the flag follows what it left.
  if (button == 1) rightButton_ = false;
  if (button == 2) rightButton_ = true;
  if (animate_) SetCellState(2);
}

void GlavoCell::onMouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  overTimer_->setEnabled(true);
  if (listener_) listener_->MouseMove(button, shift, x, y);
}

void GlavoCell::onMouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  if (listener_) listener_->MouseUp(button, shift, x, y);
  if (animate_) SetCellState(1);
}

void GlavoCell::onLostFocus() {
  if (animate_) SetCellState(0);
}

bool GlavoCell::IsMouseOver() {
  lastCursor_ = surface_->desktop().cursorPos();
  return surface_->isUnder(lastCursor_);
}

void GlavoCell::OverTimerTick() {
  if (!IsMouseOver()) {
    // Every tick outside reports MouseOut; the timer stops until the next
    // movement over the cell.
    if (listener_) listener_->MouseOut();
    if (animate_) SetCellState(0);
    overTimer_->setEnabled(false);
    pointerOutside_ = true;
    return;
  }
  // The pointer was found over the cell just now; a second look would cost
  // another trip to the window system for the same answer.
  if (pointerOutside_) {
    if (listener_) listener_->MouseIn();
    if (animate_) SetCellState(1);
    pointerOutside_ = false;
  }
}

}  // namespace glavo
