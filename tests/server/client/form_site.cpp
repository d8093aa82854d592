#include "form_site.h"

namespace client {
namespace {

constexpr DISPID kParent = 1;

VARIANT Number(long n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}

}  // namespace

// A real (hidden) window stands behind the form's hwnd, and the form has a
// form's size in twips.
FakeForm::FakeForm()
    : window_(CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                              nullptr)) {
  setValue(L"hwnd", Number(static_cast<long>(reinterpret_cast<INT_PTR>(window_))));
  for (const auto& [name, n] : {std::pair{L"ScaleWidth", 6000L}, {L"ScaleHeight", 4500L}, {L"Width", 6120L},
                                {L"Height", 4980L}, {L"Left", 0L}, {L"Top", 0L}, {L"WindowState", 0L},
                                {L"BorderStyle", 2L}}) {
    setValue(name, Number(n));
  }
}

FakeForm::~FakeForm() {
  for (auto& [id, v] : values_) VariantClear(&v);
  if (window_) DestroyWindow(window_);
}

void FakeForm::setValue(const std::wstring& member, const VARIANT& value) {
  DISPID id = 0;
  LPOLESTR name = const_cast<LPOLESTR>(member.c_str());
  GetIDsOfNames(IID_NULL, &name, 1, 0, &id);
  VARIANT& slot = values_[id];
  VariantClear(&slot);
  VariantCopy(&slot, const_cast<VARIANT*>(&value));
}

VARIANT FakeForm::value(const std::wstring& member) const {
  VARIANT out;
  VariantInit(&out);
  const auto id = ids_.find(member);
  if (id == ids_.end()) return out;
  const auto v = values_.find(id->second);
  if (v != values_.end()) VariantCopy(&out, const_cast<VARIANT*>(&v->second));
  return out;
}

STDMETHODIMP FakeForm::QueryInterface(REFIID riid, void** out) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
    *out = static_cast<IDispatch*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP FakeForm::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

// Every name is a member: a form has many, and the control asks for few.
STDMETHODIMP FakeForm::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  for (UINT i = 0; i < count; ++i) {
    auto it = ids_.emplace(names[i], static_cast<DISPID>(ids_.size() + 1)).first;
    ids[i] = it->second;
  }
  return S_OK;
}

STDMETHODIMP FakeForm::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                              UINT*) {
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    if (!params || params->cArgs < 1) return DISP_E_BADPARAMCOUNT;
    VARIANT& slot = values_[id];
    VariantClear(&slot);
    return VariantCopy(&slot, &params->rgvarg[0]);
  }
  if (!result) return S_OK;
  VariantInit(result);
  const auto v = values_.find(id);
  return v == values_.end() ? S_OK : VariantCopy(result, &v->second);
}

STDMETHODIMP FormSite::QueryInterface(REFIID riid, void** out) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite)) {
    *out = static_cast<IOleClientSite*>(this);
  } else if (IsEqualIID(riid, IID_IOleControlSite)) {
    *out = static_cast<IOleControlSite*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  return S_OK;
}

STDMETHODIMP FormSite::GetContainer(IOleContainer** out) {
  *out = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP FormSite::GetExtendedControl(IDispatch** out) {
  *out = static_cast<IDispatch*>(this);
  return S_OK;
}

STDMETHODIMP FormSite::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

STDMETHODIMP FormSite::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (count != 1 || lstrcmpiW(names[0], L"Parent") != 0) return DISP_E_UNKNOWNNAME;
  ids[0] = kParent;
  return S_OK;
}

STDMETHODIMP FormSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) {
  if (id != kParent || !(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
  result->vt = VT_DISPATCH;
  result->pdispVal = &form_;
  return S_OK;
}

}  // namespace client
