// What property browsers ask of the control besides its type library: the
// property page ("(Custom)"), and BodyTheme shown and chosen by the names
// of the built-in themes.
#include "server/bstr.h"
#include "server/property_page.h"
#include "server/skin_object.h"
#include "skin/skin_names.h"

namespace glavo::server {
namespace {

constexpr DISPID kBodyTheme = 17;
constexpr int kThemeCount = 12;

// The properties the page edits; the others have no page.
bool OnThePage(DISPID id) {
  return id == kBodyTheme || id == 4 || id == 5 || (id >= 7 && id <= 14) || id == 18 || id == 19;
}

std::wstring ThemeName(long theme) {
  const std::string_view name = BodyThemeName(static_cast<BodyThemesGwr>(theme));
  return std::wstring(name.begin(), name.end());
}

LPOLESTR TaskString(const std::wstring& text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  auto* out = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
  if (out) CopyMemory(out, text.c_str(), bytes);
  return out;
}

}  // namespace

STDMETHODIMP SkinObject::GetPages(CAUUID* pages) {
  if (!pages) return E_POINTER;
  pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID)));
  if (!pages->pElems) {
    pages->cElems = 0;
    return E_OUTOFMEMORY;
  }
  pages->cElems = 1;
  pages->pElems[0] = kPropertyPageClsid;
  return S_OK;
}

STDMETHODIMP SkinObject::GetDisplayString(DISPID id, BSTR* text) {
  if (!text) return E_POINTER;
  *text = nullptr;
  if (id != kBodyTheme || !skin_) return E_NOTIMPL;
  const long theme = skin_->BodyTheme();
  // A value beyond the built-in themes (the let does not validate) shows
  // as its number.
  *text = SysAllocString(theme >= 0 && theme < kThemeCount ? ThemeName(theme).c_str()
                                                            : std::to_wstring(theme).c_str());
  return *text ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP SkinObject::MapPropertyToPage(DISPID id, CLSID* page) {
  if (!page) return E_POINTER;
  *page = CLSID_NULL;
  if (!OnThePage(id)) return PERPROP_E_NOPAGEAVAILABLE;
  *page = kPropertyPageClsid;
  return S_OK;
}

STDMETHODIMP SkinObject::GetPredefinedStrings(DISPID id, CALPOLESTR* strings, CADWORD* cookies) {
  if (!strings || !cookies) return E_POINTER;
  strings->cElems = cookies->cElems = 0;
  strings->pElems = nullptr;
  cookies->pElems = nullptr;
  if (id != kBodyTheme) return E_NOTIMPL;
  strings->pElems = static_cast<LPOLESTR*>(CoTaskMemAlloc(kThemeCount * sizeof(LPOLESTR)));
  cookies->pElems = static_cast<DWORD*>(CoTaskMemAlloc(kThemeCount * sizeof(DWORD)));
  if (!strings->pElems || !cookies->pElems) {
    CoTaskMemFree(strings->pElems);
    CoTaskMemFree(cookies->pElems);
    strings->pElems = nullptr;
    cookies->pElems = nullptr;
    return E_OUTOFMEMORY;
  }
  for (int i = 0; i < kThemeCount; ++i) {
    strings->pElems[i] = TaskString(ThemeName(i));
    cookies->pElems[i] = static_cast<DWORD>(i);
  }
  strings->cElems = cookies->cElems = kThemeCount;
  return S_OK;
}

STDMETHODIMP SkinObject::GetPredefinedValue(DISPID id, DWORD cookie, VARIANT* value) {
  if (!value) return E_POINTER;
  VariantInit(value);
  if (id != kBodyTheme) return E_NOTIMPL;
  if (cookie >= static_cast<DWORD>(kThemeCount)) return E_INVALIDARG;
  value->vt = VT_I4;
  value->lVal = static_cast<LONG>(cookie);
  return S_OK;
}

}  // namespace glavo::server
