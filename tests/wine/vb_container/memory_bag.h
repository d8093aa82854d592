// The property bag a VB form saves a control into (the .frm text), kept in
// memory: names to values, in the order written.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <string>
#include <utility>
#include <vector>

#include "com_answers.h"

namespace vb_container {

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

  size_t size() const { return values_.size(); }

 private:
  std::vector<std::pair<std::wstring, VARIANT>> values_;
  ULONG refs_ = 1;
};

}  // namespace vb_container
