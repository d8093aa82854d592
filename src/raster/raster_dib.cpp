#include "raster/raster_dib.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

#include "raster/raster_geometry.h"

namespace glavo::raster {

namespace {

constexpr int kMaxDibExtent = 1 << 15;

bool UsableHeader(const DibHeader& h, bool allow24) {
  const bool depth = h.bitCount == 32 || (allow24 && h.bitCount == 24);
  return depth && h.width > 0 && h.height != 0 && h.width <= kMaxDibExtent &&
         std::abs(h.height) <= kMaxDibExtent;
}

bool TopDown(const DibHeader& h) { return h.height < 0; }

Pixel ReadDibPixel(const std::uint8_t* p, int bitCount) {
  const Pixel bgr =
      static_cast<Pixel>(p[0]) | static_cast<Pixel>(p[1]) << 8 | static_cast<Pixel>(p[2]) << 16;
  return bitCount == 32 ? (bgr | static_cast<Pixel>(p[3]) << 24) : bgr;
}

// 24-bit pixels to 32-bit ones with alpha 0: four bytes at a time with the
// fourth masked off; the last pixel alone, as its fourth byte may lie past
// the row.
void Expand24Scalar(const std::uint8_t* in, std::size_t count, Pixel* out) {
  for (std::size_t i = 0; i + 1 < count; ++i) {
    std::uint32_t v;
    std::memcpy(&v, in + 3 * i, 4);
    out[i] = v & 0x00FFFFFFu;
  }
  out[count - 1] = ReadDibPixel(in + 3 * (count - 1), 24);
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// Four pixels per byte shuffle while sixteen bytes can be read.
__attribute__((target("ssse3"))) void Expand24Shuffle(const std::uint8_t* in, std::size_t count,
                                                      Pixel* out) {
  const __m128i order = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  std::size_t i = 0;
  for (; 3 * i + 16 <= 3 * count; i += 4) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_shuffle_epi8(v, order));
  }
  if (i < count) Expand24Scalar(in + 3 * i, count - i, out + i);
}

void Expand24(const std::uint8_t* in, std::size_t count, Pixel* out) {
  static const bool shuffle = __builtin_cpu_supports("ssse3");
  if (shuffle) {
    Expand24Shuffle(in, count, out);
  } else {
    Expand24Scalar(in, count, out);
  }
}
#else
void Expand24(const std::uint8_t* in, std::size_t count, Pixel* out) { Expand24Scalar(in, count, out); }
#endif

// Where the scan lines of a GetDIBits/SetDIBits call fall: `count` rows of
// memory, row k holding DIB image row k (top-down) or rows - 1 - k
// (bottom-up, rows numbered from the top); image row r lies on bitmap row
// r + offset.
struct ScanWindow {
  std::int64_t rows = 0;
  std::int64_t count = 0;
  std::int64_t offset = 0;
  bool topDown = false;

  std::int64_t imageRowOf(std::int64_t memoryRow) const {
    return topDown ? memoryRow : rows - 1 - memoryRow;
  }
};

// The DIB's rows and direction; the window itself is still empty.
ScanWindow WholeDib(const DibHeader& h) { return {std::abs(h.height), 0, 0, TopDown(h)}; }

ScanWindow ReadWindow(const DibHeader& h, std::int64_t start, std::int64_t lines) {
  ScanWindow w = WholeDib(h);
  const std::int64_t rows = w.rows;
  if (!w.topDown) {
    w.count = std::min(lines, rows - start);
    w.offset = -start;
  } else {
    w.offset = rows - lines - start;
    w.count = lines;
    if (w.offset < 0) {
      w.offset = 0;
      w.count = rows - start;
    }
    w.count = std::min(w.count, rows);
  }
  return w;
}

ScanWindow WriteWindow(const DibHeader& h, std::int64_t start, std::int64_t lines) {
  ScanWindow w = WholeDib(h);
  const std::int64_t rows = w.rows;
  if (!w.topDown) {
    // GDI computes rows - start unsigned: a start past the DIB limits nothing.
    w.count = start > rows ? lines : std::min(lines, rows - start);
    w.offset = -start;
  } else {
    w.count = lines;
    w.offset = rows - lines - start;
  }
  return w;
}

}  // namespace

int DibStride(int width, int bitCount) {
  return static_cast<int>(((static_cast<std::int64_t>(width) * bitCount + 31) / 32) * 4);
}

