// Colour translation by the system itself (current user colours).
#pragma once

#include "runtime/color_table.h"

namespace glavo::win32 {

class Win32ColorTable final : public ColorTable {
 public:
  bool translate(OleColor color, Rgb& out) const override;
};

}  // namespace glavo::win32
