// The container's form, reached late bound through its IDispatch: every
// member by name, and a failing member call raised as the host's error,
// which passes through the skin to whoever called it.
#pragma once

#include <wrl/client.h>

#include "host/host_form.h"
#include "server/com_headers.h"

namespace glavo::server {

class DispatchForm final : public HostForm {
 public:
  explicit DispatchForm(IDispatch* form) : form_(form) {}

  HostValue get(std::string_view member) override;
  void set(std::string_view member, const HostValue& value) override;
  // A form with a window handle is window-backed.
  bool isWindowed() const override;
  // Asks the form's window to close, as the host's Unload does; the form's
  // own closing handlers may refuse.
  void unload() override;

 private:
  DISPID idOf(std::string_view member) const;
  Microsoft::WRL::ComPtr<IDispatch> form_;
};

// The error of a failed automation call as the host raises it.
[[noreturn]] void ThrowHostError(HRESULT hr, const EXCEPINFO& info);

}  // namespace glavo::server