int ReadDibRows(const Bitmap& bitmap, int startScan, int lines, const DibHeader& header,
                void* bits) {
  if (!bits || !UsableHeader(header, false) || startScan < 0 || lines <= 0) return 0;
  if (startScan >= std::abs(header.height)) return 1;
  const ScanWindow window = ReadWindow(header, startScan, lines);
  const std::size_t stride = static_cast<std::size_t>(DibStride(header.width, 32));
  const std::size_t copied = static_cast<std::size_t>(std::min(header.width, bitmap.width())) * 4;
  int taken = 0;
  for (std::int64_t k = 0; k < window.count; ++k) {
    auto* out = static_cast<std::uint8_t*>(bits) + k * stride;
    const std::int64_t row = window.imageRowOf(k) + window.offset;
    if (row < 0 || row >= bitmap.height()) {
      std::memset(out, 0, stride);
      continue;
    }
    std::memcpy(out, bitmap.row(static_cast<int>(row)), copied);
    std::memset(out + copied, 0, stride - copied);
    ++taken;
  }
  return taken;
}

int WriteDibRows(Bitmap& bitmap, int startScan, int lines, const DibHeader& header,
                 const void* bits) {
  if (!bits || !UsableHeader(header, false) || startScan < 0 || lines <= 0) return 0;
  const ScanWindow window = WriteWindow(header, startScan, lines);
  const std::size_t stride = static_cast<std::size_t>(DibStride(header.width, 32));
  const std::size_t copied = static_cast<std::size_t>(std::min(header.width, bitmap.width())) * 4;
  const std::int64_t present = std::min<std::int64_t>(window.count, std::abs(header.height));
  for (std::int64_t k = 0; k < present; ++k) {
    const std::int64_t row = window.imageRowOf(k) + window.offset;
    if (row < 0 || row >= bitmap.height()) continue;
    const auto* in = static_cast<const std::uint8_t*>(bits) + k * stride;
    std::memcpy(bitmap.row(static_cast<int>(row)), in, copied);
  }
  return static_cast<int>(std::max<std::int64_t>(window.count, 0));
}

int DrawDibRows(Bitmap& bitmap, int x, int y, int w, int h, int srcX, int srcY, int startScan,
                int lines, const void* bits, const DibHeader& header) {
  if (!bits || !UsableHeader(header, true) || w <= 0 || h <= 0 || startScan < 0 || lines <= 0) {
    return 0;
  }
  const std::int64_t rows = std::abs(header.height);
  if (startScan >= rows) return 0;
  const bool topDown = TopDown(header);
  std::int64_t given = topDown ? lines : std::min<std::int64_t>(lines, rows - startScan);
  // The block's top row within the scan lines given, counted from their top.
  std::int64_t top = static_cast<std::int64_t>(startScan) + given - srcY - h;
  if (top > 0) {
    if (topDown && top >= given) return static_cast<int>(given);
    if (!topDown) {
      if (top >= given) return 0;
      given -= top;
      top = 0;
    }
  }
  const std::int64_t imageRows = topDown ? std::min(given, rows) : given;
  const Interval srcCols =
      Intersect({srcX, static_cast<std::int64_t>(srcX) + w}, {0, header.width});
  const Interval srcRows = Intersect({top, top + h}, {0, imageRows});
  if (srcCols.empty() || srcRows.empty()) return 0;
  // Destination pixel (x + i, y + j) takes image pixel (srcX + i, top + j).
  const Interval cols =
      Intersect({srcCols.lo - srcX + x, srcCols.hi - srcX + x}, {0, bitmap.width()});
  const Interval destRows =
      Intersect({srcRows.lo - top + y, srcRows.hi - top + y}, {0, bitmap.height()});
  if (cols.empty()) return static_cast<int>(given);
  const std::size_t stride = static_cast<std::size_t>(DibStride(header.width, header.bitCount));
  const int bytesPerPixel = header.bitCount / 8;
  for (std::int64_t dy = destRows.lo; dy < destRows.hi; ++dy) {
    const std::int64_t imageRow = dy - y + top;
    const std::int64_t memoryRow = topDown ? imageRow : given - 1 - imageRow;
    const auto* in = static_cast<const std::uint8_t*>(bits) + memoryRow * stride;
    Pixel* out = bitmap.overwriteSpan(static_cast<int>(dy), static_cast<int>(cols.lo), static_cast<int>(cols.hi)) + cols.lo;
    const std::uint8_t* from = in + (cols.lo - x + srcX) * bytesPerPixel;
    const auto count = static_cast<std::size_t>(cols.length());
    if (header.bitCount == 32) {
      std::memcpy(out, from, count * 4);
    } else {
      Expand24(from, count, out);
    }
  }
  return static_cast<int>(given);
}

}  // namespace glavo::raster
