#include "image_compare.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "draw/device_context.h"

namespace glavo::wine {
namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;

std::uint32_t RgbAt(const scene::RawImage& image, int x, int y) { return image.at(x, y) & kRgbMask; }

int ChannelDelta(std::uint32_t p, std::uint32_t q) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = std::abs(static_cast<int>((p >> shift) & 255) - static_cast<int>((q >> shift) & 255));
    worst = std::max(worst, d);
  }
  return worst;
}

// Whether `color` occurs in `image` within one pixel of (x, y).
bool NearbyHas(const scene::RawImage& image, int x, int y, std::uint32_t color) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int nx = x + dx, ny = y + dy;
      if (nx < 0 || ny < 0 || nx >= image.width || ny >= image.height) continue;
      if (RgbAt(image, nx, ny) == color) return true;
    }
  }
  return false;
}

std::uint32_t ToRawRgb(Rgb c) { return (static_cast<std::uint32_t>(RedOf(c)) << 16) | (GreenOf(c) << 8) | BlueOf(c); }

// Ink strong enough to be a glyph's body rather than its soft edge.
constexpr int kStrongInk = 96;

struct Span {
  int left = 0;
  int right = 0;  // exclusive; left == right: no ink
  bool empty() const { return left >= right; }
};

Span RowSpan(const scene::RawImage& image, int y, int left, int right, std::uint32_t bg) {
  Span span{right, left};
  for (int x = left; x < right; ++x) {
    if (ChannelDelta(RgbAt(image, x, y), bg) < kStrongInk) continue;
    span.left = std::min(span.left, x);
    span.right = std::max(span.right, x + 1);
  }
  return span;
}

Span Merge(Span s, Span t) {
  if (s.empty()) return t;
  if (t.empty()) return s;
  return Span{std::min(s.left, t.left), std::max(s.right, t.right)};
}

Rect Clip(const scene::RawImage& a, const scene::RawImage& b, const Rect& area) {
  return Rect{std::max(area.left, 0), std::max(area.top, 0), std::min({area.right, a.width, b.width}),
              std::min({area.bottom, a.height, b.height})};
}

struct InkBox {
  Rect box;      // bounding box of the ink; empty when there is none
  long ink = 0;  // summed distance from the background over all pixels
};

InkBox MeasureInk(const scene::RawImage& image, const Rect& area, Rgb background) {
  // The raw pixels hold 0x..RRGGBB; the background is 0x00BBGGRR.
  const std::uint32_t bg = ToRawRgb(background);
  InkBox out;
  bool any = false;
  const Rect r = Clip(image, image, area);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const int ink = ChannelDelta(RgbAt(image, x, y), bg);
      if (ink == 0) continue;
      out.ink += ink;
      if (!any) {
        out.box = Rect{x, y, x + 1, y + 1};
        any = true;
      }
      out.box.left = std::min(out.box.left, x);
      out.box.right = std::max(out.box.right, x + 1);
      out.box.top = std::min(out.box.top, y);
      out.box.bottom = std::max(out.box.bottom, y + 1);
    }
  }
  return out;
}

}  // namespace

// Counts the differing pixels of `area` and those `excused(x, y, pa, pb,
// delta)` does not excuse.
template <class Excused>
TileDiff CompareEach(const scene::RawImage& a, const scene::RawImage& b, const Rect& area, Excused excused) {
  TileDiff diff;
  const Rect r = Clip(a, b, area);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const std::uint32_t pa = RgbAt(a, x, y), pb = RgbAt(b, x, y);
      if (pa == pb) continue;
      ++diff.differing;
      const int delta = ChannelDelta(pa, pb);
      diff.maxChannelDelta = std::max(diff.maxChannelDelta, delta);
      if (!excused(x, y, pa, pb, delta)) ++diff.unexplained;
    }
  }
  return diff;
}

TileDiff CompareGeometry(const scene::RawImage& a, const scene::RawImage& b, const Rect& area) {
  return CompareEach(a, b, area, [&](int x, int y, std::uint32_t pa, std::uint32_t pb, int) {
    return NearbyHas(b, x, y, pa) && NearbyHas(a, x, y, pb);
  });
}

TileDiff CompareColor(const scene::RawImage& a, const scene::RawImage& b, const Rect& area, int tolerance) {
  TileDiff diff =
      CompareEach(a, b, area, [&](int, int, std::uint32_t, std::uint32_t, int delta) { return delta <= tolerance; });
  diff.detail = "max channel delta " + std::to_string(diff.maxChannelDelta);
  return diff;
}

