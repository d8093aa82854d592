#include "scene/tile_table.h"

#include "scene/scene.h"

namespace glavo::scene {
namespace {

const char* MatchName(Match m) {
  switch (m) {
    case Match::kExact: return "exact";
    case Match::kGeometry: return "geometry";
    case Match::kColor: return "color";
    case Match::kInk: return "ink";
    case Match::kParagraph: return "paragraph";
  }
  return "?";
}

}  // namespace

std::string TileTable() {
  const Size canvas = CanvasSize();
  std::string out = "canvas " + std::to_string(canvas.cx) + "x" + std::to_string(canvas.cy) + "\n";
  const auto primitives = Primitives();
  for (int i = 0; i < static_cast<int>(primitives.size()); ++i) {
    const Rect r = TileArea(i);
    out += std::to_string(i) + "\t" + MatchName(primitives[i].match) + "\t" +
           std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
           " " + std::to_string(r.bottom) + "\t" + std::string(primitives[i].name) + "\n";
  }
  return out;
}

}  // namespace glavo::scene
