// Finds font files for LOGFONT face names through fontconfig, the way GDI's
// font mapper substitutes: Windows core faces go to their metric twins and
// anything unknown to a plain sans.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "draw/noncopyable.h"

namespace glavo::text {

struct FaceLocation {
  std::string path;
  int index = 0;
  bool bold = false;    // the file itself is a bold face
  bool italic = false;  // the file itself is an italic or oblique face
  friend bool operator==(const FaceLocation&, const FaceLocation&) = default;
};

// The family fontconfig should look for when a LOGFONT names `faceName`.
std::string SubstituteFamily(std::string_view faceName);
// True for the symbol faces whose caption-button glyphs we carry ourselves.
bool IsSymbolFaceName(std::string_view faceName);

class FaceMatcher : Noncopyable {
 public:
  FaceMatcher();
  ~FaceMatcher();

  // Best installed face for the name and style; nullopt only when fontconfig
  // knows no font at all.
  std::optional<FaceLocation> match(std::string_view faceName, bool bold, bool italic) const;
  // A face of exactly this family (case-insensitive), or nullopt when none is
  // installed (no substitution).
  std::optional<FaceLocation> matchExact(std::string_view family, bool bold, bool italic) const;
  // A face that has a glyph for `codePoint`, preferring sans faces.
  std::optional<FaceLocation> fallbackFor(char32_t codePoint, bool bold, bool italic) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace glavo::text
