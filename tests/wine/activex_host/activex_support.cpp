#include "activex_host.h"

#include <ocidl.h>
#include <winternl.h>

namespace activex_host {

Report::Report(const std::wstring& path) : file_(_wfopen(path.c_str(), L"w")) {}

Report::~Report() {
  if (file_) std::fclose(file_);
}

void Report::check(const char* name, bool ok, const std::string& detail) {
  if (!ok) ++failures_;
  line(std::string("CHECK ") + name + (ok ? " ok " : " fail ") + detail);
}

void Report::line(const std::string& text) {
  if (!file_) return;
  std::fputs(text.c_str(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

namespace {

// An entry of the GDI handle table the PEB points to (GdiSharedHandleTable).
struct GdiHandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t user;
};
constexpr int kGdiHandleEntries = 0x10000;

// The table through the 64-bit PEB of a 32-bit process under WOW64, a Wine
// limitation: Wine 8.0 leaves the 32-bit PEB's pointer null there and fills
// in only the 64-bit PEB's. The 32-bit TEB's WowTebOffset (0xFDC) leads to
// the 64-bit TEB, whose PEB pointer sits at 0x60; Wine keeps both below 4 GB.
const GdiHandleEntry* Wow64GdiHandleTable() {
#ifdef _WIN64
  return nullptr;
#else
  const auto* teb = reinterpret_cast<const unsigned char*>(NtCurrentTeb());
  const LONG wowTebOffset = *reinterpret_cast<const LONG*>(teb + 0xFDC);
  if (wowTebOffset == 0) return nullptr;
  const std::uint64_t peb64 = *reinterpret_cast<const std::uint64_t*>(teb + wowTebOffset + 0x60);
  if (peb64 == 0 || peb64 > UINTPTR_MAX) return nullptr;
  const std::uint64_t table = *reinterpret_cast<const std::uint64_t*>(static_cast<std::uintptr_t>(peb64) + 0xF8);
  if (table > UINTPTR_MAX) return nullptr;
  return reinterpret_cast<const GdiHandleEntry*>(static_cast<std::uintptr_t>(table));
#endif
}

const GdiHandleEntry* GdiHandleTable() {
  // GdiSharedHandleTable sits at 0xF8 of the 64-bit PEB and 0x94 of the 32-bit one.
  const auto* peb = reinterpret_cast<const unsigned char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
  constexpr std::size_t kOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
  const GdiHandleEntry* table = *reinterpret_cast<GdiHandleEntry* const*>(peb + kOffset);
  if (table == nullptr) table = Wow64GdiHandleTable();
  return table;
}

}  // namespace

int GdiObjectCount(std::string& how) {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted != 0) {
    how = "GetGuiResources";
    return static_cast<int>(counted);
  }
  const GdiHandleEntry* table = GdiHandleTable();
  if (table == nullptr) {
    how = "no count available";
    return -1;
  }
  int live = 0;
  for (int i = 0; i < kGdiHandleEntries; ++i) live += table[i].type != 0;
  how = "GDI handle table (GetGuiResources answers 0)";
  return live;
}

void Pump(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

std::vector<std::uint32_t> PaintedPixels(int width, int height, const std::function<void(HDC)>& paint) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  paint(memory);
  GdiFlush();
  const auto* src = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = src[i] & 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

std::vector<std::uint32_t> CaptureScreen(const RECT& rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  return PaintedPixels(w, h, [&](HDC memory) {
    HDC screen = GetDC(nullptr);
    BitBlt(memory, 0, 0, w, h, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
  });
}

bool SavePpm(const std::wstring& path, const std::vector<std::uint32_t>& pixels, int width, int height) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", width, height);
  for (std::uint32_t p : pixels) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                  static_cast<unsigned char>(p)};
    std::fwrite(rgb, 1, 3, file);
  }
  std::fclose(file);
  return true;
}

int CountDifferent(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.size() != b.size()) return -1;
  int n = 0;
  for (std::size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
  return n;
}

namespace {

DISPID IdOf(IDispatch* object, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

}  // namespace

bool PutValue(IDispatch* object, const wchar_t* name, VARIANT value) {
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &put, 1, 1};
  const HRESULT hr = object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                    &params, nullptr, nullptr, nullptr);
  VariantClear(&value);
  return SUCCEEDED(hr);
}

bool PutLong(IDispatch* object, const wchar_t* name, long value) {
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_I4;
  arg.lVal = value;
  return PutValue(object, name, arg);
}

bool GetLong(IDispatch* object, const wchar_t* name, long& value) {
  VARIANT result;
  VariantInit(&result);
  DISPPARAMS none{};
  if (FAILED(object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                            &none, &result, nullptr, nullptr)) ||
      FAILED(VariantChangeType(&result, &result, 0, VT_I4))) {
    return false;
  }
  value = result.lVal;
  return true;
}

Listening::Listening(IDispatch* control, REFIID events, IDispatch* listener) {
  IConnectionPointContainer* points = nullptr;
  if (FAILED(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points)))) return;
  if (SUCCEEDED(points->FindConnectionPoint(events, &point_)) && FAILED(point_->Advise(listener, &cookie_))) {
    point_->Release();
    point_ = nullptr;
  }
  points->Release();
}

Listening::~Listening() {
  if (!point_) return;
  point_->Unadvise(cookie_);
  point_->Release();
}

}  // namespace activex_host
