// Moving the skin between a container's window and no window at all: the
// same skin is re-bound to the other surface and host.
#include "platform/win32/windowless_input.h"
#include "server/error_info.h"
#include "server/ole_control.h"
#include "server/skin_object.h"

namespace glavo::server {

HWND SkinObject::ControlWindow() const {
  return windowed_ && skin_ ? reinterpret_cast<HWND>(skin_->surface().hwnd()) : nullptr;
}

HRESULT SkinObject::Rehost(std::unique_ptr<ControlSurface> surface, SkinEnvironment env,
                           const std::function<void(GlavoSkin&)>& placed) {
  skin_->Rebind(std::move(surface), env);
  if (placed) placed(*skin_);
  if (!windowSurface_) skin_->surface().setVisible(true);
  return S_OK;
}

// A top-level window without a form of the container's becomes borderless,
// and the form's caption becomes the skin's when the skin has none: on this
// form the skin is placed for the first time, whatever happened before the
// container gave it a window. A container's own form was placed on by
// InitNew (or at design time, for a loaded control) and is left as it is.
HRESULT SkinObject::AttachWindow(std::unique_ptr<win32::WindowedHost> host) {
  if (!skin_ || !host) return E_UNEXPECTED;
  try {
    auto surface = host->createSurface();
    if (!surface->created()) return E_FAIL;
    surface->setChangeHandler([this](std::string_view name) { OnPropertyChanged(name); });
    surface->setPlaceRequest([this](int left, int top, int width, int height) {
      return ole_->RequestPlace(left, top, width, height);
    });
    HostForm& form = host->form();
    const bool placeOnWindow = host->formIsWindow();
    // Read first: the skin's first layout there writes its caption to the form.
    const std::u16string title = placeOnWindow ? form.caption() : u"";
    // The windowless input path serves only the surface without a window.
    input_.reset();
    surface_ = nullptr;
    windowSurface_ = surface.get();
    windowed_ = std::move(host);
    HRESULT hr = Rehost(std::move(surface), windowed_->environment(), [&](GlavoSkin& skin) {
      if (!placeOnWindow) return;
      form.setBorderStyle(FormBorderStyle::kNone);
      form.setShowInTaskbar(true);
      if (skin.Caption().empty()) skin.SetCaption(title);
    });
    // The container's form goes only after the skin has left it.
    siteForm_.reset();
    return hr;
  } catch (...) {
    const HRESULT hr = ReportCurrentException(IID__GlavoSkin);
    // Back to no window, as before the attempt.
    DetachWindow();
    return hr;
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

void SkinObject::Place(const RECT& place) {
  const int width = place.right - place.left, height = place.bottom - place.top;
  if (windowSurface_) {
    windowSurface_->place(place.left, place.top, width, height);
  } else if (surface_) {
    surface_->move(0, 0, width, height);
  }
}

bool SkinObject::TakeMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return input_ && input_->deliver(message, wParam, lParam);
}

HRESULT SkinObject::DetachWindow() {
  if (!skin_ || !windowed_) return S_OK;
  try {
    auto surface = host_->createSurface([this](std::string_view name) { OnPropertyChanged(name); });
    surface_ = surface.get();
    windowSurface_ = nullptr;
    HRESULT hr = Rehost(std::move(surface), host_->environment(), nullptr);
    input_ = std::make_unique<win32::WindowlessInput>(*surface_);
    windowed_.reset();
    return hr;
  } catch (...) {
    return ReportCurrentException(IID__GlavoSkin);
  }
}

}  // namespace glavo::server
