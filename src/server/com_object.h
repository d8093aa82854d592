// Reference counting and table-driven QueryInterface for the server's
// objects. Each object lists the interfaces it answers in one table.
#pragma once

#include <atomic>
#include <cstddef>

#include "server/com_headers.h"
#include "server/module_state.h"

namespace glavo::server {

template <class Object>
struct InterfaceEntry {
  const IID* iid;
  void* (*cast)(Object*);
};

// The table row for `Interface`, reached through `Via` when the object
// inherits the interface more than once (IUnknown, IDispatch).
template <class Object, class Interface, class Via = Interface>
constexpr InterfaceEntry<Object> Entry(const IID& iid) {
  return {&iid, [](Object* o) -> void* { return static_cast<Interface*>(static_cast<Via*>(o)); }};
}

template <class Object, std::size_t N>
HRESULT QueryFromTable(Object* object, const InterfaceEntry<Object> (&table)[N], REFIID riid,
                       void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (const auto& entry : table) {
    if (IsEqualIID(*entry.iid, riid)) {
      *out = entry.cast(object);
      object->AddRef();
      return S_OK;
    }
  }
  return E_NOINTERFACE;
}

// Counts references and keeps the module loaded while the object lives.
class RefCount {
 public:
  RefCount() { LockModule(); }
  ~RefCount() { UnlockModule(); }
  RefCount(const RefCount&) = delete;
  RefCount& operator=(const RefCount&) = delete;

  ULONG add() { return ++count_; }
  ULONG release() { return --count_; }

 private:
  std::atomic<ULONG> count_{1};
};

}  // namespace glavo::server
