#include "text/text_font.h"

#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "text/symbol_coverage.h"
#include "text/symbol_glyphs.h"
#include "text/text_face_cache.h"

namespace glavo::text {
namespace {

constexpr int kDefaultCellHeight = 16;
// Larger fonts than this are drawn at this size; nothing on a form needs more.
constexpr long long kMaxPixels = 1000;
constexpr int kBoldWeight = 600;
constexpr double kObliqueSlant = 0.2;
constexpr int kAntialiasedQuality = 4;

int Round(double v) { return static_cast<int>(std::lround(v)); }

// One face at the font's size, with the style it still has to simulate.
struct Slot {
  std::shared_ptr<FtFace> face;
  FT_Size size = nullptr;
  bool emboldenSynthetic = false;
  bool slantSynthetic = false;
};

struct GlyphRef {
  int slot = -1;  // -1: the built-in symbol outlines
  FT_UInt index = 0;
  bool draws = true;
};

// Vertical design metrics of a face in font units.
struct FaceUnits {
  double unitsPerEm = 2048;
  double ascent = 1638;
  double descent = 410;
  double averageWidth = 0;  // 0: unknown
};

FaceUnits UnitsOf(FT_Face face) {
  FaceUnits u;
  u.unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 2048;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    u.ascent = os2->usWinAscent;
    u.descent = os2->usWinDescent;
    if (os2->xAvgCharWidth > 0) u.averageWidth = os2->xAvgCharWidth;
  } else if (face->ascender - face->descender > 0) {
    u.ascent = face->ascender;
    u.descent = -face->descender;
  }
  return u;
}

}  // namespace

struct Font::Impl {
  std::shared_ptr<FontContext> context;
  LogFont lf;
  TextMetrics tm;
  int em = 1;
  int emX = 1;  // horizontal pixels per em; differs from `em` when lfWidth is set
  bool aa = false;
  bool bold = false;
  bool italic = false;
  bool builtinSymbols = false;
  DecorationLine underline;
  DecorationLine strikeOut;
  std::vector<Slot> slots;
  std::map<char32_t, GlyphRef> refs;
  std::map<char32_t, int> advances;
  std::map<std::pair<char32_t, int>, CoverageImage> images;

  ~Impl() {
    for (auto& s : slots) {
      if (s.size != nullptr) FT_Done_Size(s.size);
    }
  }

  FT_Int32 loadFlags() const {
    return FT_LOAD_NO_BITMAP | (aa ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
  }

  // Returns the slot number, or -1 when the face cannot be sized.
  int addSlot(const std::shared_ptr<FtFace>& face, const FaceLocation& loc) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
      if (slots[i].face == face) return static_cast<int>(i);
    }
    Slot slot;
    slot.face = face;
    if (FT_New_Size(face->get(), &slot.size) != 0) return -1;
    FT_Activate_Size(slot.size);
    if (FT_Set_Pixel_Sizes(face->get(), static_cast<FT_UInt>(emX), static_cast<FT_UInt>(em)) != 0) {
      FT_Done_Size(slot.size);
      return -1;
    }
    slot.emboldenSynthetic = bold && !loc.bold;
    slot.slantSynthetic = italic && !loc.italic;
    slots.push_back(std::move(slot));
    return static_cast<int>(slots.size()) - 1;
  }

  bool activate(int slot) const {
    return slot >= 0 && slot < static_cast<int>(slots.size()) &&
           FT_Activate_Size(slots[slot].size) == 0;
  }

  void setup(const LogFont& logFont);
  void computeMetrics(long long height, const FaceUnits& units);
  void computeDecorations(FT_Face face, const FaceUnits& units);
  GlyphRef lookup(char32_t cp);
  int measure(char32_t cp);
  CoverageImage render(char32_t cp, int angleTenths);
  bool loadOutline(const GlyphRef& ref);
};

