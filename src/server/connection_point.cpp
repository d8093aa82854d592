#include "server/connection_point.h"

#include "server/com_object.h"
#include "server/enumerator.h"

namespace glavo::server {
namespace {

using ConnectionsEnum = Enumerator<IEnumConnections, CONNECTDATA, IID_IEnumConnections>;

void CopyConnection(CONNECTDATA& data) {
  if (data.pUnk) data.pUnk->AddRef();
}
void ClearConnection(CONNECTDATA& data) {
  if (data.pUnk) data.pUnk->Release();
}

}  // namespace

ConnectionPoint::ConnectionPoint(IConnectionPointContainer* container, const IID& iid)
    : container_(container), iid_(iid) {}

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID riid, void** out) {
  static constexpr InterfaceEntry<ConnectionPoint> kTable[] = {
      Entry<ConnectionPoint, IUnknown>(IID_IUnknown),
      Entry<ConnectionPoint, IConnectionPoint>(IID_IConnectionPoint),
  };
  return QueryFromTable(this, kTable, riid, out);
}

STDMETHODIMP_(ULONG) ConnectionPoint::AddRef() { return container_->AddRef(); }
STDMETHODIMP_(ULONG) ConnectionPoint::Release() { return container_->Release(); }

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (!out) return E_POINTER;
  *out = container_;
  container_->AddRef();
  return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  Microsoft::WRL::ComPtr<IUnknown> typed;
  // Script engines and many containers answer only IDispatch for an event
  // interface they dispatch by identifier.
  if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(typed.GetAddressOf())))) {
    if (IsEqualIID(iid_, IID_IPropertyNotifySink) ||
        FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(typed.GetAddressOf())))) {
      return CONNECT_E_CANNOTCONNECT;
    }
  }
  *cookie = nextCookie_++;
  sinks_.emplace_back(*cookie, std::move(typed));
  return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
  for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
    if (it->first == cookie) {
      // Released after removal: the sink's destructor may call back.
      auto sink = std::move(it->second);
      sinks_.erase(it);
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** out) {
  if (!out) return E_POINTER;
  std::vector<CONNECTDATA> items;
  for (const auto& [cookie, sink] : sinks_) items.push_back({sink.Get(), cookie});
  *out = new (std::nothrow) ConnectionsEnum(std::move(items), &CopyConnection, &ClearConnection);
  return *out ? S_OK : E_OUTOFMEMORY;
}

std::vector<Microsoft::WRL::ComPtr<IUnknown>> ConnectionPoint::sinks() const {
  std::vector<Microsoft::WRL::ComPtr<IUnknown>> out;
  for (const auto& entry : sinks_) out.push_back(entry.second);
  return out;
}

}  // namespace glavo::server
