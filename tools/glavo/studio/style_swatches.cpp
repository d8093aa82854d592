#include "style_swatches.h"

#include <algorithm>
#include <cstring>

#include "stage/cell_render.h"
#include "stage/skin_render.h"

namespace glavo::studio {
namespace {

constexpr int kPosBorderSize = 5;
constexpr int kPosBorderStyle = 6;
constexpr int kPosCellStyle = 14;
// A one-pixel border hides the differences between the border styles.
constexpr int kMinSwatchBorder = 3;

}  // namespace

raster::Bitmap RenderStyleSwatches(const Record& look, SwatchKind kind, int width, int height) {
  const int count = kind == SwatchKind::kFill ? kFillStyleCount : kBorderStyleCount;
  raster::Bitmap sheet(width, height * count, 0);
  for (int style = 0; style < count; ++style) {
    Record sample = look;
    if (kind == SwatchKind::kFill) {
      sample[kPosCellStyle] = style;
    } else {
      sample[kPosBorderStyle] = style;
      sample[kPosBorderSize] = std::max(sample[kPosBorderSize], kMinSwatchBorder);
    }
    stage::CellRenderOptions options;
    options.record = stage::FromUtf8(FormatRecord(sample));
    options.width = width;
    options.height = height;
    const raster::Bitmap cell = stage::RenderCell(options);
    for (int y = 0; y < height; ++y) {
      std::memcpy(sheet.row(style * height + y), cell.row(y), sizeof(raster::Pixel) * width);
    }
  }
  return sheet;
}

}  // namespace glavo::studio
