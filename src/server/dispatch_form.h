// The host form of a container whose extended control has a "Parent" with
// a form's members (a VB-style form), or that extended control itself (its
// Left and Top): the one form reached late bound, each member by its name
// through IDispatch. Errors of the form come back as HostError.
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

  double bound(FormBound which) override;
  void setBound(FormBound which, double twips) override;
  double scaleWidth() override { return HostToDouble(get("ScaleWidth")); }
  double scaleHeight() override { return HostToDouble(get("ScaleHeight")); }
  FormWindowState windowState() override;
  void setWindowState(FormWindowState state) override;
  void setBorderStyle(FormBorderStyle style) override;
  void setShowInTaskbar(bool show) override { set("ShowInTaskbar", show); }
  std::u16string caption() override { return HostToString(get("Caption")); }
  void setCaption(const std::u16string& text) override { set("Caption", text); }
  PictureRef icon() override { return HostToPicture(get("Icon")); }
  void setIcon(const PictureRef& icon) override { set("Icon", icon); }
  WindowHandle hwnd() override;
  bool isWindowed() const override { return true; }
  // WM_CLOSE to the form's window runs its QueryUnload and Unload events.
  void unload() override;

 private:
  // Property get and let of a member by name.
  HostValue get(std::string_view member);
  void set(std::string_view member, const HostValue& value);
  DISPID IdOf(std::string_view member);
  Microsoft::WRL::ComPtr<IDispatch> form_;
};

}  // namespace glavo::server