void Font::Impl::setup(const LogFont& logFont) {
  lf = logFont;
  aa = lf.quality == kAntialiasedQuality;
  bold = lf.weight >= kBoldWeight;
  italic = lf.italic;
  long long height = lf.height == 0 ? kDefaultCellHeight : lf.height;
  height = std::clamp(height, -kMaxPixels, kMaxPixels);
  if (height == 0) height = 1;

  std::optional<FaceLocation> loc;
  if (IsSymbolFaceName(lf.faceName)) {
    loc = context->matcher.matchExact(SubstituteFamily(lf.faceName), bold, italic);
    builtinSymbols = !loc.has_value();
  } else {
    loc = context->matcher.match(lf.faceName, bold, italic);
  }
  std::shared_ptr<FtFace> face = loc ? context->faces.open(*loc) : nullptr;
  if (!face) builtinSymbols = true;

  FaceUnits units;
  if (builtinSymbols) {
    units.unitsPerEm = 1.0;
    units.ascent = kSymbolAscent;
    units.descent = kSymbolDescent;
  } else {
    units = UnitsOf(face->get());
  }
  computeMetrics(height, units);
  if (!builtinSymbols) {
    if (addSlot(face, *loc) < 0) builtinSymbols = true;
    else computeDecorations(face->get(), units);
  }
  if (builtinSymbols) computeDecorations(nullptr, units);
}

void Font::Impl::computeMetrics(long long height, const FaceUnits& u) {
  const double cellUnits = u.ascent + u.descent;
  if (height < 0) {
    em = static_cast<int>(-height);
    tm.ascent = Round(u.ascent * em / u.unitsPerEm);
    tm.descent = Round(u.descent * em / u.unitsPerEm);
  } else {
    em = std::max(1, Round(height * u.unitsPerEm / cellUnits));
    tm.ascent = Round(u.ascent * height / cellUnits);
    tm.descent = static_cast<int>(height) - tm.ascent;
  }
  tm.height = tm.ascent + tm.descent;
  tm.internalLeading = std::max(0, tm.height - em);
  const double naturalAverage =
      u.averageWidth > 0 ? u.averageWidth * em / u.unitsPerEm : em * 0.45;
  emX = em;
  tm.averageCharWidth = std::max(1, Round(naturalAverage));
  // A LOGFONT width asks for that average character width: stretch the em.
  if (lf.width != 0) {
    const long long wanted = std::min<long long>(std::llabs(static_cast<long long>(lf.width)), kMaxPixels);
    emX = std::max(1, Round(em * static_cast<double>(wanted) / std::max(1.0, naturalAverage)));
    tm.averageCharWidth = static_cast<int>(wanted);
  }
}

void Font::Impl::computeDecorations(FT_Face face, const FaceUnits& u) {
  const double scale = em / u.unitsPerEm;
  double underPos = -0.1 * u.unitsPerEm;
  double underSize = 0.07 * u.unitsPerEm;
  double strikePos = 0.26 * u.unitsPerEm;
  double strikeSize = underSize;
  if (face != nullptr) {
    if (face->underline_thickness > 0) {
      underPos = face->underline_position;
      underSize = face->underline_thickness;
    }
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
      strikePos = os2->yStrikeoutPosition;
      strikeSize = os2->yStrikeoutSize;
    }
  }
  underline.thickness = std::max(1, Round(underSize * scale));
  underline.offset = std::max(1, Round(-underPos * scale - underline.thickness / 2.0));
  if (underline.offset + underline.thickness > tm.descent)
    underline.offset = std::max(1, tm.descent - underline.thickness);
  strikeOut.thickness = std::max(1, Round(strikeSize * scale));
  strikeOut.offset = -std::max(1, Round(strikePos * scale));
  if (bold && !builtinSymbols && !slots.empty() && slots[0].emboldenSynthetic)
    ++tm.averageCharWidth;
}

GlyphRef Font::Impl::lookup(char32_t cp) {
  if (auto it = refs.find(cp); it != refs.end()) return it->second;
  GlyphRef ref;
  if (cp < 0x20 || cp == 0x7F) {
    ref.draws = false;
  } else if (builtinSymbols) {
    ref.draws = SymbolCode(cp) != 0;
  } else {
    FT_Face primary = slots[0].face->get();
    FT_UInt index = FT_Get_Char_Index(primary, cp);
    if (index == 0 && primary->charmap != nullptr &&
        primary->charmap->encoding == FT_ENCODING_MS_SYMBOL && cp <= 0xFF) {
      index = FT_Get_Char_Index(primary, 0xF000 + cp);
    }
    ref.slot = 0;
    ref.index = index;
    if (index == 0) {
      // Glyphs the face lacks come from a face that has them, as font linking does.
      if (auto loc = context->matcher.fallbackFor(cp, bold, italic)) {
        if (auto face = context->faces.open(*loc)) {
          const int slot = addSlot(face, *loc);
          const FT_UInt other = slot >= 0 ? FT_Get_Char_Index(face->get(), cp) : 0;
          if (other != 0) {
            ref.slot = slot;
            ref.index = other;
          }
        }
      }
    }
  }
  refs[cp] = ref;
  return ref;
}

