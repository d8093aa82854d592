// IOleObject: the client site, verbs, in-place activation and extents.
#include "server/dispatch_form.h"
#include "server/font_bridge.h"
#include "server/ole_control.h"
#include "server/ole_trace.h"
#include "server/skin_object.h"

namespace glavo::server {
namespace {

constexpr DWORD kMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
                              OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;

// Reads a property of the site's ambient dispatch; false when there is none.
bool AmbientProperty(IOleClientSite* site, DISPID id, VARIANT& out) {
  Microsoft::WRL::ComPtr<IDispatch> ambient;
  HRESULT hr = site ? site->QueryInterface(IID_PPV_ARGS(&ambient)) : E_POINTER;
  TraceQuery("out", IID_IDispatch, hr);
  if (FAILED(hr)) return false;
  DISPPARAMS none{};
  VariantInit(&out);
  return SUCCEEDED(ambient->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                                   &out, nullptr, nullptr));
}

}  // namespace

OleControl::OleControl(SkinObject& owner) : owner_(owner) {}

OleControl::~OleControl() = default;

HRESULT OleControl::Query(REFIID riid, void** out) {
  void* found = nullptr;
  if (IsEqualIID(riid, IID_IOleObject)) found = static_cast<IOleObject*>(this);
  else if (IsEqualIID(riid, IID_IOleWindow)) found = static_cast<IOleInPlaceObjectWindowless*>(this);
  else if (IsEqualIID(riid, IID_IOleInPlaceObject)) found = static_cast<IOleInPlaceObjectWindowless*>(this);
  else if (IsEqualIID(riid, IID_IOleInPlaceObjectWindowless)) {
    found = static_cast<IOleInPlaceObjectWindowless*>(this);
  }
  else if (IsEqualIID(riid, IID_IOleInPlaceActiveObject)) found = static_cast<IOleInPlaceActiveObject*>(this);
  else if (IsEqualIID(riid, IID_IOleControl)) found = static_cast<IOleControl*>(this);
  else if (IsEqualIID(riid, IID_IViewObject)) found = static_cast<IViewObject2*>(this);
  else if (IsEqualIID(riid, IID_IViewObject2)) found = static_cast<IViewObject2*>(this);
  if (!found) return E_NOINTERFACE;
  *out = found;
  AddRef();
  return S_OK;
}

STDMETHODIMP OleControl::QueryInterface(REFIID riid, void** out) {
  return owner_.QueryInterface(riid, out);
}
STDMETHODIMP_(ULONG) OleControl::AddRef() { return owner_.AddRef(); }
STDMETHODIMP_(ULONG) OleControl::Release() { return owner_.Release(); }

STDMETHODIMP OleControl::SetClientSite(IOleClientSite* site) {
  TraceCall(site ? "SetClientSite(site)" : "SetClientSite(null)");
  site_ = site;
  return S_OK;
}

STDMETHODIMP OleControl::GetClientSite(IOleClientSite** site) {
  if (!site) return E_POINTER;
  return site_.CopyTo(site);
}

STDMETHODIMP OleControl::Close(DWORD) {
  TraceCall("Close");
  InPlaceDeactivate();
  if (adviseHolder_) adviseHolder_->SendOnClose();
  return S_OK;
}

STDMETHODIMP OleControl::GetMoniker(DWORD, DWORD, IMoniker** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP OleControl::GetClipboardData(DWORD, IDataObject** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP OleControl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT pos) {
  char line[48];
  wsprintfA(line, "DoVerb(%ld)", verb);
  TraceCall(line);
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
      return ActivateInPlace(site, pos, false);
    case OLEIVERB_UIACTIVATE:
      return ActivateInPlace(site, pos, true);
    case OLEIVERB_HIDE:
      if (HWND window = ControlWindow()) ShowWindow(window, SW_HIDE);
      return S_OK;
    default:
      return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
  }
}

STDMETHODIMP OleControl::EnumVerbs(IEnumOLEVERB** out) {
  if (out) *out = nullptr;
  return OLE_S_USEREG;
}

STDMETHODIMP OleControl::GetUserClassID(CLSID* clsid) { return owner_.GetClassID(clsid); }

STDMETHODIMP OleControl::GetUserType(DWORD, LPOLESTR* out) {
  if (out) *out = nullptr;
  return OLE_S_USEREG;
}

// The extent is remembered for GetExtent but never sizes the control: some
// containers pass it in the wrong units. SetObjectRects sizes it.
STDMETHODIMP OleControl::SetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  extent_ = *size;
  return S_OK;
}

