// The live preview of the property page: a skin of its own, drawn by the
// same code as the control, on a small stand-in form inside a child window
// of the page. Whatever the page changes is set on this skin at once.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "draw/noncopyable.h"
#include "platform/win32/windowed_host.h"
#include "skin/glavo_skin.h"

namespace glavo::server {

class ThemePreview : Noncopyable {
 public:
  // A child window of `parent` at `place` (parent pixels) with a skin whose
  // title reads `caption`.
  ThemePreview(HWND parent, const RECT& place, const std::u16string& caption);
  ~ThemePreview();

  GlavoSkin& skin() { return *skin_; }
  HWND window() const { return panel_; }

 private:
  HWND panel_ = nullptr;
  std::unique_ptr<win32::WindowedHost> host_;
  std::unique_ptr<GlavoSkin> skin_;
};

}  // namespace glavo::server