bool Font::Impl::loadOutline(const GlyphRef& ref) {
  if (!activate(ref.slot)) return false;
  FT_Face face = slots[ref.slot].face->get();
  return FT_Load_Glyph(face, ref.index, loadFlags()) == 0 &&
         face->glyph->format == FT_GLYPH_FORMAT_OUTLINE;
}

int Font::Impl::measure(char32_t cp) {
  const GlyphRef ref = lookup(cp);
  if (!ref.draws) return 0;
  if (ref.slot < 0) return SymbolAdvance(cp, em) + (bold ? 1 : 0);
  if (!loadOutline(ref)) return 0;
  const FT_Face face = slots[ref.slot].face->get();
  // The design advance rounded to whole pixels, independent of hinting, so
  // that widths follow the face's metrics the same way at every quality.
  int advance = static_cast<int>((face->glyph->linearHoriAdvance + 0x8000) >> 16);
  if (slots[ref.slot].emboldenSynthetic) ++advance;
  return advance;
}

CoverageImage Font::Impl::render(char32_t cp, int angleTenths) {
  const GlyphRef ref = lookup(cp);
  if (!ref.draws) return {};
  FT_Library library = context->library->get();
  const double degrees = angleTenths / 10.0;
  if (ref.slot < 0 && !italic && angleTenths % 3600 == 0) {
    // The same pixels every backend draws for these glyphs.
    return SymbolGlyph(cp, em, bold, aa);
  }
  if (ref.slot < 0) {
    OwnedOutline outline = OwnedOutline::fromContours(library, SymbolOutline(cp, em));
    if (bold) FT_Outline_EmboldenXY(outline.get(), 64, 0);
    if (italic) outline.slant(kObliqueSlant);
    outline.rotate(degrees);
    return outline.rasterise(aa);
  }
  if (!loadOutline(ref)) return {};
  const Slot& slot = slots[ref.slot];
  OwnedOutline outline = OwnedOutline::copyOf(library, slots[ref.slot].face->get()->glyph->outline);
  if (slot.emboldenSynthetic) FT_Outline_EmboldenXY(outline.get(), std::max(64, em * 64 / 20), 0);
  if (slot.slantSynthetic) outline.slant(kObliqueSlant);
  outline.rotate(degrees);
  return outline.rasterise(aa);
}

Font::Font(std::shared_ptr<FontContext> context, const LogFont& lf)
    : impl_(std::make_unique<Impl>()) {
  impl_->context = std::move(context);
  impl_->setup(lf);
}

Font::~Font() = default;

const LogFont& Font::logFont() const { return impl_->lf; }
const TextMetrics& Font::metrics() const { return impl_->tm; }
int Font::emPixels() const { return impl_->em; }
bool Font::antialiased() const { return impl_->aa; }
DecorationLine Font::underline() const { return impl_->underline; }
DecorationLine Font::strikeOut() const { return impl_->strikeOut; }
FT_Library Font::library() const { return impl_->context->library->get(); }

int Font::advance(char32_t codePoint) const {
  auto& cache = impl_->advances;
  if (auto it = cache.find(codePoint); it != cache.end()) return it->second;
  const int a = impl_->measure(codePoint);
  cache[codePoint] = a;
  return a;
}

const CoverageImage& Font::glyph(char32_t codePoint, int angleTenths) const {
  const auto key = std::make_pair(codePoint, angleTenths);
  auto& cache = impl_->images;
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  return cache.emplace(key, impl_->render(codePoint, angleTenths)).first->second;
}

}  // namespace glavo::text
