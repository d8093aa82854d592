// The answers every COM object of the container gives alike: the
// QueryInterface of an object with one interface, and no type information.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "com_client.h"

namespace vb_container {

using com_client::QueryOne;

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
