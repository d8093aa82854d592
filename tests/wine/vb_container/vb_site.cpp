#include "vb_site.h"

#include "vb_form.h"

namespace vb_container {
namespace {

// The suites look for UserMode by name; the other ambients are logged by DISPID.
std::string AmbientName(DISPID id) { return id == DISPID_AMBIENT_USERMODE ? "UserMode" : std::to_string(id); }

}  // namespace

VbSite::VbSite(CallLog& log, VbForm& form, bool userMode, RECT dropped)
    : log_(log), form_(form), userMode_(userMode), rect_(dropped), extender_(log, *this) {
  FONTDESC desc{sizeof(FONTDESC), const_cast<LPOLESTR>(L"MS Sans Serif"), {82500, 0}, FW_NORMAL,
                ANSI_CHARSET, FALSE, FALSE, FALSE};
  OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&font_));
}

VbSite::~VbSite() {
  if (inPlace_) inPlace_->Release();
  if (font_) font_->Release();
}

void VbSite::setControl(IUnknown* control) {
  if (inPlace_) inPlace_->Release();
  inPlace_ = nullptr;
  if (control) control->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace_));
}

void VbSite::moveControl(const RECT& r) {
  rect_ = r;
  if (!inPlace_) return;
  RECT clip{};
  GetClientRect(form_.hwnd(), &clip);
  log_.call("site.SetObjectRects " + RectText(r));
  inPlace_->SetObjectRects(&rect_, &clip);
}

STDMETHODIMP VbSite::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite)) {
    *out = static_cast<IOleClientSite*>(this);
  } else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceSite)) {
    *out = static_cast<IOleInPlaceSite*>(this);
  } else if (IsEqualIID(riid, IID_IOleControlSite)) {
    *out = static_cast<IOleControlSite*>(this);
  } else if (IsEqualIID(riid, IID_IDispatch)) {
    *out = static_cast<IDispatch*>(this);
  }
  if (!*out) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

STDMETHODIMP VbSite::GetMoniker(DWORD, DWORD, IMoniker** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP VbSite::GetContainer(IOleContainer** out) {
  if (out) *out = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP VbSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = form_.hwnd();
  return S_OK;
}

STDMETHODIMP VbSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                      LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  log_.call("site.GetWindowContext -> " + RectText(rect_));
  if (frame) *frame = nullptr;
  if (doc) *doc = nullptr;
  if (pos) *pos = rect_;
  if (clip) GetClientRect(form_.hwnd(), clip);
  if (info) {
    info->fMDIApp = FALSE;
    info->hwndFrame = form_.hwnd();
    info->haccel = nullptr;
    info->cAccelEntries = 0;
  }
  return S_OK;
}

// A VB form takes the rectangle the control asks for and places it there.
STDMETHODIMP VbSite::OnPosRectChange(LPCRECT pos) {
  if (!pos) return E_POINTER;
  log_.call("site.OnPosRectChange " + RectText(*pos));
  moveControl(*pos);
  return S_OK;
}

STDMETHODIMP VbSite::GetExtendedControl(IDispatch** out) {
  if (!out) return E_POINTER;
  *out = &extender_;
  extender_.AddRef();
  return S_OK;
}

STDMETHODIMP VbSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) {
  VARIANT v;
  VariantInit(&v);
  switch (id) {
    case DISPID_AMBIENT_USERMODE: v = com_client::Bool(userMode_); break;
    case DISPID_AMBIENT_MESSAGEREFLECT: v = com_client::Bool(true); break;
    case DISPID_AMBIENT_UIDEAD: v = com_client::Bool(false); break;
    case DISPID_AMBIENT_BACKCOLOR: v.vt = VT_I4; v.lVal = static_cast<LONG>(0x8000000F); break;
    case DISPID_AMBIENT_FORECOLOR: v.vt = VT_I4; v.lVal = static_cast<LONG>(0x80000012); break;
    case DISPID_AMBIENT_LOCALEID: v = com_client::Long(1033); break;
    case DISPID_AMBIENT_DISPLAYNAME: v = com_client::Text(L"GlavoSkin1"); break;
    case DISPID_AMBIENT_FONT:
      if (!font_) return DISP_E_MEMBERNOTFOUND;
      v.vt = VT_DISPATCH;
      v.pdispVal = font_;
      font_->AddRef();
      break;
    default:
      log_.call("ambient.get " + AmbientName(id) + " -> not found");
      return DISP_E_MEMBERNOTFOUND;
  }
  log_.call("ambient.get " + AmbientName(id) + " -> " + VariantText(v));
  if (result) {
    *result = v;
  } else {
    VariantClear(&v);
  }
  return S_OK;
}

}  // namespace vb_container