STDMETHODIMP OleControl::GetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  *size = extent_;
  if (HWND window = ControlWindow()) {
    RECT r{};
    GetClientRect(window, &r);
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (r.right > 0 && r.bottom > 0 && dpiX > 0 && dpiY > 0) {
      size->cx = MulDiv(r.right, 2540, dpiX);
      size->cy = MulDiv(r.bottom, 2540, dpiY);
    }
  }
  return S_OK;
}

STDMETHODIMP OleControl::Advise(IAdviseSink* sink, DWORD* cookie) {
  if (!adviseHolder_ && FAILED(CreateOleAdviseHolder(&adviseHolder_))) return E_OUTOFMEMORY;
  return adviseHolder_->Advise(sink, cookie);
}

STDMETHODIMP OleControl::Unadvise(DWORD cookie) {
  return adviseHolder_ ? adviseHolder_->Unadvise(cookie) : OLE_E_NOCONNECTION;
}

STDMETHODIMP OleControl::EnumAdvise(IEnumSTATDATA** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return adviseHolder_ ? adviseHolder_->EnumAdvise(out) : E_FAIL;
}

STDMETHODIMP OleControl::GetMiscStatus(DWORD, DWORD* status) {
  if (!status) return E_POINTER;
  *status = kMiscStatus;
  return S_OK;
}

// --- Activation ----------------------------------------------------------------

// Without ambient properties (some containers offer none) the control runs
// in user mode with the default font.
win32::WindowSurface::Ambient OleControl::ReadAmbient() {
  win32::WindowSurface::Ambient ambient;
  VARIANT value;
  if (AmbientProperty(site_.Get(), DISPID_AMBIENT_USERMODE, value)) {
    if (SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BOOL))) ambient.userMode = value.boolVal != VARIANT_FALSE;
    VariantClear(&value);
  }
  if (AmbientProperty(site_.Get(), DISPID_AMBIENT_FONT, value)) {
    if (value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN) ambient.font = FontFromOle(value.punkVal);
    VariantClear(&value);
  }
  return ambient;
}

HRESULT OleControl::ActivateInPlace(IOleClientSite* site, LPCRECT pos, bool uiActivate) {
  if (inPlaceActive_) return uiActivate ? ActivateUi() : S_OK;
  if (!site) site = site_.Get();
  if (!site) return E_UNEXPECTED;
  if (!site_) site_ = site;
  Microsoft::WRL::ComPtr<IOleInPlaceSite> inPlace;
  HRESULT hr = site->QueryInterface(IID_PPV_ARGS(&inPlace));
  TraceQuery("out", IID_IOleInPlaceSite, hr);
  if (FAILED(hr)) return hr;
  if (inPlace->CanInPlaceActivate() != S_OK) return E_FAIL;
  HWND container = nullptr;
  if (FAILED(inPlace->GetWindow(&container)) || !container) return E_FAIL;
  inPlace->OnInPlaceActivate();
  RECT place{}, clip{};
  OLEINPLACEFRAMEINFO frameInfo{};
  frameInfo.cb = sizeof(frameInfo);
  Microsoft::WRL::ComPtr<IOleInPlaceUIWindow> document;
  frame_.Reset();
  inPlace->GetWindowContext(&frame_, &document, &place, &clip, &frameInfo);
  if (pos) place = *pos;

  // The site is known before the window exists: the control's own Show,
  // once the container has placed it, asks that site for its rectangle.
  inPlaceSite_ = inPlace;
  hr = owner_.AttachWindow(std::make_unique<win32::WindowedHost>(container, ReadAmbient(), SiteForm()));
  if (FAILED(hr)) {
    inPlaceSite_.Reset();
    inPlace->OnInPlaceDeactivate();
    return hr;
  }
  inPlaceActive_ = true;
  SetObjectRects(&place, &clip);
  hr = owner_.ShowWindowed();
  if (FAILED(hr)) return hr;
  return uiActivate ? ActivateUi() : S_OK;
}

std::unique_ptr<HostForm> OleControl::SiteForm() {
  if (auto parent = DispatchForm::FormOfSite(site_.Get())) return std::make_unique<DispatchForm>(parent);
  return nullptr;
}

HRESULT OleControl::ActivateUi() {
  if (uiActive_ || !inPlaceSite_) return S_OK;
  uiActive_ = true;
  inPlaceSite_->OnUIActivate();
  if (frame_) frame_->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), L"GlavoSkin");
  if (HWND window = ControlWindow()) SetFocus(window);
  return S_OK;
}

HWND OleControl::ControlWindow() const { return owner_.ControlWindow(); }

}  // namespace glavo::server
