// The host form of a container whose extended control has a "Parent" with
// a form's members (a VB-style form), or that extended control itself:
// reached late bound, by name, through IDispatch. Errors of the form come
// back as HostError.
#pragma once

#include <wrl/client.h>

#include "runtime/host_form.h"
#include "server/com_headers.h"

namespace glavo::server {

class DispatchForm final : public HostForm {
 public:
  explicit DispatchForm(Microsoft::WRL::ComPtr<IDispatch> form) : form_(std::move(form)) {}

  // The site's extended control (its Left, Top, Width, Height, Parent),
  // or null for a container without one.
  static Microsoft::WRL::ComPtr<IDispatch> ExtenderOfSite(IOleClientSite* site);
  // The extended control's "Parent" when it answers the members a skin
  // needs; null otherwise.
  static Microsoft::WRL::ComPtr<IDispatch> FormOfSite(IOleClientSite* site);

  HostValue get(std::string_view member) override;
  void set(std::string_view member, const HostValue& value) override;
  bool isWindowed() const override { return true; }
  // WM_CLOSE to the form's window runs its QueryUnload and Unload events.
  void unload() override;

 private:
  DISPID IdOf(std::string_view member);
  Microsoft::WRL::ComPtr<IDispatch> form_;
};

}  // namespace glavo::server
