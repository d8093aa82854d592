// The answers every COM object of the container gives alike: the
// QueryInterface of an object with one interface, and no type information.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace vb_container {

// `self` under IUnknown, `iid` and `also` (where it is not IID_NULL).
template <class Interface>
HRESULT QueryOne(Interface* self, REFIID riid, void** out, REFIID iid, REFIID also = IID_NULL) {
  if (!out) return E_POINTER;
  const bool mine = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, iid) ||
                    (!IsEqualIID(also, IID_NULL) && IsEqualIID(riid, also));
  *out = mine ? self : nullptr;
  if (!mine) return E_NOINTERFACE;
  self->AddRef();
  return S_OK;
}

inline HRESULT NoTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

inline HRESULT NoTypeInfo(ITypeInfo** info) {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

}  // namespace vb_container
