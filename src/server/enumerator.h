// A snapshot enumerator (IEnumConnections, IEnumConnectionPoints): it
// copies the items when created, so the list may change while a client
// walks it.
#pragma once

#include <vector>

#include "server/com_object.h"

namespace glavo::server {

// Traits: Item is what Next hands out; copy() AddRefs what the item holds.
template <class EnumInterface, class Item, const IID& kIid>
class Enumerator final : public ComObject<EnumInterface, kIid> {
 public:
  using Copy = void (*)(Item&);
  using Clear = void (*)(Item&);

  Enumerator(std::vector<Item> items, Copy copy, Clear clear)
      : items_(std::move(items)), copy_(copy), clear_(clear) {
    for (auto& item : items_) copy_(item);
  }
  ~Enumerator() {
    for (auto& item : items_) clear_(item);
  }

  STDMETHODIMP Next(ULONG count, Item* out, ULONG* fetched) override {
    if (!out || (count > 1 && !fetched)) return E_POINTER;
    ULONG n = 0;
    for (; n < count && position_ < items_.size(); ++n, ++position_) {
      out[n] = items_[position_];
      copy_(out[n]);
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  STDMETHODIMP Skip(ULONG count) override {
    std::size_t left = items_.size() - position_;
    if (count > left) {
      position_ = items_.size();
      return S_FALSE;
    }
    position_ += count;
    return S_OK;
  }
  STDMETHODIMP Reset() override {
    position_ = 0;
    return S_OK;
  }
  STDMETHODIMP Clone(EnumInterface** out) override {
    if (!out) return E_POINTER;
    auto* copy = new (std::nothrow) Enumerator(items_, copy_, clear_);
    if (!copy) return E_OUTOFMEMORY;
    copy->position_ = position_;
    *out = copy;
    return S_OK;
  }

 private:
  std::vector<Item> items_;
  std::size_t position_ = 0;
  Copy copy_;
  Clear clear_;
};

}  // namespace glavo::server
