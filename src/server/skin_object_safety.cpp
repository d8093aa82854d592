// IObjectSafety: what a container such as Office may trust the control
// with. Loading persisted properties is safe (the control reads them and
// touches no file); scripting is not, since SaveSkinTheme and the SkinTheme
// actions write whatever file a caller names.
#include "server/skin_object.h"

namespace glavo::server {
namespace {

bool IsPersistence(REFIID riid) {
  return IsEqualIID(riid, IID_IPersistPropertyBag) || IsEqualIID(riid, IID_IPersistStreamInit) ||
         IsEqualIID(riid, IID_IPersistStream) || IsEqualIID(riid, IID_IPersist);
}

}  // namespace

STDMETHODIMP SkinObject::GetInterfaceSafetyOptions(REFIID riid, DWORD* supported, DWORD* enabled) {
  if (!supported || !enabled) return E_POINTER;
  *supported = *enabled = 0;
  if (IsPersistence(riid)) {
    *supported = INTERFACESAFE_FOR_UNTRUSTED_DATA;
    *enabled = safetyEnabled_;
    return S_OK;
  }
  // Any other interface of ours is supported with no safety at all.
  IUnknown* probe = nullptr;
  if (FAILED(QueryInterface(riid, reinterpret_cast<void**>(&probe)))) return E_NOINTERFACE;
  probe->Release();
  return S_OK;
}

STDMETHODIMP SkinObject::SetInterfaceSafetyOptions(REFIID riid, DWORD mask, DWORD enabled) {
  DWORD supported = 0, current = 0;
  const HRESULT hr = GetInterfaceSafetyOptions(riid, &supported, &current);
  if (FAILED(hr)) return hr;
  // Asking for a safety the interface does not have fails; clearing is fine.
  if (mask & enabled & ~supported) return E_FAIL;
  if (IsPersistence(riid)) safetyEnabled_ = (safetyEnabled_ & ~mask) | (enabled & mask & supported);
  return S_OK;
}

}  // namespace glavo::server
