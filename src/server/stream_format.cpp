#include "server/stream_format.h"

#include <cstdint>
#include <vector>

#include "server/stream_codec.h"

namespace glavo::server {
namespace {

HRESULT ReadExactly(IStream* stream, void* data, ULONG size) {
  ULONG read = 0;
  HRESULT hr = stream->Read(data, size, &read);
  if (FAILED(hr)) return hr;
  return read == size ? S_OK : STG_E_READFAULT;
}

}  // namespace

HRESULT SaveBagToStream(const OrderedPropertyBag& bag, IStream* stream) {
  if (!stream) return E_POINTER;
  const auto bytes = EncodeBag(bag);
  ULONG written = 0;
  HRESULT hr = stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
  if (FAILED(hr)) return hr;
  return written == bytes.size() ? S_OK : STG_E_MEDIUMFULL;
}

HRESULT LoadBagFromStream(IStream* stream, OrderedPropertyBag& bag) {
  if (!stream) return E_POINTER;
  // The header first: its size field decides how much more to read.
  std::vector<std::uint8_t> bytes(kStreamHeaderSize);
  HRESULT hr = ReadExactly(stream, bytes.data(), kStreamHeaderSize);
  if (FAILED(hr)) return hr;
  const auto bodySize = BodySizeOf(std::span<const std::uint8_t, kStreamHeaderSize>(bytes.data(), kStreamHeaderSize));
  if (!bodySize) return E_FAIL;
  bytes.resize(kStreamHeaderSize + *bodySize);
  if (*bodySize > 0) {
    hr = ReadExactly(stream, bytes.data() + kStreamHeaderSize, *bodySize);
    if (FAILED(hr)) return hr;
  }
  auto loaded = DecodeBag(bytes);
  if (!loaded) return E_FAIL;
  bag = std::move(*loaded);
  return S_OK;
}

ULONGLONG StreamSizeOf(const OrderedPropertyBag& bag) { return EncodeBag(bag).size(); }

}  // namespace glavo::server
