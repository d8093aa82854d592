// bag OCX / stream OCX: a persistence round trip. A control gets a value
// other than its default in every property, is saved (to a property bag
// kept in memory, or to a memory stream) and loaded into a new control.
// Prints "A NAME=VALUE" and "B NAME=VALUE" for every property of both
// controls, "theme-equal True|False", and for a fresh control saved to a
// bag the keys it writes as "fresh KEY=VALUE" ("all KEY=VALUE" when asked
// for all), then B's font saved after a change in place as "inplace". The
// stream round trip then hands the control damaged copies of its stream:
// "damaged KIND refused|loaded usable True|False".
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "client.h"
#include "memory_bag.h"

namespace {

using com_client::MemoryBag;
using client::Bool;
using client::Long;
using client::Text;
using client::Theme;

IDispatch* MakeFont() {
  FONTDESC desc = {sizeof(FONTDESC), const_cast<LPOLESTR>(L"Tahoma"), {}, FW_NORMAL, 0, TRUE, FALSE, FALSE};
  desc.cySize.int64 = 120000;
  IDispatch* font = nullptr;
  OleCreateFontIndirect(&desc, IID_IDispatch, reinterpret_cast<void**>(&font));
  return font;
}

bool Put(IDispatch* skin, const wchar_t* name, VARIANT value) {
  HRESULT hr = client::Put(skin, name, value);
  VariantClear(&value);
  if (FAILED(hr)) std::wprintf(L"error: put %ls %ls\n", name, client::Hex(hr).c_str());
  return SUCCEEDED(hr);
}

// Every property away from its default. The theme comes first: applying
// it sets the metrics and colour that the later lets then override.
bool SetEverything(IDispatch* skin) {
  VARIANT font;
  VariantInit(&font);
  font.vt = VT_DISPATCH;
  font.pdispVal = MakeFont();
  return Put(skin, L"BodyTheme", Long(8)) && Put(skin, L"BorderSize", Long(7)) &&
         Put(skin, L"TitleBarSize", Long(41)) &&
         Put(skin, L"Caption", Text(L"Caf\u00e9 \u0445 \u4e16\u754c")) &&
         Put(skin, L"AllowResize", Bool(false)) && Put(skin, L"AllowFullScreen", Bool(true)) &&
         Put(skin, L"ShowHelpButton", Bool(false)) && Put(skin, L"ShowMaximizeButton", Bool(false)) &&
         Put(skin, L"ShowMinimizeButton", Bool(false)) && Put(skin, L"ShowIconButton", Bool(false)) &&
         Put(skin, L"ShowCloseButton", Bool(false)) && Put(skin, L"Font", font) &&
         Put(skin, L"Enabled", Bool(false)) && Put(skin, L"BackColor", Long(0x00336699)) &&
         Put(skin, L"BackgroundShow", Bool(false)) && Put(skin, L"SkinThemeFile", Text(L"Custom.gwr")) &&
         Put(skin, L"ButtonSize", Long(31)) && Put(skin, L"AllowSystemMenu", Bool(false)) &&
         Put(skin, L"SkinState", Long(7));
}

void PrintProperties(const wchar_t* label, IDispatch* skin) {
  for (const std::wstring& name : client::PropertyNames(skin, INVOKE_PROPERTYGET)) {
    VARIANT value;
    HRESULT hr = client::Get(skin, name.c_str(), value);
    std::wprintf(L"%ls %ls=%ls\n", label, name.c_str(),
                 SUCCEEDED(hr) ? client::Describe(value).c_str() : client::Hex(hr).c_str());
    VariantClear(&value);
  }
}

// Control A's and B's properties, and whether their looks are the same.
void PrintRoundTrip(IDispatch* a, IDispatch* b) {
  PrintProperties(L"A", a);
  PrintProperties(L"B", b);
  std::wprintf(L"theme-equal %ls\n", Theme(a) == Theme(b) ? L"True" : L"False");
}

using Bytes = std::vector<std::uint8_t>;

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

HRESULT LoadBytes(IPersistStreamInit* persist, const Bytes& bytes) {
  IStream* s = StreamOf(bytes);
  const HRESULT hr = persist->Load(s);
  s->Release();
  return hr;
}

// The control still works: a whole theme, a let that takes, and a save
// that loads again.
bool Usable(IDispatch* skin, IPersistStreamInit* persist) {
  IStream* s = StreamOf({});
  const bool saved = client::ThemeFields(skin) == 24 && SUCCEEDED(client::Put(skin, L"BodyTheme", Long(3))) &&
                     SUCCEEDED(persist->Save(s, TRUE));
  const Bytes again = BytesOf(s);
  s->Release();
  return saved && SUCCEEDED(LoadBytes(persist, again));
}

// Damage of each kind the header check must see (a stream cut short, the
// wrong magic, a later version), and damage behind an intact header that
// may load or not; the decoder's breadth is the stream fuzzer's.
void LoadDamaged(IDispatch* skin, IPersistStreamInit* persist, const Bytes& saved) {
  const auto damaged = [&](const wchar_t* kind, Bytes b) {
    const HRESULT hr = LoadBytes(persist, b);
    std::wprintf(L"damaged %ls %ls usable %ls\n", kind, FAILED(hr) ? L"refused" : L"loaded",
                 Usable(skin, persist) ? L"True" : L"False");
  };
  Bytes b = saved;
  b.resize(b.size() / 2);
  damaged(L"truncated", b);
  b = saved;
  b[0] ^= 0x20;
  damaged(L"wrong-magic", b);
  b = saved;
  b[4] = 2;
  damaged(L"later-version", b);
  b = saved;
  b[b.size() / 2] ^= 0x10;
  b[20] ^= 0x01;
  damaged(L"bit-flip", b);
  b = saved;
  for (std::size_t i = 16; i < b.size() && i < 80; ++i) b[i] = static_cast<std::uint8_t>(i * 37);
  damaged(L"overwritten", b);
}

// Prints "LABEL KEY=VALUE" for each write of `bag` (only `only`, if given).
void PrintBag(const wchar_t* label, const MemoryBag& bag, const wchar_t* only = nullptr) {
  for (const auto& [key, value] : bag.entries()) {
    if (!only || key == only) std::wprintf(L"%ls %ls=%ls\n", label, key.c_str(), client::Describe(value).c_str());
  }
}

void PrintFresh(const std::wstring& ocx) {
  IDispatch* fresh = client::CreateSkin(ocx);
  if (!fresh) return;
  MemoryBag bag;
  auto* persist = client::Query<IPersistPropertyBag>(fresh, IID_IPersistPropertyBag);
  persist->InitNew();
  persist->Save(&bag, TRUE, FALSE);
  PrintBag(L"fresh", bag);
  MemoryBag all;
  persist->Save(&all, TRUE, TRUE);
  PrintBag(L"all", all);
  persist->Release();
  fresh->Release();
}

}  // namespace

