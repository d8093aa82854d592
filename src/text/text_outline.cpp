#include "text/text_outline.h"

#include <cmath>
#include <numbers>
#include <type_traits>

namespace glavo::text {
namespace {

// Far beyond any caption; protects against absurd sizes eating memory.
constexpr long long kMaxImagePixels = 16LL * 1024 * 1024;

FT_Fixed ToFixed(double v) { return static_cast<FT_Fixed>(std::lround(v * 65536.0)); }

long FloorPixel(FT_Pos v) { return static_cast<long>(std::floor(v / 64.0)); }
long CeilPixel(FT_Pos v) { return static_cast<long>(std::ceil(v / 64.0)); }

void CopyBitmap(const FT_Bitmap& bitmap, bool mono, CoverageImage& image) {
  for (int y = 0; y < image.height; ++y) {
    const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    std::uint8_t* dst = image.coverage.data() + static_cast<std::size_t>(y) * image.width;
    for (int x = 0; x < image.width; ++x) {
      dst[x] = mono ? ((src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0) : src[x];
    }
  }
}

}  // namespace

OwnedOutline::OwnedOutline(FT_Library library, int points, int contours) : library_(library) {
  valid_ = library != nullptr && points >= 0 && contours >= 0 &&
           FT_Outline_New(library, static_cast<FT_UInt>(points), contours, &outline_) == 0;
}

OwnedOutline::OwnedOutline(OwnedOutline&& other) noexcept
    : library_(other.library_), outline_(other.outline_), valid_(other.valid_) {
  other.valid_ = false;
}

OwnedOutline::~OwnedOutline() {
  if (valid_) FT_Outline_Done(library_, &outline_);
}

OwnedOutline OwnedOutline::copyOf(FT_Library library, const FT_Outline& source) {
  OwnedOutline copy(library, source.n_points, source.n_contours);
  if (copy.valid_ && FT_Outline_Copy(&source, &copy.outline_) != 0) {
    FT_Outline_Done(library, &copy.outline_);
    copy.valid_ = false;
  }
  return copy;
}

OwnedOutline OwnedOutline::fromContours(FT_Library library, const OutlineContours& contours) {
  int points = 0;
  for (const auto& c : contours) points += static_cast<int>(c.size());
  OwnedOutline out(library, points, static_cast<int>(contours.size()));
  if (!out.valid_) return out;
  int n = 0;
  for (std::size_t i = 0; i < contours.size(); ++i) {
    for (const auto& p : contours[i]) {
      out.outline_.points[n] = FT_Vector{p.x, p.y};
      out.outline_.tags[n] = FT_CURVE_TAG_ON;
      ++n;
    }
    out.outline_.contours[i] = static_cast<std::remove_reference_t<decltype(out.outline_.contours[i])>>(n - 1);
  }
  return out;
}

void OwnedOutline::slant(double amount) {
  if (!valid_ || amount == 0.0) return;
  FT_Matrix m{ToFixed(1.0), ToFixed(amount), 0, ToFixed(1.0)};
  FT_Outline_Transform(&outline_, &m);
}

void OwnedOutline::rotate(double degrees) {
  if (!valid_ || std::fmod(degrees, 360.0) == 0.0) return;
  const double r = degrees * std::numbers::pi / 180.0;
  const double c = std::cos(r);
  const double s = std::sin(r);
  FT_Matrix m{ToFixed(c), ToFixed(-s), ToFixed(s), ToFixed(c)};
  FT_Outline_Transform(&outline_, &m);
}

CoverageImage OwnedOutline::rasterise(bool antialiased) {
  CoverageImage image;
  if (!valid_ || outline_.n_points == 0) return image;
  FT_BBox box;
  FT_Outline_Get_CBox(&outline_, &box);
  const long x0 = FloorPixel(box.xMin);
  const long y0 = FloorPixel(box.yMin);
  const long x1 = CeilPixel(box.xMax);
  const long y1 = CeilPixel(box.yMax);
  const long long w = x1 - x0;
  const long long h = y1 - y0;
  if (w <= 0 || h <= 0 || w * h > kMaxImagePixels) return image;
  FT_Outline_Translate(&outline_, -x0 * 64, -y0 * 64);

  FT_Bitmap bitmap{};
  bitmap.rows = static_cast<unsigned>(h);
  bitmap.width = static_cast<unsigned>(w);
  bitmap.pitch = antialiased ? static_cast<int>(w) : static_cast<int>((w + 7) / 8);
  bitmap.pixel_mode = antialiased ? FT_PIXEL_MODE_GRAY : FT_PIXEL_MODE_MONO;
  bitmap.num_grays = antialiased ? 256 : 2;
  std::vector<unsigned char> buffer(static_cast<std::size_t>(bitmap.pitch) * h, 0);
  bitmap.buffer = buffer.data();
  const FT_Error error = FT_Outline_Get_Bitmap(library_, &outline_, &bitmap);
  FT_Outline_Translate(&outline_, x0 * 64, y0 * 64);
  if (error != 0) return image;

  image.left = static_cast<int>(x0);
  image.top = static_cast<int>(-y1);
  image.width = static_cast<int>(w);
  image.height = static_cast<int>(h);
  image.coverage.resize(static_cast<std::size_t>(w * h));
  CopyBitmap(bitmap, !antialiased, image);
  return image;
}

}  // namespace glavo::text
