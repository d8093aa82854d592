// IOleObject: how a container hands the control its client site. Through
// the site's extended control the skin reaches its parent form; without a
// site it keeps working on its stand-in form. Activation inside a
// container's window (DoVerb) is not offered: the control is windowless
// and takes its input through IOleInPlaceObjectWindowless.
#include "server/dispatch_form.h"
#include "server/error_info.h"
#include "server/skin_object.h"

namespace glavo::server {
namespace {

// The extender's "Parent": the form the control was placed on.
Microsoft::WRL::ComPtr<IDispatch> ParentForm(IOleClientSite* site) {
  Microsoft::WRL::ComPtr<IOleControlSite> control;
  Microsoft::WRL::ComPtr<IDispatch> extender;
  if (!site || FAILED(site->QueryInterface(IID_IOleControlSite,
                                           reinterpret_cast<void**>(control.GetAddressOf()))) ||
      FAILED(control->GetExtendedControl(extender.GetAddressOf())) || !extender) {
    return nullptr;
  }
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"Parent")};
  DISPID id = 0;
  if (FAILED(extender->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return nullptr;
  DISPPARAMS none = {};
  VARIANT result;
  VariantInit(&result);
  if (FAILED(extender->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                              &result, nullptr, nullptr))) {
    return nullptr;
  }
  Microsoft::WRL::ComPtr<IDispatch> form;
  if (result.vt == VT_DISPATCH && result.pdispVal) form = result.pdispVal;
  VariantClear(&result);
  return form;
}

}  // namespace

STDMETHODIMP SkinObject::SetClientSite(IOleClientSite* site) {
  site_ = site;
  if (!host_) return E_UNEXPECTED;
  Microsoft::WRL::ComPtr<IDispatch> form = ParentForm(site);
  try {
    host_->form().attach(form ? std::make_unique<DispatchForm>(form.Get()) : nullptr);
  } catch (...) {
    return ReportCurrentException(IID_IOleObject);
  }
  return S_OK;
}

STDMETHODIMP SkinObject::GetClientSite(IOleClientSite** site) {
  if (!site) return E_POINTER;
  *site = nullptr;
  if (site_) return site_.CopyTo(site);
  return S_OK;
}

STDMETHODIMP SkinObject::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP SkinObject::Close(DWORD) {
  if (adviseHolder_) adviseHolder_->SendOnClose();
  return S_OK;
}

STDMETHODIMP SkinObject::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

STDMETHODIMP SkinObject::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP SkinObject::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

STDMETHODIMP SkinObject::GetClipboardData(DWORD, IDataObject** data) {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP SkinObject::DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) {
  return E_NOTIMPL;
}

STDMETHODIMP SkinObject::EnumVerbs(IEnumOLEVERB** verbs) {
  if (verbs) *verbs = nullptr;
  return OLEOBJ_E_NOVERBS;
}

STDMETHODIMP SkinObject::Update() { return S_OK; }
STDMETHODIMP SkinObject::IsUpToDate() { return S_OK; }

STDMETHODIMP SkinObject::GetUserClassID(CLSID* clsid) { return GetClassID(clsid); }

STDMETHODIMP SkinObject::GetUserType(DWORD form, LPOLESTR* type) {
  return OleRegGetUserType(CLSID_GlavoSkin, form, type);
}

STDMETHODIMP SkinObject::SetExtent(DWORD aspect, SIZEL* size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  extent_ = *size;
  return S_OK;
}

STDMETHODIMP SkinObject::GetExtent(DWORD aspect, SIZEL* size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *size = extent_;
  return S_OK;
}

STDMETHODIMP SkinObject::Advise(IAdviseSink* sink, DWORD* connection) {
  if (!adviseHolder_) {
    HRESULT hr = CreateOleAdviseHolder(adviseHolder_.GetAddressOf());
    if (FAILED(hr)) return hr;
  }
  return adviseHolder_->Advise(sink, connection);
}

STDMETHODIMP SkinObject::Unadvise(DWORD connection) {
  return adviseHolder_ ? adviseHolder_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP SkinObject::EnumAdvise(IEnumSTATDATA** advise) {
  if (!advise) return E_POINTER;
  *advise = nullptr;
  return adviseHolder_ ? adviseHolder_->EnumAdvise(advise) : S_OK;
}

// The status the registry gives under MiscStatus\1.
STDMETHODIMP SkinObject::GetMiscStatus(DWORD, DWORD* status) {
  if (!status) return E_POINTER;
  *status = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
            OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;
  return S_OK;
}

STDMETHODIMP SkinObject::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

}  // namespace glavo::server
