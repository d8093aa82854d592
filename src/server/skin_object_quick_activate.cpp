// IQuickActivate: what a container such as a VB form does in one call
// instead of SetClientSite, GetMiscStatus, the two connection points and
// IViewObject::SetAdvise. The ambient properties are still read from the
// site when the control is activated.
#include <cstddef>

#include "server/ole_control.h"
#include "server/skin_object.h"

namespace glavo::server {

STDMETHODIMP SkinObject::QuickActivate(QACONTAINER* container, QACONTROL* control) {
  if (!container || !control) return E_POINTER;
  // Older containers pass a shorter structure; the fields used here are in
  // every version.
  if (container->cbSize < offsetof(QACONTAINER, hpal) || control->cbSize < sizeof(QACONTROL)) {
    return E_INVALIDARG;
  }
  control->dwEventCookie = control->dwPropNotifyCookie = 0;
  control->dwViewStatus = 0;
  control->dwPointerActivationPolicy = 0;
  HRESULT hr = ole_->SetClientSite(container->pClientSite);
  if (SUCCEEDED(hr)) hr = ole_->GetMiscStatus(DVASPECT_CONTENT, &control->dwMiscStatus);
  if (SUCCEEDED(hr) && container->pAdviseSink) hr = ole_->SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
  if (SUCCEEDED(hr) && container->pUnkEventSink) {
    hr = events_.Advise(container->pUnkEventSink, &control->dwEventCookie);
  }
  if (SUCCEEDED(hr) && container->pPropertyNotifySink) {
    hr = notify_.Advise(container->pPropertyNotifySink, &control->dwPropNotifyCookie);
  }
  return hr;
}

STDMETHODIMP SkinObject::SetContentExtent(LPSIZEL size) { return ole_->SetExtent(DVASPECT_CONTENT, size); }

STDMETHODIMP SkinObject::GetContentExtent(LPSIZEL size) {
  return static_cast<IOleObject*>(ole_.get())->GetExtent(DVASPECT_CONTENT, size);
}

}  // namespace glavo::server
