#include "server/dispatch_form.h"

#include <string>

#include "platform/win32/window_icon.h"
#include "server/bstr.h"
#include "server/ole_trace.h"

namespace glavo::server {
namespace {

std::wstring Wide(std::string_view text) { return std::wstring(text.begin(), text.end()); }

std::string_view NameOf(FormBound which) {
  switch (which) {
    case FormBound::kLeft: return "Left";
    case FormBound::kTop: return "Top";
    case FormBound::kWidth: return "Width";
    case FormBound::kHeight: return "Height";
  }
  return "";
}

// The error number a host raised: a form's own exception keeps its number
// (VB's 382 for a property it will not set at run time), as Err.Number
// shows it.
std::int32_t ErrorNumber(HRESULT hr, const EXCEPINFO& info) {
  if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND) return host_error::kNoSuchMember;
  if (hr == DISP_E_TYPEMISMATCH) return host_error::kTypeMismatch;
  if (hr == DISP_E_EXCEPTION) {
    if (info.wCode) return info.wCode;
    if (HRESULT_FACILITY(info.scode) == FACILITY_CONTROL) return HRESULT_CODE(info.scode);
  }
  return host_error::kInvalidCall;
}

[[noreturn]] void Raise(HRESULT hr, EXCEPINFO& info) {
  if (hr == DISP_E_EXCEPTION && info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
  std::string message = "Automation error";
  if (info.bstrDescription) {
    const std::u16string text = FromBstr(info.bstrDescription);
    message.assign(text.begin(), text.end());
  }
  const std::int32_t number = ErrorNumber(hr, info);
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  throw HostError(number, message);
}

PictureRef PictureFromOle(IUnknown* object) {
  Microsoft::WRL::ComPtr<IPicture> picture;
  if (!object || FAILED(object->QueryInterface(IID_PPV_ARGS(&picture)))) return nullptr;
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  picture->get_Type(&type);
  picture->get_Handle(&handle);
  if (type != PICTYPE_ICON || !handle) return std::make_shared<const Picture>();
  return win32::PictureFromIcon(reinterpret_cast<HICON>(static_cast<std::uintptr_t>(handle)));
}

HostValue FromVariant(VARIANT& v) {
  switch (v.vt) {
    case VT_EMPTY: case VT_NULL: return std::monostate{};
    case VT_BOOL: return v.boolVal != VARIANT_FALSE;
    case VT_BSTR: return FromBstr(v.bstrVal);  // whole: a host's text may hold NULs
    case VT_DISPATCH: case VT_UNKNOWN: return PictureFromOle(v.punkVal);
    case VT_R4: case VT_R8: case VT_CY: case VT_DATE:
      if (SUCCEEDED(VariantChangeType(&v, &v, 0, VT_R8))) return v.dblVal;
      break;
    default:
      if (SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4))) return static_cast<std::int32_t>(v.lVal);
      break;
  }
  throw HostError(host_error::kTypeMismatch, "Type mismatch");
}

// The caller clears the variant.
VARIANT ToVariant(const HostValue& value) {
  VARIANT v;
  VariantInit(&v);
  if (auto b = std::get_if<bool>(&value)) {
    v.vt = VT_BOOL;
    v.boolVal = *b ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (auto n = std::get_if<std::int32_t>(&value)) {
    v.vt = VT_I4;
    v.lVal = *n;
  } else if (auto d = std::get_if<double>(&value)) {
    v.vt = VT_R8;
    v.dblVal = *d;
  } else if (auto s = std::get_if<std::u16string>(&value)) {
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(s->data()), static_cast<UINT>(s->size()));
  } else if (auto p = std::get_if<PictureRef>(&value)) {
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof(desc);
    desc.picType = PICTYPE_ICON;
    desc.icon.hicon = *p ? win32::IconFromPicture(**p) : nullptr;
    IPictureDisp* picture = nullptr;
    if (desc.icon.hicon && SUCCEEDED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE,
                                                              reinterpret_cast<void**>(&picture)))) {
      v.vt = VT_DISPATCH;
      v.pdispVal = picture;
    } else if (desc.icon.hicon) {
      DestroyIcon(desc.icon.hicon);
    }
  }
  return v;
}

