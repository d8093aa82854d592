// IOleInPlaceObjectWindowless, IOleInPlaceActiveObject and IOleControl:
// the control's window in the container (or none), its place, the messages
// of a windowless container, and deactivation.
#include "server/dispatch_form.h"
#include "server/error_info.h"
#include "server/ole_control.h"
#include "server/ole_trace.h"
#include "server/skin_object.h"

namespace glavo::server {

STDMETHODIMP OleControl::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = ControlWindow();
  return *window ? S_OK : E_FAIL;
}

STDMETHODIMP OleControl::InPlaceDeactivate() {
  if (!inPlaceActive_) return S_OK;
  TraceCall("InPlaceDeactivate");
  UIDeactivate();
  inPlaceActive_ = false;
  // Back to a control without a window: its properties carry over.
  owner_.DetachWindow();
  if (inPlaceSite_) inPlaceSite_->OnInPlaceDeactivate();
  inPlaceSite_.Reset();
  frame_.Reset();
  return S_OK;
}

STDMETHODIMP OleControl::UIDeactivate() {
  if (!uiActive_) return S_OK;
  uiActive_ = false;
  if (frame_) frame_->SetActiveObject(nullptr, nullptr);
  if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
  return S_OK;
}

// A new size lays the frame out again (the control's Resize).
STDMETHODIMP OleControl::SetObjectRects(LPCRECT pos, LPCRECT) {
  if (!pos) return E_POINTER;
  char line[80];
  wsprintfA(line, "SetObjectRects(%ld,%ld,%ld,%ld)", pos->left, pos->top, pos->right, pos->bottom);
  TraceCall(line);
  try {
    owner_.Place(*pos);
    return S_OK;
  } catch (...) {
    return ReportCurrentException(IID_IOleInPlaceObject);
  }
}

// S_FALSE: not the control's to handle; a control with a window takes its
// messages there.
STDMETHODIMP OleControl::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (result) *result = 0;
  try {
    return owner_.TakeMessage(message, wParam, lParam) ? S_OK : S_FALSE;
  } catch (...) {
    return ReportCurrentException(IID_IOleInPlaceObjectWindowless);
  }
}

STDMETHODIMP OleControl::GetDropTarget(IDropTarget** target) {
  if (!target) return E_POINTER;
  *target = nullptr;
  return E_NOTIMPL;  // nothing can be dropped on a window frame
}

namespace {

// The container's twips per screen pixel (15 at 96 dpi).
double TwipsPerPixel() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? 1440.0 / dpi : 15.0;
}

bool WindowAt(HWND window, const RECT& want) {
  RECT r{};
  if (!window || !GetWindowRect(window, &r)) return false;
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return EqualRect(&r, &want) != 0;
}

}  // namespace

// A VB-style container keeps the control's rectangle in its extender, so
// the position goes there (Left and Top, in twips); the size, or the whole
// rectangle for a container without an extender, goes by OnPosRectChange.
// Either way the container moves the control through SetObjectRects. An
// extender without those members is passed over.
bool OleControl::RequestPlace(int left, int top, int width, int height) {
  if (!inPlaceSite_ || requesting_) return false;
  requesting_ = true;
  const RECT want{left, top, left + width, top + height};
  if (auto extender = DispatchForm::ExtenderOfSite(site_.Get())) {
    DispatchForm place(extender);
    const double twips = TwipsPerPixel();
    try {
      if (place.bound(FormBound::kLeft) != left * twips) place.setBound(FormBound::kLeft, left * twips);
      if (place.bound(FormBound::kTop) != top * twips) place.setBound(FormBound::kTop, top * twips);
    } catch (const HostError&) {
    }
  }
  if (!WindowAt(ControlWindow(), want)) inPlaceSite_->OnPosRectChange(&want);
  requesting_ = false;
  return WindowAt(ControlWindow(), want);
}

STDMETHODIMP OleControl::GetControlInfo(CONTROLINFO* info) {
  if (!info) return E_POINTER;
  info->cb = sizeof(CONTROLINFO);
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

}  // namespace glavo::server
