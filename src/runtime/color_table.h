// Translation of OLE colours to RGB, the job of OleTranslateColor.
#pragma once

#include "draw/types.h"

namespace glavo {

class ColorTable {
 public:
  virtual ~ColorTable() = default;
  // OleTranslateColor(color, no palette): an RGB value passes unchanged, a
  // system colour (0x800000nn) maps to the current colour of index nn.
  // Returns false for an invalid value, leaving `out` untouched.
  virtual bool translate(OleColor color, Rgb& out) const = 0;
  // What a surface shows for a colour: its translation, or for a value
  // that does not translate, its low three bytes taken as RGB, as GDI
  // would read them.
  Rgb shown(OleColor color) const;
};

// The Windows default system colours; what the software host answers.
class DefaultColorTable final : public ColorTable {
 public:
  bool translate(OleColor color, Rgb& out) const override;
};

}  // namespace glavo
