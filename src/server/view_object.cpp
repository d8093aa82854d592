// IViewObject2: the control draws itself on a container's device context
// (a designer's, or a print), whether or not it has a window.
#include "server/ole_control.h"
#include "server/skin_object.h"
#include "server/skin_snapshot.h"

namespace glavo::server {

STDMETHODIMP OleControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC target,
                              LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                              ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!target || !bounds) return E_INVALIDARG;
  GlavoSkin* skin = owner_.skin();
  if (!skin) return E_UNEXPECTED;
  const RECT r{bounds->left, bounds->top, bounds->right, bounds->bottom};
  DrawSkinSnapshot(*skin, target, r);
  return S_OK;
}

STDMETHODIMP OleControl::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
  viewAspects_ = aspects;
  viewFlags_ = flags;
  viewSink_ = sink;
  return S_OK;
}

STDMETHODIMP OleControl::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
  if (aspects) *aspects = viewAspects_;
  if (flags) *flags = viewFlags_;
  if (sink) viewSink_.CopyTo(sink);
  return S_OK;
}

STDMETHODIMP OleControl::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  return static_cast<IOleObject*>(this)->GetExtent(aspect, size);
}

}  // namespace glavo::server
