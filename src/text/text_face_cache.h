// FreeType ownership for one text renderer: the library, and each opened font
// file once, shared by every font size made from it.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "draw/noncopyable.h"
#include "text/text_face_matcher.h"

namespace glavo::text {

// The FreeType library; shared so that faces never outlive it.
class FtLibrary : Noncopyable {
 public:
  FtLibrary();
  ~FtLibrary();
  FT_Library get() const { return library_; }

 private:
  FT_Library library_ = nullptr;
};

// One opened face. Sizes are created per font with FT_New_Size.
class FtFace : Noncopyable {
 public:
  FtFace(std::shared_ptr<FtLibrary> library, FT_Face face);
  ~FtFace();
  FT_Face get() const { return face_; }
  FT_Library library() const { return library_->get(); }

 private:
  std::shared_ptr<FtLibrary> library_;
  FT_Face face_;
};

class FaceCache {
 public:
  explicit FaceCache(std::shared_ptr<FtLibrary> library) : library_(std::move(library)) {}
  // The opened face, or null when the file cannot be read as a font.
  std::shared_ptr<FtFace> open(const FaceLocation& location);
  FT_Library library() const { return library_->get(); }

 private:
  std::shared_ptr<FtLibrary> library_;
  std::map<std::pair<std::string, int>, std::shared_ptr<FtFace>> faces_;
};

// Everything fonts share: matching, opened faces. Owned by the renderer and
// kept alive by the fonts it made.
struct FontContext {
  FontContext();
  std::shared_ptr<FtLibrary> library;
  FaceMatcher matcher;
  FaceCache faces;
};

}  // namespace glavo::text
