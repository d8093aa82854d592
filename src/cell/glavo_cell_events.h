// The events a GlavoCell raises to its owner. The ids are the events'
// identities towards the container.
#pragma once

#include <cstdint>

namespace glavo {

enum class CellEventId : int {
  kClick = 1,
  kDblClick = 2,
  kKeyDown = 3,
  kKeyPress = 4,
  kKeyUp = 5,
  kMouseDown = 6,
  kMouseMove = 7,
  kMouseUp = 8,
  kMouseIn = 9,
  kMouseOut = 10,
  kRightClick = 11,
  kRightDblClick = 12,
};

// Parameters are by reference; the cell reads MouseDown's Button back after
// the handler ran.
class GlavoCellEvents {
 public:
  virtual ~GlavoCellEvents() = default;
  virtual void Click() {}
  virtual void DblClick() {}
  virtual void KeyDown(std::int16_t& keyCode, std::int16_t& shift) {}
  virtual void KeyPress(std::int16_t& keyAscii) {}
  virtual void KeyUp(std::int16_t& keyCode, std::int16_t& shift) {}
  virtual void MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) {}
  virtual void MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) {}
  virtual void MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) {}
  virtual void MouseIn() {}
  virtual void MouseOut() {}
  virtual void RightClick() {}
  virtual void RightDblClick() {}
};

}  // namespace glavo
