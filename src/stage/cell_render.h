// Painting one cell from a theme record to a bitmap, on a desktop of its own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "raster/bitmap.h"
#include "runtime/font.h"

namespace glavo::stage {

struct CellRenderOptions {
  std::u16string record;  // the look, eighteen values joined by "##"
  int width = 0;
  int height = 0;
  std::optional<std::u16string> caption;
  FontRef font;
  std::optional<std::int32_t> symbol;
  // When set, wins over the record's own flip field.
  std::optional<std::int32_t> flip;
  std::int32_t state = 0;  // 0 normal, 1 over, 2 down: the state the record is the look of
};

// The painted cell; pixels outside the cell's mask have alpha 0.
raster::Bitmap RenderCell(const CellRenderOptions& options);

}  // namespace glavo::stage
