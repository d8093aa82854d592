#include "named_dispatch.h"

#include <oleauto.h>

namespace vb_container {

NamedDispatch::NamedDispatch(CallLog& log, std::string who, std::vector<std::wstring> names)
    : log_(log), who_(std::move(who)), names_(std::move(names)) {}

STDMETHODIMP NamedDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids || count == 0) return E_INVALIDARG;
  HRESULT hr = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    for (size_t n = 0; n < names_.size(); ++n) {
      if (_wcsicmp(names_[n].c_str(), names[i]) == 0) ids[i] = static_cast<DISPID>(n + 1);
    }
    if (ids[i] == DISPID_UNKNOWN) {
      log_.call(who_ + ".name " + Narrow(names[i]) + " -> unknown");
      hr = DISP_E_UNKNOWNNAME;
    }
  }
  return hr;
}

STDMETHODIMP NamedDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT*) {
  if (id < 1 || static_cast<size_t>(id) > names_.size()) return DISP_E_MEMBERNOTFOUND;
  const std::wstring& name = names_[id - 1];
  const std::string member = Narrow(name.c_str());
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    if (!params || params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
    const VARIANT& value = params->rgvarg[0];
    const HRESULT hr = Put(name, value, exception);
    log_.call(who_ + ".put " + member + " " + VariantText(value) +
              (SUCCEEDED(hr) ? "" : " -> error " + std::to_string(exception && hr == DISP_E_EXCEPTION
                                                                     ? exception->wCode
                                                                     : 0) + " " + Hex(hr)));
    return hr;
  }
  VARIANT value;
  VariantInit(&value);
  const HRESULT hr = Get(name, value, exception);
  log_.call(who_ + ".get " + member + (SUCCEEDED(hr) ? " -> " + VariantText(value) : " -> " + Hex(hr)));
  if (FAILED(hr)) return hr;
  if (result) {
    *result = value;
  } else {
    VariantClear(&value);
  }
  return S_OK;
}

HRESULT NamedDispatch::Raise(EXCEPINFO* exception, int number, const wchar_t* description) {
  if (exception) {
    *exception = EXCEPINFO{};
    exception->wCode = static_cast<WORD>(number);
    exception->bstrSource = SysAllocString(L"VBForm");
    exception->bstrDescription = SysAllocString(description);
  }
  return DISP_E_EXCEPTION;
}

}  // namespace vb_container
