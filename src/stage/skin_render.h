// Rendering a whole skinned form to a bitmap: a theme, a size, a caption,
// and optionally one part under the pointer and one held down.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "raster/bitmap.h"
#include "skin/skin_enums.h"

namespace glavo::stage {

struct SkinRenderOptions {
  std::u16string theme;  // a skin theme string
  int width = 640;
  int height = 400;
  std::u16string caption = u"Glavowrap";
  std::optional<SkinPartsGwr> hover;
  std::optional<SkinPartsGwr> pressed;
};

// Where one part of the rendered form lies, in the form's pixels.
struct PartPlace {
  SkinPartsGwr part;
  Rect bounds;
  bool visible;
};

// The form as the screen shows it; `layout`, when given, receives the
// place of every part.
raster::Bitmap RenderSkin(const SkinRenderOptions& options, std::vector<PartPlace>* layout = nullptr);

// UTF-8 to UTF-16 and back, for command lines and output.
std::u16string FromUtf8(const std::string& s);
std::string ToUtf8(std::u16string_view s);

}  // namespace glavo::stage
