// Window states of the frameless form: maximizing to the work area or to
// full screen, restoring, and noticing state and size changes made by
// anyone else.
#include "graphics/rounding.h"
#include "skin/glavo_skin.h"

namespace glavo {
namespace {

constexpr std::int32_t kSymbolMaximize = 49;
constexpr std::int32_t kSymbolRestore = 50;

std::int32_t ToLong(double twips) { return static_cast<std::int32_t>(RoundHalfEven(twips)); }

}  // namespace

void GlavoSkin::ReplaceControl() {
  const Rect client = ClientPixels();
  surface_->move(0, 0, client.width(), client.height());
  LayoutParts();
}

void GlavoSkin::SaveBounds() {
  restoreRect_.left = ToLong(form().bound(FormBound::kLeft));
  restoreRect_.top = ToLong(form().bound(FormBound::kTop));
  restoreRect_.right = ToLong(form().bound(FormBound::kLeft) + form().bound(FormBound::kWidth));
  restoreRect_.bottom = ToLong(form().bound(FormBound::kTop) + form().bound(FormBound::kHeight));
}

// The work area is asked for anew for each of the four assignments.
void GlavoSkin::SetWorkAreaBounds() {
  HeldBounds held(form());
  form().setBound(FormBound::kLeft, GetWorkArea().left * TwipsX());
  form().setBound(FormBound::kTop, GetWorkArea().top * TwipsY());
  Rect area = GetWorkArea();
  form().setBound(FormBound::kWidth, (area.right - area.left) * TwipsX());
  area = GetWorkArea();
  form().setBound(FormBound::kHeight, (area.bottom - area.top) * TwipsY());
}

void GlavoSkin::TakeRestoreLook() {
  isMaximized_ = true;
  ShowMaximizeButtonAs(true);
  mnuSys_[mnuRestore].caption = u"Restore   (Alt + Enter)";
}

void GlavoSkin::TakeMaximizeLook() {
  isMaximized_ = false;
  ShowMaximizeButtonAs(false);
  mnuSys_[mnuRestore].caption = u"Maximize   (Alt + Enter)";
}

// The maximize button's glyph and tool tip: restore or maximize.
void GlavoSkin::ShowMaximizeButtonAs(bool restore) {
  part(gwr_MaximizeButton).SetSymbolNo(restore ? kSymbolRestore : kSymbolMaximize);
  part(gwr_MaximizeButton).surface().setToolTipText(restore ? u"Restore" : u"Maximize");
}

void GlavoSkin::ToggleMaximize() {
  if (!allowResize_ || !showMaximizeButton_) return;
  toggleBusy_ = true;
  if (!allowFullScreen_) {
    if (!isMaximized_) {
      SaveBounds();
      SetWorkAreaBounds();
      TakeRestoreLook();
    } else {
      if (form().windowState() == FormWindowState::kMaximized) {
        form().setWindowState(FormWindowState::kNormal);
      }
      HeldBounds held(form());
      form().setBound(FormBound::kWidth, restoreRect_.right - restoreRect_.left);
      form().setBound(FormBound::kHeight, restoreRect_.bottom - restoreRect_.top);
      // Restored forms come back centred on the screen, not where they were.
      form().setBound(FormBound::kLeft, (env_->screen.width() - form().bound(FormBound::kWidth)) / 2);
      form().setBound(FormBound::kTop, (env_->screen.height() - form().bound(FormBound::kHeight)) / 2);
      TakeMaximizeLook();
    }
  } else {
    const FormWindowState state = form().windowState();
    if (state == FormWindowState::kMaximized) {
      form().setWindowState(FormWindowState::kNormal);
      TakeMaximizeLook();
    } else if (state == FormWindowState::kNormal) {
      SaveBounds();
      form().setWindowState(FormWindowState::kMaximized);
      TakeRestoreLook();
    }
  }
  ReplaceControl();
}

void GlavoSkin::TimerTick() {
  if (!surface_->userMode()) tmrDetect_->setEnabled(false);
  const double width = form().bound(FormBound::kWidth);
  const double height = form().bound(FormBound::kHeight);
  if (width != seenWidth_ || height != seenHeight_) SyncWindowState();
  seenWidth_ = form().bound(FormBound::kWidth);
  seenHeight_ = ToLong(form().bound(FormBound::kHeight));
}

void GlavoSkin::SyncWindowState() {
  if (toggleBusy_) {
    // This size change is the toggle's own.
    toggleBusy_ = false;
    return;
  }
  const FormWindowState state = form().windowState();
  if (!allowFullScreen_) {
    if (state == FormWindowState::kMaximized) {
      // Maximized by other means (SkinState, the taskbar): use the work area.
      form().setWindowState(FormWindowState::kNormal);
      SetWorkAreaBounds();
      TakeRestoreLook();
    } else if (state == FormWindowState::kNormal && !isMaximized_) {
      SaveBounds();
      TakeMaximizeLook();
    }
  } else {
    if (state == FormWindowState::kMaximized) {
      SaveBounds();
      TakeRestoreLook();
    } else if (state == FormWindowState::kNormal) {
      TakeMaximizeLook();
    }
  }
  if (form().windowState() != FormWindowState::kMinimized && !resizing_) ReplaceControl();
}

void GlavoSkin::onResize() {
  ResizeBookkeeping();
  LayoutParts();
}

// In full-screen mode the form's own state decides the look; the menu then
// shows the short captions until the next look is taken.
void GlavoSkin::ResizeBookkeeping() {
  if (!allowFullScreen_) return;
  const FormWindowState state = form().windowState();
  if (state == FormWindowState::kMaximized) {
    isMaximized_ = true;
    ShowMaximizeButtonAs(true);
    mnuSys_[mnuRestore].caption = u"Restore";
  } else if (state == FormWindowState::kNormal) {
    isMaximized_ = false;
    ShowMaximizeButtonAs(false);
    mnuSys_[mnuRestore].caption = u"Maximize";
  }
}

}  // namespace glavo
