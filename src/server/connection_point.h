// A connection point: the sinks advised for one outgoing interface. It is a
// part of its container object and shares the container's reference count.
#pragma once

#include <utility>
#include <vector>

#include <wrl/client.h>

#include "server/com_headers.h"

namespace glavo::server {

class ConnectionPoint final : public IConnectionPoint {
 public:
  // `container` owns this connection point and outlives it.
  ConnectionPoint(IConnectionPointContainer* container, const IID& iid);

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  STDMETHODIMP GetConnectionInterface(IID* iid) override;
  STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override;
  STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
  STDMETHODIMP Unadvise(DWORD cookie) override;
  STDMETHODIMP EnumConnections(IEnumConnections** out) override;

  const IID& iid() const { return iid_; }
  // The sinks at this moment, each queried for the outgoing interface.
  // Callers iterate the copy, so a sink may unadvise during a call.
  std::vector<Microsoft::WRL::ComPtr<IUnknown>> sinks() const;
  void clear() { sinks_.clear(); }

 private:
  IConnectionPointContainer* container_;
  IID iid_;
  std::vector<std::pair<DWORD, Microsoft::WRL::ComPtr<IUnknown>>> sinks_;
  DWORD nextCookie_ = 1;
};

}  // namespace glavo::server