int BagCommand(int argc, wchar_t** argv) {
  if (argc < 1) return 2;
  IDispatch* a = client::CreateSkin(argv[0]);
  if (!a || !SetEverything(a)) return 1;
  MemoryBag bag;
  auto* save = client::Query<IPersistPropertyBag>(a, IID_IPersistPropertyBag);
  HRESULT hr = save->Save(&bag, TRUE, FALSE);
  std::wprintf(L"save %ls\n", client::Hex(hr).c_str());
  IDispatch* b = client::CreateSkin(argv[0]);
  if (!b) return 1;
  auto* load = client::Query<IPersistPropertyBag>(b, IID_IPersistPropertyBag);
  hr = load->Load(&bag, nullptr);
  std::wprintf(L"load %ls\n", client::Hex(hr).c_str());
  PrintRoundTrip(a, b);
  PrintFresh(argv[0]);
  // The font object a client reads can be changed in place; the control
  // follows, so the next save carries the change.
  VARIANT font;
  if (SUCCEEDED(client::Get(b, L"Font", font)) && font.vt == VT_DISPATCH) {
    IFont* f = nullptr;
    font.pdispVal->QueryInterface(IID_IFont, reinterpret_cast<void**>(&f));
    if (f) {
      f->put_Bold(TRUE);
      f->Release();
    }
  }
  VariantClear(&font);
  MemoryBag again;
  load->Save(&again, TRUE, FALSE);
  PrintBag(L"inplace", again, L"Font");
  save->Release();
  load->Release();
  a->Release();
  b->Release();
  return 0;
}

int StreamCommand(int argc, wchar_t** argv) {
  if (argc < 1) return 2;
  IDispatch* a = client::CreateSkin(argv[0]);
  if (!a || !SetEverything(a)) return 1;
  IStream* stream = nullptr;
  CreateStreamOnHGlobal(nullptr, TRUE, &stream);
  auto* save = client::Query<IPersistStreamInit>(a, IID_IPersistStreamInit);
  std::wprintf(L"dirty-before-save %ls\n", save->IsDirty() == S_OK ? L"True" : L"False");
  ULARGE_INTEGER size = {};
  save->GetSizeMax(&size);
  HRESULT hr = save->Save(stream, TRUE);
  std::wprintf(L"save %ls\n", client::Hex(hr).c_str());
  std::wprintf(L"dirty-after-save %ls\n", save->IsDirty() == S_OK ? L"True" : L"False");
  ULARGE_INTEGER written = {};
  LARGE_INTEGER zero = {};
  stream->Seek(zero, STREAM_SEEK_CUR, &written);
  std::wprintf(L"size-max-covers %ls\n", size.QuadPart >= written.QuadPart ? L"True" : L"False");
  stream->Seek(zero, STREAM_SEEK_SET, nullptr);
  IDispatch* b = client::CreateSkin(argv[0]);
  if (!b) return 1;
  auto* load = client::Query<IPersistStreamInit>(b, IID_IPersistStreamInit);
  hr = load->Load(stream);
  std::wprintf(L"load %ls\n", client::Hex(hr).c_str());
  PrintRoundTrip(a, b);
  // A stream whose header claims more than it holds is refused and leaves
  // the control as it was.
  const Bytes saved = BytesOf(stream);
  Bytes huge = saved;
  huge[8] = huge[9] = huge[10] = 0xFF;
  std::wprintf(L"damaged-load %ls\n", FAILED(LoadBytes(load, huge)) ? L"refused" : L"accepted");
  PrintProperties(L"C", b);
  LoadDamaged(b, load, saved);
  stream->Release();
  save->Release();
  load->Release();
  a->Release();
  b->Release();
  return 0;
}

