// corrupt-stream OCX COUNT SEED: a control's saved stream, damaged COUNT
// times (truncated, bits flipped, a length field made huge, wrong magic, a
// later version, random bytes, a stretch overwritten behind an intact
// header), each handed to the same control's IPersistStreamInit::Load.
// After every load the control must still work: SaveSkinTheme gives a whole
// theme, BodyTheme takes a value, and Save writes a stream it loads again.
// Prints "kind NAME total T refused R", "unusable I KIND detail" for each
// failure, then "mutations N", "unusable N" and "done".
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "client.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class Random {
 public:
  explicit Random(std::uint32_t seed) : state_(seed ? seed : 1) {}
  std::uint32_t next() {
    state_ ^= state_ << 13, state_ ^= state_ >> 17, state_ ^= state_ << 5;
    return state_;
  }
  std::size_t below(std::size_t n) { return n ? next() % n : 0; }

 private:
  std::uint32_t state_;
};

enum Kind { kTruncated, kBitFlip, kHugeLength, kWrongMagic, kLaterVersion, kRandomBytes, kOverwritten, kKinds };
constexpr const wchar_t* kKindNames[kKinds] = {L"truncated", L"bit-flip", L"huge-length", L"wrong-magic",
                                               L"later-version", L"random-bytes", L"overwritten"};

void PutU32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4 && at + i < b.size(); ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

Bytes Mutate(const Bytes& saved, Kind kind, Random& r) {
  Bytes b = saved;
  switch (kind) {
    case kTruncated: b.resize(r.below(b.size())); break;
    case kBitFlip:
      for (std::size_t n = 1 + r.below(8); n > 0; --n) b[r.below(b.size())] ^= static_cast<std::uint8_t>(1u << r.below(8));
      break;
    case kHugeLength: PutU32(b, 8 + r.below(b.size() - 8), r.below(2) ? 0xFFFFFFFFu : 0x7FFFFFF0u + r.below(16)); break;
    case kWrongMagic: b[r.below(4)] ^= static_cast<std::uint8_t>(1 + r.below(255)); break;
    case kLaterVersion: PutU32(b, 4, 2 + static_cast<std::uint32_t>(r.below(1000))); break;
    case kRandomBytes:
      b.resize(r.below(2 * saved.size()));
      for (auto& byte : b) byte = static_cast<std::uint8_t>(r.next());
      break;
    default: {
      const std::size_t at = 16 + r.below(b.size() - 16);
      for (std::size_t n = 1 + r.below(64); n > 0 && at + n <= b.size(); --n) b[at + n - 1] = static_cast<std::uint8_t>(r.next());
      break;
    }
  }
  return b;
}

IStream* StreamOf(const Bytes& bytes) {
  IStream* s = nullptr;
  CreateStreamOnHGlobal(nullptr, TRUE, &s);
  if (!bytes.empty()) s->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
  LARGE_INTEGER zero = {};
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  return s;
}

Bytes BytesOf(IStream* s) {
  STATSTG stat = {};
  s->Stat(&stat, STATFLAG_NONAME);
  Bytes b(static_cast<std::size_t>(stat.cbSize.QuadPart));
  LARGE_INTEGER zero = {};
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  ULONG got = 0;
  if (!b.empty()) s->Read(b.data(), static_cast<ULONG>(b.size()), &got);
  b.resize(got);
  return b;
}

HRESULT SaveTo(IPersistStreamInit* persist, Bytes& out) {
  IStream* s = StreamOf({});
  const HRESULT hr = persist->Save(s, TRUE);
  out = BytesOf(s);
  s->Release();
  return hr;
}

// Empty when the control still works after a load, else what failed.
std::wstring Usability(IDispatch* skin, IPersistStreamInit* persist, int i) {
  if (const std::size_t fields = client::ThemeFields(skin); fields != 24) return L"theme of " + std::to_wstring(fields) + L" fields";
  const VARIANT theme = client::Long(i % 12);
  if (HRESULT hr = client::Put(skin, L"BodyTheme", theme); FAILED(hr)) return L"BodyTheme " + client::Hex(hr);
  Bytes saved;
  if (HRESULT hr = SaveTo(persist, saved); FAILED(hr)) return L"Save " + client::Hex(hr);
  IStream* again = StreamOf(saved);
  const HRESULT hr = persist->Load(again);
  again->Release();
  return FAILED(hr) ? L"reload " + client::Hex(hr) : L"";
}

}  // namespace

int CorruptStreamCommand(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const int count = std::wcstol(argv[1], nullptr, 10);
  Random random(static_cast<std::uint32_t>(std::wcstoul(argv[2], nullptr, 10)));
  IDispatch* skin = client::CreateSkin(argv[0]);
  if (!skin) return 1;
  IPersistStreamInit* persist = nullptr;
  skin->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
  if (!persist) return 1;
  persist->InitNew();
  VARIANT caption = client::Text(L"A caption with \x00e9 and more");
  client::Put(skin, L"Caption", caption);
  VariantClear(&caption);
  Bytes saved;
  if (FAILED(SaveTo(persist, saved)) || saved.size() < 32) return 1;

  int total[kKinds] = {}, refused[kKinds] = {};
  int unusable = 0;
  for (int i = 0; i < count; ++i) {
    const Kind kind = static_cast<Kind>(i % kKinds);
    IStream* s = StreamOf(Mutate(saved, kind, random));
    const HRESULT hr = persist->Load(s);
    s->Release();
    ++total[kind];
    if (FAILED(hr)) ++refused[kind];
    if (const std::wstring problem = Usability(skin, persist, i); !problem.empty()) {
      ++unusable;
      std::wprintf(L"unusable %d %ls %ls\n", i, kKindNames[kind], problem.c_str());
    }
  }
  for (int k = 0; k < kKinds; ++k) std::wprintf(L"kind %ls total %d refused %d\n", kKindNames[k], total[k], refused[k]);
  std::wprintf(L"mutations %d\nunusable %d\ndone\n", count, unusable);
  persist->Release();
  skin->Release();
  return 0;
}
