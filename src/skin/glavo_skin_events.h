// The public events of the skin control, with their dispatch identifiers.
// Every parameter is by reference; the skin reads KeyDown's KeyCode and
// Shift back after the handler, so a handler can cancel the shortcuts.
#pragma once

#include <cstdint>

#include "skin/skin_enums.h"

namespace glavo {

enum class SkinEventId : int {
  kClick = 1,
  kDblClick = 2,
  kKeyDown = 3,
  kKeyPress = 4,
  kKeyUp = 5,
  kMouseDown = 6,
  kMouseMove = 7,
  kMouseUp = 8,
};

class GlavoSkinEvents {
 public:
  virtual ~GlavoSkinEvents() = default;
  virtual void Click(SkinPartsGwr& SkinPart) {}
  virtual void DblClick(SkinPartsGwr& SkinPart) {}
  virtual void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {}
  virtual void KeyPress(std::int16_t& KeyAscii) {}
  virtual void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {}
  virtual void MouseDown(SkinPartsGwr& SkinPart, std::int16_t& Button, std::int16_t& Shift,
                         float& X, float& Y) {}
  virtual void MouseMove(SkinPartsGwr& SkinPart, std::int16_t& Button, std::int16_t& Shift,
                         float& X, float& Y) {}
  virtual void MouseUp(SkinPartsGwr& SkinPart, std::int16_t& Button, std::int16_t& Shift,
                       float& X, float& Y) {}
};

}  // namespace glavo
