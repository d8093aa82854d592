// IPropertyPage: the objects the page edits, reading their values, and
// applying the page's values through their property lets.
#include "server/property_page.h"

#include <new>

#include "server/dispatch_property.h"

namespace glavo::server {
namespace {

constexpr SIZE kPageSize{472, 300};

}  // namespace

HRESULT CreatePropertyPage(REFIID riid, void** out) {
  auto* page = new (std::nothrow) SkinPropertyPage();
  if (!page) return E_OUTOFMEMORY;
  HRESULT hr = page->QueryInterface(riid, out);
  page->Release();
  return hr;
}

SkinPropertyPage::SkinPropertyPage() = default;

SkinPropertyPage::~SkinPropertyPage() { Deactivate(); }

STDMETHODIMP SkinPropertyPage::SetPageSite(IPropertyPageSite* site) {
  site_ = site;
  return S_OK;
}

STDMETHODIMP SkinPropertyPage::GetPageInfo(PROPPAGEINFO* info) {
  if (!info) return E_POINTER;
  info->cb = sizeof(PROPPAGEINFO);
  static constexpr wchar_t kTitle[] = L"Skin";
  info->pszTitle = static_cast<LPOLESTR>(CoTaskMemAlloc(sizeof(kTitle)));
  if (info->pszTitle) CopyMemory(info->pszTitle, kTitle, sizeof(kTitle));
  info->size = kPageSize;
  info->pszDocString = nullptr;
  info->pszHelpFile = nullptr;
  info->dwHelpContext = 0;
  return S_OK;
}

// The page shows the first object's values; Apply sets them on every one.
STDMETHODIMP SkinPropertyPage::SetObjects(ULONG count, IUnknown** objects) {
  if (count && !objects) return E_POINTER;
  objects_.clear();
  for (ULONG i = 0; i < count; ++i) {
    Microsoft::WRL::ComPtr<IDispatch> object;
    if (objects[i] && SUCCEEDED(objects[i]->QueryInterface(IID_PPV_ARGS(&object)))) objects_.push_back(object);
  }
  if (!objects_.empty()) ReadValues(objects_.front().Get());
  dirty_ = false;
  if (window_) ShowValues();
  return S_OK;
}

void SkinPropertyPage::ReadValues(IDispatch* object) {
  Values read;
  VARIANT v;
  if (SUCCEEDED(GetProperty(object, L"BodyTheme", v)) && SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4))) {
    read.bodyTheme = v.lVal;
  }
  for (int i = 0; i < kSizeCount; ++i) {
    if (SUCCEEDED(GetProperty(object, kSizeNames[i], v)) && SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4))) {
      read.sizes[i] = v.lVal;
    }
  }
  for (int i = 0; i < kFlagCount; ++i) {
    if (SUCCEEDED(GetProperty(object, kFlagNames[i], v)) && SUCCEEDED(VariantChangeType(&v, &v, 0, VT_BOOL))) {
      read.flags[i] = v.boolVal != VARIANT_FALSE;
    }
  }
  if (SUCCEEDED(GetProperty(object, L"Caption", v)) && v.vt == VT_BSTR && v.bstrVal) {
    caption_.assign(reinterpret_cast<const char16_t*>(v.bstrVal), SysStringLen(v.bstrVal));
  }
  VariantClear(&v);
  values_ = read;
}

STDMETHODIMP SkinPropertyPage::IsPageDirty() { return dirty_ ? S_OK : S_FALSE; }

// The look first (it sets the three sizes of its own), then the sizes and
// flags shown on the page.
HRESULT SkinPropertyPage::ApplyTo(IDispatch* object) {
  HRESULT hr = S_OK;
  if (values_.lookFromFile) {
    hr = PutStringProperty(object, L"SkinThemeFile", values_.themeFile.c_str());
    if (SUCCEEDED(hr)) hr = PutLongProperty(object, L"SkinTheme", 2);  // gwr_LoadTheme
  } else {
    hr = PutLongProperty(object, L"BodyTheme", values_.bodyTheme);
  }
  for (int i = 0; SUCCEEDED(hr) && i < kSizeCount; ++i) hr = PutLongProperty(object, kSizeNames[i], values_.sizes[i]);
  for (int i = 0; SUCCEEDED(hr) && i < kFlagCount; ++i) hr = PutBoolProperty(object, kFlagNames[i], values_.flags[i]);
  return hr;
}

STDMETHODIMP SkinPropertyPage::Apply() {
  if (!dirty_) return S_OK;
  for (const auto& object : objects_) {
    const HRESULT hr = ApplyTo(object.Get());
    if (FAILED(hr)) return hr;
  }
  dirty_ = false;
  return S_OK;
}

void SkinPropertyPage::MarkDirty() {
  if (showing_) return;
  dirty_ = true;
  if (site_) site_->OnStatusChange(PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE);
}

STDMETHODIMP SkinPropertyPage::Show(UINT command) {
  if (!window_) return E_UNEXPECTED;
  ShowWindow(window_, command);
  return S_OK;
}

STDMETHODIMP SkinPropertyPage::Move(LPCRECT rect) {
  if (!rect) return E_POINTER;
  if (!window_) return E_UNEXPECTED;
  MoveWindow(window_, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
  return S_OK;
}

}  // namespace glavo::server
