// What the control framework delivers to a control: its lifecycle events
// and the user's input on its surface. Parameters are by reference, as the
// framework passes them; a handler may change them.
#pragma once

#include <cstdint>

namespace glavo {

// Mouse buttons and shift states as the framework reports them.
namespace mouse {
inline constexpr std::int16_t kLeft = 1;
inline constexpr std::int16_t kRight = 2;
inline constexpr std::int16_t kMiddle = 4;
}  // namespace mouse
namespace shift {
inline constexpr std::int16_t kShift = 1;
inline constexpr std::int16_t kCtrl = 2;
inline constexpr std::int16_t kAlt = 4;
}  // namespace shift

class ControlEvents {
 public:
  virtual ~ControlEvents() = default;

  virtual void onShow() {}
  virtual void onResize() {}

  virtual void onClick() {}
  virtual void onDblClick() {}
  virtual void onKeyDown(std::int16_t& keyCode, std::int16_t& shift) {}
  virtual void onKeyPress(std::int16_t& keyAscii) {}
  virtual void onKeyUp(std::int16_t& keyCode, std::int16_t& shift) {}
  // x, y in the surface's scale units.
  virtual void onMouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) {}
  virtual void onMouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) {}
  virtual void onMouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) {}
  virtual void onGotFocus() {}
  virtual void onLostFocus() {}
};

}  // namespace glavo
