// An off-screen drawing surface: a memory DC with a 32-bit top-down DIB
// section, the Win32 backing store of picture boxes and of the scene program.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "draw/noncopyable.h"
#include "platform/win32/win32_dc.h"
#include "platform/win32/window_canvas.h"

namespace glavo::win32 {

class MemoryDc final : public WindowCanvas, Noncopyable {
 public:
  // A size below 1 is kept at 1 pixel so that the context always has a
  // bitmap. valid() is false only when GDI refuses the resources.
  MemoryDc(int width, int height);
  ~MemoryDc() override;

  bool valid() const { return pixels_ != nullptr; }
  DeviceContext& dc() override { return *dc_; }
  Win32Dc& win32Dc() { return *dc_; }
  const Win32Dc& win32Dc() const { return *dc_; }
  // Reallocates the bitmap; the content is cleared to black.
  void resize(int width, int height) override;
  int width() const override { return width_; }
  int height() const override { return height_; }

  void present(HDC target, const RECT& area) override;
  const std::uint32_t* shownPixels() override;

  HDC hdc() const { return hdc_; }
  HBITMAP bitmap() const { return bitmap_; }
  // Pixels, top row first, 0xAARRGGBB. Call GdiFlush() before reading them
  // after drawing through GDI.
  const std::uint32_t* pixels() const { return pixels_; }
  std::uint32_t* pixels() { return pixels_; }

 private:
  HDC hdc_ = nullptr;
  HGDIOBJ originalBitmap_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::unique_ptr<Win32Dc> dc_;
};

}  // namespace glavo::win32
