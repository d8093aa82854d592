#include "text/text_face_cache.h"

namespace glavo::text {

FtLibrary::FtLibrary() {
  if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
}

FtLibrary::~FtLibrary() {
  if (library_ != nullptr) FT_Done_FreeType(library_);
}

FtFace::FtFace(std::shared_ptr<FtLibrary> library, FT_Face face)
    : library_(std::move(library)), face_(face) {}

FtFace::~FtFace() { FT_Done_Face(face_); }

std::shared_ptr<FtFace> FaceCache::open(const FaceLocation& location) {
  const auto key = std::make_pair(location.path, location.index);
  if (auto it = faces_.find(key); it != faces_.end()) return it->second;
  std::shared_ptr<FtFace> result;
  FT_Face face = nullptr;
  if (library_->get() != nullptr &&
      FT_New_Face(library_->get(), location.path.c_str(), location.index, &face) == 0) {
    if (FT_IS_SCALABLE(face)) {
      if (face->charmap == nullptr) FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL);
      result = std::make_shared<FtFace>(library_, face);
    } else {
      FT_Done_Face(face);
    }
  }
  faces_[key] = result;  // failures are remembered too
  return result;
}

FontContext::FontContext()
    : library(std::make_shared<FtLibrary>()), faces(library) {}

}  // namespace glavo::text
