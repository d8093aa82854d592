#include "platform/win32/memory_dc.h"

#include <algorithm>

#include "platform/win32/dib_info.h"

namespace glavo::win32 {
namespace {

// A zero-filled (black) 32-bit top-down DIB section.
HBITMAP CreateTopDownDib(HDC hdc, int width, int height, void** bits) {
  const BITMAPINFO info = DibInfo(width, -height, 32);
  return CreateDIBSection(hdc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

}  // namespace

MemoryDc::MemoryDc(int width, int height) : hdc_(CreateCompatibleDC(nullptr)) {
  // The wrapper exists even when GDI refuses, so dc() is always usable.
  dc_ = std::make_unique<Win32Dc>(hdc_);
  resize(width, height);
}

MemoryDc::~MemoryDc() {
  dc_.reset();  // puts the context's pens, brushes and fonts back first
  if (hdc_ != nullptr && originalBitmap_ != nullptr) SelectObject(hdc_, originalBitmap_);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (hdc_ != nullptr) DeleteDC(hdc_);
}

void MemoryDc::resize(int width, int height) {
  if (hdc_ == nullptr) return;
  width = std::max(width, 1);
  height = std::max(height, 1);
  void* bits = nullptr;
  HBITMAP fresh = CreateTopDownDib(hdc_, width, height, &bits);
  if (fresh == nullptr || bits == nullptr) {
    if (fresh != nullptr) DeleteObject(fresh);
    return;  // keep the previous bitmap rather than leave the context without one
  }
  HGDIOBJ previous = SelectObject(hdc_, fresh);
  if (originalBitmap_ == nullptr) originalBitmap_ = previous;
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  bitmap_ = fresh;
  pixels_ = static_cast<std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
}

void MemoryDc::present(HDC target, const RECT& area) {
  GdiFlush();
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, hdc_, area.left, area.top,
         SRCCOPY);
}

const std::uint32_t* MemoryDc::shownPixels() {
  GdiFlush();
  return pixels_;
}

}  // namespace glavo::win32