TileDiff CompareInk(const scene::RawImage& a, const scene::RawImage& b, const Rect& area, Rgb background,
                    int edgeTolerance, double inkTolerance) {
  TileDiff diff = CompareColor(a, b, area, 0);
  const InkBox ia = MeasureInk(a, area, background);
  const InkBox ib = MeasureInk(b, area, background);
  const int edge = std::max({std::abs(ia.box.left - ib.box.left), std::abs(ia.box.top - ib.box.top),
                             std::abs(ia.box.right - ib.box.right), std::abs(ia.box.bottom - ib.box.bottom)});
  const long larger = std::max(ia.ink, ib.ink);
  const double inkGap = larger == 0 ? 0.0 : std::abs(ia.ink - ib.ink) / static_cast<double>(larger);
  diff.unexplained = (edge > edgeTolerance || inkGap > inkTolerance) ? 1 : 0;
  diff.detail = "ink box edges off by " + std::to_string(edge) + " px, ink differs by " +
                std::to_string(static_cast<int>(inkGap * 100 + 0.5)) + "%";
  return diff;
}

TileDiff CompareParagraph(const scene::RawImage& a, const scene::RawImage& b, const Rect& area, Rgb background,
                          unsigned align, int edgeTolerance, double raggedFraction) {
  TileDiff diff = CompareColor(a, b, area, 0);
  diff.unexplained = 0;
  const Rect r = Clip(a, b, area);
  const std::uint32_t bg = ToRawRgb(background);

  // Bands of inked rows; a band of at most kMarkRows rows (the dots or
  // accents over a line of small letters) belongs to the line below it.
  constexpr int kMarkRows = 3;
  struct Band {
    int top = 0, bottom = 0;
    Span a, b;
  };
  std::vector<Band> bands;
  bool inBand = false;
  for (int y = r.top; y < r.bottom; ++y) {
    const Span sa = RowSpan(a, y, r.left, r.right, bg);
    const Span sb = RowSpan(b, y, r.left, r.right, bg);
    if (sa.empty() && sb.empty()) {
      inBand = false;
      continue;
    }
    if (!inBand) bands.push_back(Band{y, y, Span{}, Span{}});
    inBand = true;
    Band& band = bands.back();
    band.bottom = y + 1;
    band.a = Merge(band.a, sa);
    band.b = Merge(band.b, sb);
  }
  for (std::size_t i = 0; i + 1 < bands.size();) {
    if (bands[i].bottom - bands[i].top > kMarkRows) {
      ++i;
      continue;
    }
    bands[i + 1].top = bands[i].top;
    bands[i + 1].a = Merge(bands[i].a, bands[i + 1].a);
    bands[i + 1].b = Merge(bands[i].b, bands[i + 1].b);
    bands.erase(bands.begin() + static_cast<std::ptrdiff_t>(i));
  }

  int worstAligned = 0, worstRagged = 0;
  for (const Band& band : bands) {
    const Span& la = band.a;
    const Span& lb = band.b;
    if (la.empty() || lb.empty()) {
      ++diff.unexplained;  // a line only one rendering has: the wrapping differs
      continue;
    }
    int aligned = 0, ragged = 0;
    if (align == dt::kCenter) {
      aligned = std::abs((la.left + la.right) - (lb.left + lb.right)) / 2;
      ragged = std::abs((la.right - la.left) - (lb.right - lb.left));
    } else if (align == dt::kRight) {
      aligned = std::abs(la.right - lb.right);
      ragged = std::abs(la.left - lb.left);
    } else {
      aligned = std::abs(la.left - lb.left);
      ragged = std::abs(la.right - lb.right);
    }
    worstAligned = std::max(worstAligned, aligned);
    worstRagged = std::max(worstRagged, ragged);
    const int width = std::max(la.right - la.left, lb.right - lb.left);
    if (aligned > edgeTolerance || ragged > raggedFraction * width + 2) ++diff.unexplained;
  }
  diff.detail = std::to_string(bands.size()) + " lines, aligned edge off by " + std::to_string(worstAligned) +
                " px, ragged edge by " + std::to_string(worstRagged) + " px";
  return diff;
}

}  // namespace glavo::wine
