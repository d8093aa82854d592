// The events a GlavoCell raises to its owner.
#pragma once

#include <cstdint>

namespace glavo {

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
