#include "server/dispatch_property.h"

namespace glavo::server {
namespace {

HRESULT IdOf(IDispatch* object, const wchar_t* name, DISPID& id) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
}

}  // namespace

HRESULT GetProperty(IDispatch* object, const wchar_t* name, VARIANT& out) {
  VariantInit(&out);
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = IdOf(object, name, id);
  if (FAILED(hr)) return hr;
  DISPPARAMS none{};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &out, nullptr, nullptr);
}

HRESULT PutProperty(IDispatch* object, const wchar_t* name, VARIANT value) {
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = IdOf(object, name, id);
  if (FAILED(hr)) return hr;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &named, 1, 1};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                        nullptr);
}

HRESULT PutLongProperty(IDispatch* object, const wchar_t* name, long value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return PutProperty(object, name, v);
}

HRESULT PutBoolProperty(IDispatch* object, const wchar_t* name, bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return PutProperty(object, name, v);
}

HRESULT PutStringProperty(IDispatch* object, const wchar_t* name, const wchar_t* value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocString(value);
  if (!v.bstrVal) return E_OUTOFMEMORY;
  const HRESULT hr = PutProperty(object, name, v);
  VariantClear(&v);
  return hr;
}

}  // namespace glavo::server
