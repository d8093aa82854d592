#include "server/font_watch.h"

#include <new>

namespace glavo::server {

HRESULT FontWatch::Start(IUnknown* font, std::function<void()> onChange,
                         Microsoft::WRL::ComPtr<FontWatch>& out) {
  out.Reset();
  if (!font) return E_POINTER;
  Microsoft::WRL::ComPtr<IConnectionPointContainer> container;
  HRESULT hr = font->QueryInterface(IID_IConnectionPointContainer,
                                    reinterpret_cast<void**>(container.GetAddressOf()));
  if (FAILED(hr)) return hr;
  auto* watch = new (std::nothrow) FontWatch(std::move(onChange));
  if (!watch) return E_OUTOFMEMORY;
  Microsoft::WRL::ComPtr<FontWatch> held;
  held.Attach(watch);
  hr = container->FindConnectionPoint(IID_IPropertyNotifySink, held->point_.GetAddressOf());
  if (SUCCEEDED(hr)) hr = held->point_->Advise(static_cast<IPropertyNotifySink*>(watch), &held->cookie_);
  if (FAILED(hr)) return hr;
  out = held;
  return S_OK;
}

void FontWatch::stop() {
  // Unadvise releases the font's reference to us; keep ourselves alive.
  Microsoft::WRL::ComPtr<FontWatch> self(this);
  onChange_ = nullptr;
  if (point_ && cookie_) point_->Unadvise(cookie_);
  point_.Reset();
  cookie_ = 0;
}

STDMETHODIMP FontWatch::OnChanged(DISPID) {
  if (onChange_) onChange_();
  return S_OK;
}

}  // namespace glavo::server
