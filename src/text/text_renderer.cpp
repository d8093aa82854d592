#include "text/text_renderer.h"

#include <algorithm>
#include <limits>
#include <map>
#include <tuple>

#include "text/text_blend.h"
#include "text/text_face_cache.h"
#include "text/text_font.h"
#include "text/text_layout.h"
#include "text/text_run_painter.h"

namespace glavo::text {
namespace {

constexpr std::size_t kFontCacheLimit = 64;

using FontKey = std::tuple<int, int, int, int, int, bool, bool, bool, int, int, std::string>;

FontKey KeyOf(const LogFont& lf) {
  return {lf.height, lf.width, lf.escapement, lf.orientation, lf.weight, lf.italic, lf.underline,
          lf.strikeOut, lf.charSet, lf.quality, lf.faceName.substr(0, 31)};
}

// GDI's stock System font: a bold sans with a 16-pixel cell.
LogFont SystemLogFont() {
  LogFont lf;
  lf.height = 16;
  lf.weight = 700;
  lf.faceName = "System";
  return lf;
}

// Far outside any surface, yet safe from overflow when offsets are added.
constexpr long long kCoordLimit = 1LL << 30;

int ClampCoord(long long v) { return static_cast<int>(std::clamp(v, -kCoordLimit, kCoordLimit)); }
int ClampToInt(long long v) {
  return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

long long WidthOf(const Rect& r) { return static_cast<long long>(r.right) - r.left; }
long long HeightOf(const Rect& r) { return static_cast<long long>(r.bottom) - r.top; }

int AlignedX(const Rect& rect, int lineWidth, unsigned format) {
  if (format & dt::kCenter) return ClampCoord(rect.left + (WidthOf(rect) - lineWidth) / 2);
  if (format & dt::kRight) return ClampCoord(static_cast<long long>(rect.right) - lineWidth);
  return ClampCoord(rect.left);
}

// Top of the first line: single lines may sit centred or at the bottom.
int FirstLineTop(const Rect& rect, int blockHeight, unsigned format) {
  if (!(format & dt::kSingleLine)) return ClampCoord(rect.top);
  if (format & dt::kVCenter) return ClampCoord(rect.top + (HeightOf(rect) - blockHeight) / 2);
  if (format & dt::kBottom) return ClampCoord(static_cast<long long>(rect.bottom) - blockHeight);
  return ClampCoord(rect.top);
}

}  // namespace

struct TextRenderer::Impl {
  std::shared_ptr<FontContext> context;  // made on first use: loading fontconfig costs
  std::map<FontKey, std::shared_ptr<const Font>> fonts;

  // Keeps the cache from growing without bound when callers keep making new
  // sizes (animated captions); fonts still in use elsewhere stay.
  void forgetUnusedFonts() {
    if (fonts.size() < kFontCacheLimit) return;
    std::erase_if(fonts, [](const auto& entry) { return entry.second.use_count() == 1; });
  }

  const std::shared_ptr<FontContext>& sharedContext() {
    if (!context) context = std::make_shared<FontContext>();
    return context;
  }
};

TextRenderer::TextRenderer() : impl_(std::make_unique<Impl>()) {}
TextRenderer::~TextRenderer() = default;

std::shared_ptr<const Font> TextRenderer::createFont(const LogFont& lf) {
  const FontKey key = KeyOf(lf);
  if (auto it = impl_->fonts.find(key); it != impl_->fonts.end()) return it->second;
  impl_->forgetUnusedFonts();
  auto font = std::make_shared<const Font>(impl_->sharedContext(), lf);
  impl_->fonts.emplace(key, font);
  return font;
}

std::shared_ptr<const Font> TextRenderer::defaultFont() { return createFont(SystemLogFont()); }

int TextRenderer::drawText(raster::Bitmap& target, const Rect& clip, const Font& font,
                           std::u16string_view text, Rect& rect, unsigned format,
                           const raster::TextState& state) {
  const int lineHeight = font.metrics().height;
  const bool singleLine = (format & dt::kSingleLine) != 0;
  if (text.empty()) {
    if (format & dt::kCalcRect) {
      rect.right = rect.left;
      rect.bottom = rect.top;
    }
    return 0;
  }
  const std::vector<TextChar> chars =
      ApplyPrefixes(DecodeUtf16(text), (format & dt::kNoPrefix) != 0);
  const std::vector<TextLine> lines =
      LayoutLines(chars, singleLine, (format & dt::kWordBreak) != 0, ClampCoord(WidthOf(rect)),
                  [&font](char32_t c) { return font.advance(c); });
  const int blockHeight = ClampCoord(static_cast<long long>(lines.size()) * lineHeight);

  if (format & dt::kCalcRect) {
    int widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.width);
    rect.right = ClampToInt(static_cast<long long>(rect.left) + widest);
    rect.bottom = ClampToInt(static_cast<long long>(rect.top) + blockHeight);
    return blockHeight;
  }

  const Rect area = (format & dt::kNoClip) ? clip : IntersectRects(clip, rect);
  const int top = FirstLineTop(rect, blockHeight, format);
  long long y = top;
  for (const TextLine& line : lines) {
    PaintTextRun(target, area, font, line.chars, AlignedX(rect, line.width, format),
                 ClampCoord(y), state);
    y += lineHeight;
  }
  const bool placed = singleLine && (format & (dt::kVCenter | dt::kBottom));
  return placed ? ClampCoord(static_cast<long long>(top) - rect.top + blockHeight) : blockHeight;
}

Size TextRenderer::textExtent(const Font& font, std::u16string_view text) {
  long long width = 0;
  for (char32_t c : DecodeUtf16(text)) width += font.advance(c);
  return Size{ClampToInt(width), font.metrics().height};
}

TextMetrics TextRenderer::metrics(const Font& font) { return font.metrics(); }

}  // namespace glavo::text
