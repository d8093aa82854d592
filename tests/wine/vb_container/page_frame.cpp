#include "page_frame.h"

namespace vb_container {

PageFrame::PageFrame(CallLog& log, IClassFactory* factory, IUnknown* object) : log_(log) {
  if (!factory || FAILED(factory->CreateInstance(nullptr, IID_IPropertyPage, reinterpret_cast<void**>(&page_)))) {
    log_.call("frame.CreateInstance failed");
    return;
  }
  page_->SetPageSite(this);
  page_->SetObjects(1, &object);
  PROPPAGEINFO info{};
  info.cb = sizeof(info);
  page_->GetPageInfo(&info);
  log_.call("frame.GetPageInfo \"" + Narrow(info.pszTitle) + "\" " + std::to_string(info.size.cx) + "x" +
            std::to_string(info.size.cy));
  CoTaskMemFree(info.pszTitle);
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"Property Pages", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                            60, 60, info.size.cx + 16, info.size.cy + 40, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  RECT r{0, 0, info.size.cx, info.size.cy};
  const HRESULT hr = page_->Activate(window_, &r, TRUE);
  page_->Show(SW_SHOW);
  log_.call("frame.Activate -> " + Hex(hr));
}

PageFrame::~PageFrame() {
  if (page_) {
    page_->Show(SW_HIDE);
    page_->Deactivate();
    page_->SetObjects(0, nullptr);
    page_->SetPageSite(nullptr);
    page_->Release();
  }
  if (window_) DestroyWindow(window_);
}

HWND PageFrame::page() const { return window_ ? GetWindow(window_, GW_CHILD) : nullptr; }

HRESULT PageFrame::dirty() { return page_ ? page_->IsPageDirty() : E_UNEXPECTED; }

HRESULT PageFrame::apply() {
  const HRESULT hr = page_ ? page_->Apply() : E_UNEXPECTED;
  log_.call("frame.Apply -> " + Hex(hr));
  return hr;
}

STDMETHODIMP PageFrame::OnStatusChange(DWORD flags) {
  log_.call("frame.OnStatusChange " + std::to_string(flags));
  return S_OK;
}

STDMETHODIMP PageFrame::GetLocaleID(LCID* locale) {
  if (!locale) return E_POINTER;
  *locale = 1033;
  return S_OK;
}

STDMETHODIMP PageFrame::GetPageContainer(IUnknown** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

}  // namespace vb_container
