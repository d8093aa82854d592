// The site a VB form gives each control: client site, in-place site,
// control site with the extender, and the ambient properties. The control's
// rectangle on the form (pixels) is the site's record: the extender's
// position properties and OnPosRectChange change it, and the site then
// moves the control with SetObjectRects, as a VB form does.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "call_log.h"
#include "vb_extender.h"

namespace vb_container {

class VbForm;

class VbSite final : public IOleClientSite,
                     public IOleInPlaceSite,
                     public IOleControlSite,
                     public IDispatch {
 public:
  VbSite(CallLog& log, VbForm& form, bool userMode, RECT dropped);
  ~VbSite();

  VbForm& form() { return form_; }
  const RECT& rect() const { return rect_; }
  // The control, once created; the site then places it.
  void setControl(IUnknown* control);
  // The container's decision about the control's rectangle.
  void moveControl(const RECT& r);

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override { return --refs_; }

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return Logged("site.SaveObject"); }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override;
  STDMETHODIMP GetContainer(IOleContainer** out) override;
  STDMETHODIMP ShowObject() override { return Logged("site.ShowObject"); }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, IOleInPlaceSite
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP CanInPlaceActivate() override { return Logged("site.CanInPlaceActivate"); }
  STDMETHODIMP OnInPlaceActivate() override { return Logged("site.OnInPlaceActivate"); }
  STDMETHODIMP OnUIActivate() override { return Logged("site.OnUIActivate"); }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO info) override;
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return Logged("site.OnUIDeactivate"); }
  STDMETHODIMP OnInPlaceDeactivate() override { return Logged("site.OnInPlaceDeactivate"); }
  STDMETHODIMP DiscardUndoState() override { return S_OK; }
  STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
  STDMETHODIMP OnPosRectChange(LPCRECT pos) override;

  // IOleControlSite
  STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
  STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
  STDMETHODIMP GetExtendedControl(IDispatch** out) override;
  STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  STDMETHODIMP OnFocus(BOOL) override { return S_OK; }
  STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }

  // IDispatch: the ambient properties.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override { return NoTypeInfoCount(count); }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override { return NoTypeInfo(info); }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                      UINT*) override;

 private:
  HRESULT Logged(const char* call) {
    log_.call(call);
    return S_OK;
  }

  CallLog& log_;
  VbForm& form_;
  bool userMode_;
  RECT rect_;
  VbExtender extender_;
  IOleInPlaceObject* inPlace_ = nullptr;
  IFontDisp* font_ = nullptr;
  ULONG refs_ = 1;
};

}  // namespace vb_container
