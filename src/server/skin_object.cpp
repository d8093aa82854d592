#include "server/skin_object.h"

#include <new>

#include "server/dispatch_arguments.h"
#include "server/enumerator.h"
#include "server/error_info.h"
#include "server/ole_control.h"
#include "server/ole_trace.h"

namespace glavo::server {
namespace {

using PointsEnum = Enumerator<IEnumConnectionPoints, IConnectionPoint*, IID_IEnumConnectionPoints>;

void CopyPoint(IConnectionPoint*& point) { point->AddRef(); }
void ClearPoint(IConnectionPoint*& point) { point->Release(); }

}  // namespace

HRESULT CreateSkinObject(REFIID riid, void** out) {
  auto* object = new (std::nothrow) SkinObject();
  if (!object) return E_OUTOFMEMORY;
  HRESULT hr = object->initialize();
  if (SUCCEEDED(hr)) hr = object->QueryInterface(riid, out);
  object->Release();
  return hr;
}

SkinObject::SkinObject()
    : events_(static_cast<IConnectionPointContainer*>(this), DIID___GlavoSkin),
      notify_(static_cast<IConnectionPointContainer*>(this), IID_IPropertyNotifySink) {}

SkinObject::~SkinObject() {
  // The skin may still hold its listener while it is destroyed.
  if (fontWatch_) fontWatch_->stop();
  if (skin_) skin_->setListener(nullptr);
  input_.reset();
  skin_.reset();
}

HRESULT SkinObject::initialize() {
  HRESULT hr = LoadSkinTypeInfo(types_);
  if (FAILED(hr)) return hr;
  try {
    host_ = std::make_unique<win32::DetachedHost>();
    ole_ = std::make_unique<OleControl>(*this);
    CreateDetachedSkin(nullptr);
    skin_->InitProperties();
    // Shown at once: the Show sequence lays the frame out on the stand-in form.
    surface_->setVisible(true);
    dirty_ = false;
    return S_OK;
  } catch (...) {
    return ReportCurrentException(IID__GlavoSkin);
  }
}

void SkinObject::CreateDetachedSkin(HostForm* form) {
  auto surface = host_->createSurface([this](std::string_view name) { OnPropertyChanged(name); });
  input_.reset();
  if (skin_) skin_->setListener(nullptr);
  skin_.reset();
  surface_ = surface.get();
  skin_ = std::make_unique<GlavoSkin>(std::move(surface), form ? host_->environment(*form) : host_->environment());
  skin_->setListener(this);
  input_ = std::make_unique<win32::WindowlessInput>(*surface_);
}

STDMETHODIMP SkinObject::QueryInterface(REFIID riid, void** out) {
  static constexpr InterfaceEntry<SkinObject> kTable[] = {
      Entry<SkinObject, IUnknown, _GlavoSkin>(IID_IUnknown),
      Entry<SkinObject, IDispatch, _GlavoSkin>(IID_IDispatch),
      Entry<SkinObject, _GlavoSkin>(IID__GlavoSkin),
      Entry<SkinObject, IProvideClassInfo, IProvideClassInfo2>(IID_IProvideClassInfo),
      Entry<SkinObject, IProvideClassInfo2>(IID_IProvideClassInfo2),
      Entry<SkinObject, ISupportErrorInfo>(IID_ISupportErrorInfo),
      Entry<SkinObject, IConnectionPointContainer>(IID_IConnectionPointContainer),
      Entry<SkinObject, IPersist, IPersistStreamInit>(IID_IPersist),
      Entry<SkinObject, IPersistStreamInit>(IID_IPersistStreamInit),
      Entry<SkinObject, IPersistPropertyBag>(IID_IPersistPropertyBag),
      Entry<SkinObject, IObjectSafety>(IID_IObjectSafety),
      Entry<SkinObject, ISpecifyPropertyPages>(IID_ISpecifyPropertyPages),
      Entry<SkinObject, IPerPropertyBrowsing>(IID_IPerPropertyBrowsing),
      Entry<SkinObject, IQuickActivate>(IID_IQuickActivate),
  };
  HRESULT hr = ole_ && out ? ole_->Query(riid, out) : E_NOINTERFACE;
  if (FAILED(hr)) hr = QueryFromTable(this, kTable, riid, out);
  TraceQuery("in", riid, hr);
  return hr;
}

STDMETHODIMP_(ULONG) SkinObject::Release() {
  ULONG n = refs_.release();
  if (n == 0) delete this;
  return n;
}

HRESULT SkinObject::Call(const std::function<void(GlavoSkin&)>& action) {
  if (!skin_) return E_UNEXPECTED;
  try {
    action(*skin_);
    return S_OK;
  } catch (...) {
    return ReportCurrentException(IID__GlavoSkin);
  }
}

// --- IDispatch ---------------------------------------------------------------

STDMETHODIMP SkinObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

STDMETHODIMP SkinObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  return types_.dispatch.CopyTo(info);
}

STDMETHODIMP SkinObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                                       DISPID* ids) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  return types_.vtable->GetIDsOfNames(names, count, ids);
}

STDMETHODIMP SkinObject::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                VARIANT* result, EXCEPINFO* exception, UINT* argError) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (const HRESULT refused = RefuseCutTexts(types_.vtable.Get(), id, flags, params, argError); FAILED(refused)) {
    return refused;
  }
  // The vtable half of the dual interface: Invoke calls our methods through it.
  return types_.vtable->Invoke(static_cast<_GlavoSkin*>(this), id, flags, params, result,
                               exception, argError);
}

// --- IProvideClassInfo2 -------------------------------------------------------

STDMETHODIMP SkinObject::GetClassInfo(ITypeInfo** info) {
  if (!info) return E_POINTER;
  return types_.coclass.CopyTo(info);
}

STDMETHODIMP SkinObject::GetGUID(DWORD kind, GUID* guid) {
  if (!guid) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
    *guid = GUID_NULL;
    return E_INVALIDARG;
  }
  *guid = DIID___GlavoSkin;
  return S_OK;
}

// --- ISupportErrorInfo ----------------------------------------------------------

STDMETHODIMP SkinObject::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID__GlavoSkin) || IsEqualIID(riid, IID_IDispatch) ? S_OK : S_FALSE;
}

// --- IConnectionPointContainer ------------------------------------------------------

STDMETHODIMP SkinObject::EnumConnectionPoints(IEnumConnectionPoints** out) {
  if (!out) return E_POINTER;
  std::vector<IConnectionPoint*> points = {&events_, &notify_};
  *out = new (std::nothrow) PointsEnum(std::move(points), &CopyPoint, &ClearPoint);
  return *out ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP SkinObject::FindConnectionPoint(REFIID riid, IConnectionPoint** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (ConnectionPoint* point : {&events_, &notify_}) {
    if (IsEqualIID(riid, point->iid())) {
      *out = point;
      point->AddRef();
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

}  // namespace glavo::server
