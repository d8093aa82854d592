#include "server/dispatch_form.h"

#include <string>

#include "server/bstr.h"

namespace glavo::server {
namespace {

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

HostValue FromVariant(const VARIANT& v) {
  switch (v.vt) {
    case VT_EMPTY: case VT_NULL: return std::monostate{};
    case VT_BOOL: return v.boolVal != VARIANT_FALSE;
    case VT_BSTR: return FromBstr(v.bstrVal);
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4: case VT_INT:
    case VT_UINT: {
      VARIANT n;
      VariantInit(&n);
      if (SUCCEEDED(VariantChangeType(&n, const_cast<VARIANT*>(&v), 0, VT_I4))) return std::int32_t{n.lVal};
      break;
    }
    case VT_DISPATCH: case VT_UNKNOWN:
      // Picture objects are not carried over; the icon part stays empty.
      return PictureRef{};
    default: break;
  }
  VARIANT d;
  VariantInit(&d);
  if (SUCCEEDED(VariantChangeType(&d, const_cast<VARIANT*>(&v), 0, VT_R8))) return d.dblVal;
  throw HostError(host_error::kTypeMismatch, "Type mismatch");
}

VARIANT ToVariant(const HostValue& value) {
  VARIANT v;
  VariantInit(&v);
  if (auto b = std::get_if<bool>(&value)) {
    v.vt = VT_BOOL;
    v.boolVal = *b ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (auto i = std::get_if<std::int32_t>(&value)) {
    v.vt = VT_I4;
    v.lVal = *i;
  } else if (auto d = std::get_if<double>(&value)) {
    v.vt = VT_R8;
    v.dblVal = *d;
  } else if (auto s = std::get_if<std::u16string>(&value)) {
    v.vt = VT_BSTR;
    v.bstrVal = ToBstr(*s);
  }
  return v;
}

}  // namespace

void ThrowHostError(HRESULT hr, const EXCEPINFO& info) {
  HRESULT code = hr == DISP_E_EXCEPTION ? (info.scode ? info.scode : E_FAIL) : hr;
  std::string message = info.bstrDescription ? Narrow(info.bstrDescription) : std::string();
  std::int32_t number = host_error::kInvalidCall;
  if (code == DISP_E_MEMBERNOTFOUND || code == DISP_E_UNKNOWNNAME) {
    number = host_error::kNoSuchMember;
    if (message.empty()) message = "Object doesn't support this property or method";
  } else if (code == DISP_E_TYPEMISMATCH) {
    number = host_error::kTypeMismatch;
  } else if (HRESULT_FACILITY(code) == FACILITY_CONTROL) {
    number = HRESULT_CODE(code);  // an automation error number
  }
  if (message.empty()) message = "Automation error";
  throw HostError(number, message);
}

DISPID DispatchForm::idOf(std::string_view member) const {
  std::wstring name = Utf8ToWide(member);
  LPOLESTR names[] = {name.data()};
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = form_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) ThrowHostError(hr, EXCEPINFO{});
  return id;
}

HostValue DispatchForm::get(std::string_view member) {
  DISPID id = idOf(member);
  DISPPARAMS none = {};
  VARIANT result;
  VariantInit(&result);
  EXCEPINFO info = {};
  HRESULT hr = form_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                             &result, &info, nullptr);
  if (FAILED(hr)) {
    VariantClear(&result);
    ThrowHostError(hr, info);
  }
  try {
    HostValue value = FromVariant(result);
    VariantClear(&result);
    return value;
  } catch (...) {
    VariantClear(&result);
    throw;
  }
}

void DispatchForm::set(std::string_view member, const HostValue& value) {
  DISPID id = idOf(member);
  VARIANT arg = ToVariant(value);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&arg, &named, 1, 1};
  EXCEPINFO info = {};
  HRESULT hr = form_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                             nullptr, &info, nullptr);
  VariantClear(&arg);
  if (FAILED(hr)) ThrowHostError(hr, info);
}

bool DispatchForm::isWindowed() const {
  try {
    return HostToDouble(const_cast<DispatchForm*>(this)->get("hwnd")) != 0;
  } catch (const HostError&) {
    return false;
  }
}

void DispatchForm::unload() {
  HWND window = reinterpret_cast<HWND>(static_cast<std::intptr_t>(HostToDouble(get("hwnd"))));
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace glavo::server
