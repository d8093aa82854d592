// An automation object with named properties, as a VB form or extender is
// reached late bound: GetIDsOfNames by name (case-insensitive), Invoke for
// property get and let/set; every call goes to the log. The objects live as
// long as the scenario that made them, so the reference count only counts.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "call_log.h"

namespace vb_container {

class NamedDispatch : public IDispatch {
 public:
  NamedDispatch(CallLog& log, std::string who, std::vector<std::wstring> names);
  virtual ~NamedDispatch() = default;

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    return QueryOne<IDispatch>(this, riid, out, IID_IDispatch);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override { return --refs_; }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override { return NoTypeInfoCount(count); }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override { return NoTypeInfo(info); }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argError) override;

 protected:
  // The member's value, or a failure (Raise for an error of the object's own).
  virtual HRESULT Get(const std::wstring& name, VARIANT& out, EXCEPINFO* exception) = 0;
  virtual HRESULT Put(const std::wstring& name, const VARIANT& value, EXCEPINFO* exception) = 0;
  // An error of the object, as VB raises it: DISP_E_EXCEPTION with the
  // error number in the exception's code.
  static HRESULT Raise(EXCEPINFO* exception, int number, const wchar_t* description);
  CallLog& log_;

 private:
  std::string who_;
  std::vector<std::wstring> names_;
  ULONG refs_ = 1;
};

}  // namespace vb_container