bool HasMembers(IDispatch* object, std::initializer_list<const wchar_t*> names) {
  for (const wchar_t* name : names) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR list[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(object->GetIDsOfNames(IID_NULL, list, 1, LOCALE_USER_DEFAULT, &id))) return false;
  }
  return true;
}

}  // namespace

Microsoft::WRL::ComPtr<IDispatch> DispatchForm::ExtenderOfSite(IOleClientSite* site) {
  Microsoft::WRL::ComPtr<IOleControlSite> controlSite;
  HRESULT hr = site ? site->QueryInterface(IID_PPV_ARGS(&controlSite)) : E_POINTER;
  TraceQuery("out", IID_IOleControlSite, hr);
  Microsoft::WRL::ComPtr<IDispatch> extender;
  if (FAILED(hr) || FAILED(controlSite->GetExtendedControl(&extender))) return nullptr;
  return extender;
}

Microsoft::WRL::ComPtr<IDispatch> DispatchForm::FormOfSite(IOleClientSite* site) {
  Microsoft::WRL::ComPtr<IDispatch> extender = ExtenderOfSite(site);
  if (!extender) return nullptr;
  DispatchForm probe(extender);
  try {
    VARIANT parent;
    VariantInit(&parent);
    DISPPARAMS none{};
    const DISPID id = probe.IdOf("Parent");
    if (FAILED(extender->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &parent,
                                nullptr, nullptr)) ||
        parent.vt != VT_DISPATCH || !parent.pdispVal) {
      VariantClear(&parent);
      return nullptr;
    }
    Microsoft::WRL::ComPtr<IDispatch> form;
    form.Attach(parent.pdispVal);
    if (!HasMembers(form.Get(), {L"hwnd", L"ScaleWidth", L"ScaleHeight", L"WindowState", L"BorderStyle"})) {
      return nullptr;
    }
    return form;
  } catch (const HostError&) {
    return nullptr;
  }
}

DISPID DispatchForm::IdOf(std::string_view member) {
  std::wstring name = Wide(member);
  LPOLESTR names[] = {name.data()};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(form_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
    throw HostError(host_error::kNoSuchMember, "Object doesn't support this property or method");
  }
  return id;
}

HostValue DispatchForm::get(std::string_view member) {
  VARIANT result;
  VariantInit(&result);
  DISPPARAMS none{};
  EXCEPINFO info{};
  const HRESULT hr = form_->Invoke(IdOf(member), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                                   &result, &info, nullptr);
  if (FAILED(hr)) Raise(hr, info);
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
  VARIANT arg = ToVariant(value);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, &named, 1, 1};
  EXCEPINFO info{};
  const WORD kind = arg.vt == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
  const HRESULT hr = form_->Invoke(IdOf(member), IID_NULL, LOCALE_USER_DEFAULT, kind, &params, nullptr, &info, nullptr);
  VariantClear(&arg);
  if (FAILED(hr)) Raise(hr, info);
}

double DispatchForm::bound(FormBound which) { return HostToDouble(get(NameOf(which))); }

void DispatchForm::setBound(FormBound which, double twips) { set(NameOf(which), twips); }

FormWindowState DispatchForm::windowState() {
  return static_cast<FormWindowState>(HostToLong(get("WindowState")));
}

void DispatchForm::setWindowState(FormWindowState state) {
  set("WindowState", static_cast<std::int32_t>(state));
}

void DispatchForm::setBorderStyle(FormBorderStyle style) {
  set("BorderStyle", static_cast<std::int32_t>(style));
}

// Handles are 32-bit values, sign-extended in a 64-bit process.
WindowHandle DispatchForm::hwnd() { return static_cast<WindowHandle>(HostToLong(get("hwnd"))); }

void DispatchForm::unload() {
  const HWND window = reinterpret_cast<HWND>(hwnd());
  if (IsWindow(window)) PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace glavo::server
