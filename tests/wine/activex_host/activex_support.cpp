#include "activex_host.h"

#include <ocidl.h>
#include <winternl.h>

#include "platform/win32/memory_dc.h"

namespace activex_host {

void Report::check(const char* name, bool ok, const std::string& detail) {
  if (!ok) ++failures_;
  line(std::string("CHECK ") + name + (ok ? " ok " : " fail ") + detail);
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

RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

void ParkPointer() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2); }

void Pointer(HWND control, UINT message, int x, int y, WPARAM keys) {
  POINT screen{x, y};
  ClientToScreen(control, &screen);
  SetCursorPos(screen.x, screen.y);
  PostMouse(control, message, keys, x, y);
}

void PointerAtScreen(HWND control, UINT message, POINT screen, WPARAM keys) {
  ScreenToClient(control, &screen);
  Pointer(control, message, screen.x, screen.y, keys);
}

std::vector<std::uint32_t> PaintedPixels(int width, int height, const std::function<void(HDC)>& paint) {
  glavo::win32::MemoryDc canvas(width, height);
  paint(canvas.hdc());
  GdiFlush();
  std::vector<std::uint32_t> pixels(canvas.pixels(), canvas.pixels() + static_cast<std::size_t>(width) * height);
  for (std::uint32_t& p : pixels) p &= 0xFFFFFF;
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

int CountDifferent(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.size() != b.size()) return -1;
  int n = 0;
  for (std::size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
  return n;
}

}  // namespace activex_host
