// A property frame of the container's own, as a designer's property
// browser hosts a control's page: it creates the page by its class, gives
// it a site that logs the page's status changes, shows it in a window of
// its own, and applies on the designer's Apply.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include "call_log.h"

namespace vb_container {

class PageFrame final : public IPropertyPageSite {
 public:
  PageFrame(CallLog& log, IClassFactory* factory, IUnknown* object);
  ~PageFrame();

  HWND page() const;  // the page's own window, or null
  HRESULT dirty();     // IsPageDirty
  HRESULT apply();

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    return QueryOne<IPropertyPageSite>(this, riid, out, IID_IPropertyPageSite);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override { return --refs_; }
  STDMETHODIMP OnStatusChange(DWORD flags) override;
  STDMETHODIMP GetLocaleID(LCID* locale) override;
  STDMETHODIMP GetPageContainer(IUnknown** out) override;
  STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }

 private:
  CallLog& log_;
  HWND window_ = nullptr;
  IPropertyPage* page_ = nullptr;
  ULONG refs_ = 1;
};

}  // namespace vb_container
