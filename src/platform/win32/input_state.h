// The buttons and shift keys an input message carries, as the control
// framework's Button and Shift arguments.
#pragma once

#include <windows.h>

#include <cstdint>

namespace glavo::win32 {

// The buttons held during a mouse message (MK_ flags of its wParam).
std::int16_t HeldButtons(WPARAM wParam);

// The button a press, release or double-click message is about; 0 for any
// other message.
std::int16_t ButtonOf(UINT message);

// Shift and Ctrl as the mouse message recorded them; Alt from the key state.
std::int16_t MouseShift(WPARAM wParam);

// Shift, Ctrl and Alt from the key state; `altDown` for a system key message
// that says Alt is held.
std::int16_t KeyShift(bool altDown);

}  // namespace glavo::win32
