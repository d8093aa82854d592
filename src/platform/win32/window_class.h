// Window classes of the control windows, registered once per module that
// holds this code (the OCX or a program linking it statically).
#pragma once

#include <windows.h>

namespace glavo::win32 {

// The module (DLL or EXE) whose code is running, not the process's EXE.
HINSTANCE WindowModule();

// Registers `name` with `proc` in WindowModule() unless it is already there.
// Returns false only when the class can neither be found nor registered.
bool EnsureWindowClass(const wchar_t* name, WNDPROC proc, UINT style);

// The object stored with a window by CreateWindowEx's create parameter.
template <class Object>
Object* WindowObject(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace glavo::win32
