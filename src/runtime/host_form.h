// The form a control sits on: its bounds in twips, window state, frame,
// caption, icon and window. Every call may raise the host's HostError (a
// member the form lacks, a value it refuses), which passes through the
// control to its caller.
#pragma once

#include <cstdint>
#include <string>

#include "draw/picture.h"
#include "runtime/desktop.h"
#include "runtime/held.h"
#include "runtime/host_value.h"

namespace glavo {

// Numbered as the host numbers them.
enum class FormWindowState : std::int32_t { kNormal = 0, kMinimized = 1, kMaximized = 2 };

enum class FormBorderStyle : std::int32_t {
  kNone = 0,
  kFixedSingle = 1,
  kSizable = 2,
  kFixedDialog = 3,
  kFixedToolWindow = 4,
  kSizableToolWindow = 5,
};

// The form's outer bounds, in twips.
enum class FormBound { kLeft, kTop, kWidth, kHeight };

class HostForm {
 public:
  virtual ~HostForm() = default;

  virtual double bound(FormBound which) = 0;
  virtual void setBound(FormBound which, double twips) = 0;
  // The client area, in twips (the form keeps the default scale).
  virtual double scaleWidth() = 0;
  virtual double scaleHeight() = 0;

  virtual FormWindowState windowState() = 0;
  virtual void setWindowState(FormWindowState state) = 0;
  virtual void setBorderStyle(FormBorderStyle style) = 0;
  virtual void setShowInTaskbar(bool show) = 0;
  virtual std::u16string caption() = 0;
  virtual void setCaption(const std::u16string& text) = 0;
  virtual PictureRef icon() = 0;
  virtual void setIcon(const PictureRef& icon) = 0;
  // The form's window; 0 for a form without one.
  virtual WindowHandle hwnd() = 0;

  // Whether a window backs the form, so that its text can be set as
  // Unicode window text.
  virtual bool isWindowed() const = 0;

  // The host's Unload statement. The form's own closing events run first
  // and may cancel; a cancelled unload leaves the form as it was.
  virtual void unload() = 0;

  // Between these two, a form may keep the bounds set and move its window
  // once at the release (reading them meanwhile answers with the kept
  // values), so that a drag step that sets the width and then the height
  // resizes the window once. Forms that apply each change at once, as a
  // real container's do, ignore them. Calls nest.
  virtual void holdBounds() {}
  virtual void releaseBounds() {}
};

// Holds a form's bounds for a scope.
using HeldBounds = Held<HostForm, &HostForm::holdBounds, &HostForm::releaseBounds>;

}  // namespace glavo
