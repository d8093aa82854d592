// The form a control sits on, reached like an automation object: members by
// name, late bound. A member the form does not have raises the host's
// HostError, which passes through the control to its caller.
#pragma once

#include <string_view>

#include "host/host_value.h"

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
};

}  // namespace glavo
