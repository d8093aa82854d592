#include "text/text_face_matcher.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cctype>

namespace glavo::text {
namespace {

constexpr std::string_view kDefaultSans = "Liberation Sans";

struct Substitution {
  std::string_view windowsName;
  std::string_view family;
};

// Windows core faces and their metric-compatible (or closest) twins.
constexpr std::array<Substitution, 12> kSubstitutions{{
    {"arial", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"times", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
    {"ms sans serif", "Liberation Sans"},
    {"microsoft sans serif", "Liberation Sans"},
    {"tahoma", "Liberation Sans"},
    {"segoe ui", "Liberation Sans"},
    {"verdana", "DejaVu Sans"},
    {"system", "Liberation Sans"},
}};

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// GDI uses at most 31 characters of the face name; trailing blanks do not count.
std::string CleanFaceName(std::string_view faceName) {
  std::string_view s = faceName.substr(0, std::min<std::size_t>(faceName.size(), 31));
  if (auto nul = s.find('\0'); nul != std::string_view::npos) s = s.substr(0, nul);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return std::string(s);
}

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

PatternPtr MakePattern(std::string_view family, bool bold, bool italic) {
  PatternPtr p(FcPatternCreate());
  std::string fam(family);
  FcPatternAddString(p.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(fam.c_str()));
  FcPatternAddInteger(p.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(p.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(p.get(), FC_SCALABLE, FcTrue);
  return p;
}

std::optional<FaceLocation> LocationOf(const FcPattern* font) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || file == nullptr)
    return std::nullopt;
  FaceLocation loc;
  loc.path = reinterpret_cast<const char*>(file);
  int index = 0;
  if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch) loc.index = index;
  int weight = FC_WEIGHT_REGULAR;
  if (FcPatternGetInteger(font, FC_WEIGHT, 0, &weight) == FcResultMatch)
    loc.bold = weight >= FC_WEIGHT_DEMIBOLD;
  int slant = FC_SLANT_ROMAN;
  if (FcPatternGetInteger(font, FC_SLANT, 0, &slant) == FcResultMatch)
    loc.italic = slant != FC_SLANT_ROMAN;
  return loc;
}

bool HasFamily(const FcPattern* font, std::string_view family) {
  const std::string wanted = Lower(family);
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (Lower(reinterpret_cast<const char*>(name)) == wanted) return true;
  }
  return false;
}

}  // namespace

std::string SubstituteFamily(std::string_view faceName) {
  const std::string clean = CleanFaceName(faceName);
  if (clean.empty()) return std::string(kDefaultSans);
  const std::string lower = Lower(clean);
  for (const auto& s : kSubstitutions) {
    if (s.windowsName == lower) return std::string(s.family);
  }
  return clean;
}

bool IsSymbolFaceName(std::string_view faceName) {
  // Marlett, the system's own caption-button face, puts the same four
  // glyphs at the same codes.
  const std::string name = Lower(CleanFaceName(faceName));
  return name == "webdings" || name == "marlett";
}

struct FaceMatcher::Impl {
  FcConfig* config = nullptr;

  FcPattern* bestMatch(FcPattern* pattern) const {
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    return FcFontMatch(config, pattern, &result);
  }
};

FaceMatcher::FaceMatcher() : impl_(std::make_unique<Impl>()) {
  impl_->config = FcInitLoadConfigAndFonts();
}

FaceMatcher::~FaceMatcher() {
  if (impl_->config != nullptr) FcConfigDestroy(impl_->config);
}

std::optional<FaceLocation> FaceMatcher::matchExact(std::string_view family, bool bold,
                                                    bool italic) const {
  if (impl_->config == nullptr || family.empty()) return std::nullopt;
  PatternPtr pattern = MakePattern(family, bold, italic);
  PatternPtr font(impl_->bestMatch(pattern.get()));
  if (!font || !HasFamily(font.get(), family)) return std::nullopt;
  return LocationOf(font.get());
}

std::optional<FaceLocation> FaceMatcher::match(std::string_view faceName, bool bold,
                                               bool italic) const {
  if (auto exact = matchExact(SubstituteFamily(faceName), bold, italic)) return exact;
  if (auto sans = matchExact(kDefaultSans, bold, italic)) return sans;
  if (impl_->config == nullptr) return std::nullopt;
  PatternPtr pattern = MakePattern("sans-serif", bold, italic);
  PatternPtr font(impl_->bestMatch(pattern.get()));
  return font ? LocationOf(font.get()) : std::nullopt;
}

std::optional<FaceLocation> FaceMatcher::fallbackFor(char32_t codePoint, bool bold,
                                                     bool italic) const {
  if (impl_->config == nullptr) return std::nullopt;
  PatternPtr pattern = MakePattern("sans-serif", bold, italic);
  FcCharSet* charset = FcCharSetCreate();
  FcCharSetAddChar(charset, codePoint);
  FcPatternAddCharSet(pattern.get(), FC_CHARSET, charset);
  FcCharSetDestroy(charset);
  PatternPtr font(impl_->bestMatch(pattern.get()));
  if (!font) return std::nullopt;
  FcCharSet* has = nullptr;
  if (FcPatternGetCharSet(font.get(), FC_CHARSET, 0, &has) != FcResultMatch ||
      !FcCharSetHasChar(has, codePoint)) {
    return std::nullopt;
  }
  return LocationOf(font.get());
}

}  // namespace glavo::text
