// The form a control sits on, reached like an automation object: members by
// name, late bound. A member the form does not have raises the host's
// HostError, which passes through the control to its caller.
#pragma once

#include <string_view>

#include "runtime/host_value.h"

namespace glavo {

class HostForm {
 public:
  virtual ~HostForm() = default;

  // Property get and let by member name ("Width", "WindowState", ...).
  virtual HostValue get(std::string_view member) = 0;
  virtual void set(std::string_view member, const HostValue& value) = 0;

  // Whether the object is window-backed (form, frame, button), so that its
  // text can be set as Unicode window text rather than through its default
  // property.
  virtual bool isWindowed() const = 0;

  // The host's Unload statement. The form's own closing events run first
  // and may cancel; a cancelled unload leaves the form as it was.
  virtual void unload() = 0;

  // Between these two, a form may keep the lets of Left, Top, Width and
  // Height and move its window once at the release (its gets answer with
  // the kept values meanwhile), so that a drag step that sets the width and
  // then the height resizes the window once. Forms that apply each let at
  // once, as a real container's do, ignore them. Calls nest.
  virtual void holdBounds() {}
  virtual void releaseBounds() {}
};

// Holds a form's bounds for a scope.
class HeldBounds {
 public:
  explicit HeldBounds(HostForm& form) : form_(form) { form_.holdBounds(); }
  ~HeldBounds() { form_.releaseBounds(); }
  HeldBounds(const HeldBounds&) = delete;
  HeldBounds& operator=(const HeldBounds&) = delete;

 private:
  HostForm& form_;
};

}  // namespace glavo
