// The windowless in-place object: the control's place in its container
// and the mouse and keyboard messages the container passes on.
#include "server/error_info.h"
#include "server/skin_object.h"

namespace glavo::server {

STDMETHODIMP SkinObject::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = nullptr;
  return E_FAIL;  // windowless: no window of its own
}

STDMETHODIMP SkinObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
STDMETHODIMP SkinObject::InPlaceDeactivate() { return S_OK; }
STDMETHODIMP SkinObject::UIDeactivate() { return S_OK; }
STDMETHODIMP SkinObject::ReactivateAndUndo() { return INPLACE_E_NOTUNDOABLE; }

STDMETHODIMP SkinObject::GetDropTarget(IDropTarget** target) {
  if (!target) return E_POINTER;
  *target = nullptr;
  return E_NOTIMPL;  // nothing can be dropped on a window frame
}

// A new size lays the frame out again (the control's Resize).
STDMETHODIMP SkinObject::SetObjectRects(LPCRECT position, LPCRECT) {
  if (!position) return E_POINTER;
  if (!surface_) return E_UNEXPECTED;
  try {
    surface_->move(0, 0, position->right - position->left, position->bottom - position->top);
    return S_OK;
  } catch (...) {
    return ReportCurrentException(IID_IOleInPlaceObject);
  }
}

STDMETHODIMP SkinObject::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                         LRESULT* result) {
  if (result) *result = 0;
  if (!input_) return E_UNEXPECTED;
  try {
    return input_->deliver(message, wParam, lParam) ? S_OK : S_FALSE;
  } catch (...) {
    return ReportCurrentException(IID_IOleInPlaceObjectWindowless);
  }
}

}  // namespace glavo::server
