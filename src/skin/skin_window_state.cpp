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
  const int width = static_cast<int>(RoundHalfEven(FormNumber("ScaleWidth") / TwipsX()));
  const int height = static_cast<int>(RoundHalfEven(FormNumber("ScaleHeight") / TwipsY()));
  surface_->move(0, 0, width, height);
  LayoutParts();
}

void GlavoSkin::SaveBounds() {
  restoreRect_.left = ToLong(FormNumber("Left"));
  restoreRect_.top = ToLong(FormNumber("Top"));
  restoreRect_.right = ToLong(FormNumber("Left") + FormNumber("Width"));
  restoreRect_.bottom = ToLong(FormNumber("Top") + FormNumber("Height"));
}

// The work area is asked for anew for each of the four assignments.
void GlavoSkin::SetWorkAreaBounds() {
  HeldBounds held(form());
  form().set("Left", GetWorkArea().left * TwipsX());
  form().set("Top", GetWorkArea().top * TwipsY());
  Rect area = GetWorkArea();
  form().set("Width", (area.right - area.left) * TwipsX());
  area = GetWorkArea();
  form().set("Height", (area.bottom - area.top) * TwipsY());
}

void GlavoSkin::TakeRestoreLook() {
  isMaximized_ = true;
  part(gwr_MaximizeButton).SetSymbolNo(kSymbolRestore);
  part(gwr_MaximizeButton).surface().setToolTipText(u"Restore");
  mnuSys_[mnuRestore].caption = u"Restore   (Alt + Enter)";
}

void GlavoSkin::TakeMaximizeLook() {
  isMaximized_ = false;
  part(gwr_MaximizeButton).SetSymbolNo(kSymbolMaximize);
  part(gwr_MaximizeButton).surface().setToolTipText(u"Maximize");
  mnuSys_[mnuRestore].caption = u"Maximize   (Alt + Enter)";
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
      if (FormWindowState() == gwr_Maximized) form().set("WindowState", gwr_Normal);
      HeldBounds held(form());
      form().set("Width", restoreRect_.right - restoreRect_.left);
      form().set("Height", restoreRect_.bottom - restoreRect_.top);
      // Restored forms come back centred on the screen, not where they were.
      form().set("Left", (env_.screen.width() - FormNumber("Width")) / 2);
      form().set("Top", (env_.screen.height() - FormNumber("Height")) / 2);
      TakeMaximizeLook();
    }
  } else {
    const std::int32_t state = FormWindowState();
    if (state == gwr_Maximized) {
      form().set("WindowState", gwr_Normal);
      TakeMaximizeLook();
    } else if (state == gwr_Normal) {
      SaveBounds();
      form().set("WindowState", gwr_Maximized);
      TakeRestoreLook();
    }
  }
  ReplaceControl();
}

void GlavoSkin::TimerTick() {
  if (!surface_->userMode()) tmrDetect_->setEnabled(false);
  const double width = FormNumber("Width");
  const double height = FormNumber("Height");
  if (width != seenWidth_ || height != seenHeight_) SyncWindowState();
  seenWidth_ = FormNumber("Width");
  seenHeight_ = ToLong(FormNumber("Height"));
}

void GlavoSkin::SyncWindowState() {
  if (toggleBusy_) {
    // This size change is the toggle's own.
    toggleBusy_ = false;
    return;
  }
  const std::int32_t state = FormWindowState();
  if (!allowFullScreen_) {
    if (state == gwr_Maximized) {
      // Maximized by other means (SkinState, the taskbar): use the work area.
      form().set("WindowState", gwr_Normal);
      SetWorkAreaBounds();
      TakeRestoreLook();
    } else if (state == gwr_Normal && !isMaximized_) {
      SaveBounds();
      TakeMaximizeLook();
    }
  } else {
    if (state == gwr_Maximized) {
      SaveBounds();
      TakeRestoreLook();
    } else if (state == gwr_Normal) {
      TakeMaximizeLook();
    }
  }
  if (FormWindowState() != gwr_Minimized && !resizing_) ReplaceControl();
}

void GlavoSkin::onResize() {
  ResizeBookkeeping();
  LayoutParts();
}

// In full-screen mode the form's own state decides the look; the menu then
// shows the short captions until the next look is taken.
void GlavoSkin::ResizeBookkeeping() {
  if (!allowFullScreen_) return;
  const std::int32_t state = FormWindowState();
  if (state == gwr_Maximized) {
    isMaximized_ = true;
    part(gwr_MaximizeButton).SetSymbolNo(kSymbolRestore);
    part(gwr_MaximizeButton).surface().setToolTipText(u"Restore");
    mnuSys_[mnuRestore].caption = u"Restore";
  } else if (state == gwr_Normal) {
    isMaximized_ = false;
    part(gwr_MaximizeButton).SetSymbolNo(kSymbolMaximize);
    part(gwr_MaximizeButton).surface().setToolTipText(u"Maximize");
    mnuSys_[mnuRestore].caption = u"Maximize";
  }
}

}  // namespace glavo
