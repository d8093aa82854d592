#include "platform/win32/win32_message_box.h"

#include <windows.h>

namespace glavo::win32 {

void Win32MessageBox::show(const std::u16string& text, const std::u16string& title,
                           unsigned style) {
  static_assert(sizeof(WCHAR) == sizeof(char16_t));
  // A null caption gives the system's default title.
  const auto* caption = title.empty() ? nullptr : reinterpret_cast<const WCHAR*>(title.c_str());
  MessageBoxW(owner_, reinterpret_cast<const WCHAR*>(text.c_str()), caption, style);
}

}  // namespace glavo::win32
