// Moving the skin between a container's window and no window at all: the
// skin is built anew on the other surface with the same properties.
#include "platform/win32/windowless_input.h"
#include "server/error_info.h"
#include "server/ole_control.h"
#include "server/ordered_property_bag.h"
#include "server/skin_object.h"

namespace glavo::server {

HWND SkinObject::ControlWindow() const {
  return windowed_ && skin_ ? reinterpret_cast<HWND>(skin_->surface().hwnd()) : nullptr;
}

HRESULT SkinObject::Rehost(std::unique_ptr<ControlSurface> surface, SkinEnvironment env,
                           const std::function<void(GlavoSkin&)>& placed) {
  OrderedPropertyBag bag;
  skin_->WriteProperties(bag);
  ControlSurface& shown = *surface;
  auto fresh = std::make_unique<GlavoSkin>(std::move(surface), env);
  fresh->setListener(this);
  fresh->ReadProperties(bag);
  // A look that came from BodyTheme alone is not in the bag as theme data.
  if (fresh->SkinThemeData().empty()) fresh->SetBodyTheme(fresh->BodyTheme());
  if (placed) placed(*fresh);
  skin_->setListener(nullptr);
  skin_ = std::move(fresh);
  if (!windowSurface_) shown.setVisible(true);
  return S_OK;
}

// A top-level window without a form of the container's becomes borderless,
// and the form's caption becomes the skin's when the skin has none: on this
// form the skin is placed for the first time, whatever happened before the
// container gave it a window. A container's own form was placed on by
// InitNew (or at design time, for a loaded control) and is left as it is.
HRESULT SkinObject::AttachWindow(std::unique_ptr<WindowedHost> host) {
  if (!skin_ || !host) return E_UNEXPECTED;
  try {
    auto surface = host->createSurface();
    if (!surface->created()) return E_FAIL;
    surface->setChangeHandler([this](std::string_view name) { OnPropertyChanged(name); });
    surface->setPlaceRequest([this](int left, int top, int width, int height) {
      return ole_->RequestPlace(left, top, width, height);
    });
    win32::WindowSurface* window = surface.get();
    HostForm& form = host->form();
    const bool placeOnWindow = host->formIsWindow();
    // The windowless input path serves only the surface without a window.
    input_.reset();
    surface_ = nullptr;
    windowSurface_ = window;
    // Read first: the new skin's first layout writes its caption to the form.
    const std::u16string title = placeOnWindow ? HostToString(form.get("Caption")) : u"";
    HRESULT hr = Rehost(std::move(surface), host->environment(), [&](GlavoSkin& skin) {
      if (!placeOnWindow) return;
      form.set("BorderStyle", 0);
      form.set("ShowInTaskbar", true);
      if (skin.Caption().empty()) skin.SetCaption(title);
    });
    // The previous host goes only after the skin that used it.
    windowed_ = std::move(host);
    siteForm_.reset();
    return hr;
  } catch (...) {
    windowSurface_ = nullptr;
    return ReportCurrentException(IID__GlavoSkin);
  }
}

// Showing runs the control's Show sequence, which asks the container for
// the form's client area.
HRESULT SkinObject::ShowWindowed() {
  if (!windowSurface_) return E_UNEXPECTED;
  try {
    windowSurface_->setVisible(true);
    return S_OK;
  } catch (...) {
    return ReportCurrentException(IID__GlavoSkin);
  }
}

void SkinObject::PlaceWindow(const RECT& place) {
  if (windowSurface_) {
    windowSurface_->place(place.left, place.top, place.right - place.left, place.bottom - place.top);
  }
}

HRESULT SkinObject::DetachWindow() {
  if (!skin_ || !windowed_) return S_OK;
  try {
    auto surface = host_->createSurface([this](std::string_view name) { OnPropertyChanged(name); });
    surface_ = surface.get();
    windowSurface_ = nullptr;
    HRESULT hr = Rehost(std::move(surface), host_->environment(), nullptr);
    input_ = std::make_unique<WindowlessInput>(*surface_);
    windowed_.reset();
    return hr;
  } catch (...) {
    return ReportCurrentException(IID__GlavoSkin);
  }
}

}  // namespace glavo::server
