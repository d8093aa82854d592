// IOleInPlaceObject, IOleInPlaceActiveObject and IOleControl: the control's
// window in the container, its place, and deactivation.
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

STDMETHODIMP OleControl::SetObjectRects(LPCRECT pos, LPCRECT) {
  if (!pos) return E_POINTER;
  char line[80];
  wsprintfA(line, "SetObjectRects(%ld,%ld,%ld,%ld)", pos->left, pos->top, pos->right, pos->bottom);
  TraceCall(line);
  GlavoSkin* skin = owner_.skin();
  if (!inPlaceActive_ || !skin) return S_OK;
  skin->surface().move(pos->left, pos->top, pos->right - pos->left, pos->bottom - pos->top);
  return S_OK;
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
