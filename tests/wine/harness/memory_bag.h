// A property bag kept in memory, as a VB form keeps a control's (the .frm
// text): names to values, in the order first written.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <string>
#include <utility>
#include <vector>

#include "com_client.h"

namespace com_client {

class MemoryBag final : public IPropertyBag {
 public:
  ~MemoryBag();
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    return QueryOne<IPropertyBag>(this, riid, out, IID_IPropertyBag);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override { return --refs_; }
  STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override;
  STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override;

  const std::vector<std::pair<std::wstring, VARIANT>>& entries() const { return values_; }

 private:
  std::vector<std::pair<std::wstring, VARIANT>> values_;
  ULONG refs_ = 1;
};

}  // namespace com_client
