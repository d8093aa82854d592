// The modal message box of the system.
#pragma once

// <windows.h> maps the name MessageBox to MessageBoxW, which would rename the
// host interface in this translation unit; the function stays reachable as
// MessageBoxW.
#ifdef MessageBox
#undef MessageBox
#endif

#include "runtime/message_box.h"

struct HWND__;

namespace glavo::win32 {

class Win32MessageBox final : public MessageBox {
 public:
  // `owner` may be null: the box is then owned by the desktop.
  explicit Win32MessageBox(HWND__* owner = nullptr) : owner_(owner) {}
  void show(const std::u16string& text, const std::u16string& title, unsigned style) override;

 private:
  HWND__* owner_;
};

}  // namespace glavo::win32
