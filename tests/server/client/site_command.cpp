// site OCX: gives GlavoSkin a client site whose extended control's Parent
// is a form object of this client, as a container does, and shows that the
// skin works on that form: InitNew takes the form's caption and makes it
// borderless, Caption is passed on, and when the form lacks a member the
// form's automation error reaches the caller of the property.
// Prints "NAME=VALUE" lines.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "client.h"

namespace {

// A late-bound object with named properties; a member can be removed to
// act like a form that lacks it.
class Bag final : public IDispatch {
 public:
  std::vector<std::pair<std::wstring, VARIANT>> members;
  std::vector<std::wstring> removed;

  void set(const std::wstring& name, VARIANT value) {
    for (auto& [key, stored] : members) {
      if (key == name) {
        VariantClear(&stored);
        stored = value;
        return;
      }
    }
    members.emplace_back(name, value);
  }
  VARIANT* find(const std::wstring& name) {
    for (auto& [key, stored] : members) {
      if (key == name) return &stored;
    }
    return nullptr;
  }

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
    for (const auto& gone : removed) {
      if (_wcsicmp(gone.c_str(), names[0]) == 0) return DISP_E_UNKNOWNNAME;
    }
    for (std::size_t i = 0; i < members.size(); ++i) {
      if (_wcsicmp(members[i].first.c_str(), names[0]) == 0) {
        ids[0] = static_cast<DISPID>(i + 1);
        return S_OK;
      }
    }
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO*, UINT*) override {
    if (id < 1 || static_cast<std::size_t>(id) > members.size()) return DISP_E_MEMBERNOTFOUND;
    VARIANT& stored = members[id - 1].second;
    if (flags & DISPATCH_PROPERTYPUT) {
      if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
      VARIANT copy;
      VariantInit(&copy);
      VariantCopy(&copy, &params->rgvarg[0]);
      VariantClear(&stored);
      stored = copy;
      return S_OK;
    }
    return result ? VariantCopy(result, &stored) : S_OK;
  }
};

class Site final : public IOleClientSite, public IOleControlSite {
 public:
  IDispatch* extender = nullptr;

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite)) {
      *out = static_cast<IOleClientSite*>(this);
      return S_OK;
    }
    if (IsEqualIID(riid, IID_IOleControlSite)) {
      *out = static_cast<IOleControlSite*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP SaveObject() override { return S_OK; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP GetContainer(IOleContainer**) override { return E_NOINTERFACE; }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
  STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
  STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
  STDMETHODIMP GetExtendedControl(IDispatch** out) override {
    *out = extender;
    return extender ? S_OK : E_NOTIMPL;
  }
  STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  STDMETHODIMP OnFocus(BOOL) override { return S_OK; }
  STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }
};

VARIANT Long(long v) { VARIANT x; VariantInit(&x); x.vt = VT_I4; x.lVal = v; return x; }
VARIANT Real(double v) { VARIANT x; VariantInit(&x); x.vt = VT_R8; x.dblVal = v; return x; }
VARIANT Bool(bool v) { VARIANT x; VariantInit(&x); x.vt = VT_BOOL; x.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE; return x; }
VARIANT Text(const wchar_t* v) { VARIANT x; VariantInit(&x); x.vt = VT_BSTR; x.bstrVal = SysAllocString(v); return x; }

void Print(const std::wstring& name, const std::wstring& value) {
  std::wprintf(L"%ls=%ls\n", name.c_str(), value.c_str());
}

}  // namespace

int SiteCommand(int argc, wchar_t** argv) {
  if (argc < 1) return 2;
  Bag form;
  form.set(L"BorderStyle", Long(2));
  form.set(L"ShowInTaskbar", Bool(false));
  form.set(L"Caption", Text(L"Host Form"));
  form.set(L"WindowState", Long(0));
  form.set(L"hwnd", Long(0));
  form.set(L"Icon", VARIANT{});
  form.set(L"Left", Real(1500));
  form.set(L"Top", Real(1500));
  form.set(L"Width", Real(6000));
  form.set(L"Height", Real(4500));
  form.set(L"ScaleWidth", Real(5880));
  form.set(L"ScaleHeight", Real(4080));
  Bag extender;
  VARIANT parent;
  VariantInit(&parent);
  parent.vt = VT_DISPATCH;
  parent.pdispVal = &form;
  extender.set(L"Parent", parent);
  Site site;
  site.extender = &extender;

  IDispatch* skin = client::CreateSkin(argv[0]);
  if (!skin) return 1;
  IOleObject* ole = nullptr;
  IPersistStreamInit* persist = nullptr;
  skin->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole));
  skin->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
  if (!ole || !persist) return 1;
  DWORD status = 0;
  ole->GetMiscStatus(DVASPECT_CONTENT, &status);
  Print(L"misc status", std::to_wstring(status));
  Print(L"set site", client::Hex(ole->SetClientSite(&site)));
  Print(L"init", client::Hex(persist->InitNew()));
  Print(L"form BorderStyle", client::Describe(*form.find(L"BorderStyle")));
  Print(L"form ShowInTaskbar", client::Describe(*form.find(L"ShowInTaskbar")));
  VARIANT caption;
  client::GetProperty(skin, L"Caption", caption);
  Print(L"skin Caption", client::Describe(caption));
  VariantClear(&caption);
  VARIANT text = Text(L"Renamed");
  Print(L"put Caption", client::Hex(client::PutProperty(skin, L"Caption", text)));
  VariantClear(&text);
  Print(L"form Caption", client::Describe(*form.find(L"Caption")));

  // The form loses WindowState: the let fails with the form's error.
  form.removed.push_back(L"WindowState");
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"SkinState")};
  DISPID id = 0;
  skin->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  VARIANT state = Long(2);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&state, &named, 1, 1};
  EXCEPINFO info = {};
  HRESULT hr = skin->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                            nullptr, &info, nullptr);
  Print(L"SkinState let", client::Hex(hr));
  Print(L"SkinState error", client::Hex(info.scode));
  Print(L"SkinState source", info.bstrSource ? info.bstrSource : L"");
  Print(L"SkinState description", info.bstrDescription ? info.bstrDescription : L"");
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);

  Print(L"clear site", client::Hex(ole->SetClientSite(nullptr)));
  // Back on its stand-in form, the same let works again.
  Print(L"SkinState let without site", client::Hex(client::PutProperty(skin, L"SkinState", state)));
  persist->Release();
  ole->Release();
  skin->Release();
  return 0;
}
