#include "memory_bag.h"

#include <oleauto.h>

namespace com_client {

MemoryBag::~MemoryBag() {
  for (auto& entry : values_) VariantClear(&entry.second);
}

// The caller says which type it wants in value->vt (VT_EMPTY: as stored).
STDMETHODIMP MemoryBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
  if (!name || !value) return E_POINTER;
  for (auto& entry : values_) {
    if (entry.first != name) continue;
    const VARTYPE wanted = value->vt;
    VariantInit(value);
    if (wanted == VT_EMPTY) return VariantCopy(value, &entry.second);
    return VariantChangeType(value, &entry.second, 0, wanted);
  }
  return E_INVALIDARG;
}

STDMETHODIMP MemoryBag::Write(LPCOLESTR name, VARIANT* value) {
  if (!name || !value) return E_POINTER;
  VARIANT copy;
  VariantInit(&copy);
  HRESULT hr = VariantCopy(&copy, value);
  if (FAILED(hr)) return hr;
  for (auto& entry : values_) {
    if (entry.first == name) {
      VariantClear(&entry.second);
      entry.second = copy;
      return S_OK;
    }
  }
  values_.emplace_back(name, copy);
  return S_OK;
}

}  // namespace com_client
