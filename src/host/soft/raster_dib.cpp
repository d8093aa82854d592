#include "host/soft/raster_dib.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "host/soft/raster_geometry.h"

namespace glavo::soft {

namespace {

constexpr int kMaxDibExtent = 1 << 15;

bool UsableHeader(const DibHeader& h, bool allow24) {
  const bool depth = h.bitCount == 32 || (allow24 && h.bitCount == 24);
  return depth && h.width > 0 && h.height != 0 && h.width <= kMaxDibExtent &&
         std::abs(h.height) <= kMaxDibExtent;
}

bool TopDown(const DibHeader& h) { return h.height < 0; }

// Bitmap row of a scan line for GetDIBits/SetDIBits, or -1 outside.
int BitmapRowOfScan(const Bitmap& bitmap, const DibHeader& header, std::int64_t scan) {
  const std::int64_t row = TopDown(header) ? scan : bitmap.height() - 1 - scan;
  return (row >= 0 && row < bitmap.height()) ? static_cast<int>(row) : -1;
}

// The scan lines of the request that exist in the DIB.
bool ScanRange(const DibHeader& header, int startScan, int lines, std::int64_t& first,
               std::int64_t& end) {
  first = std::max<std::int64_t>(startScan, 0);
  end = std::min<std::int64_t>(static_cast<std::int64_t>(startScan) + std::max(lines, 0),
                               std::abs(header.height));
  return first < end;
}

Pixel ReadDibPixel(const std::uint8_t* p, int bitCount) {
  const Pixel bgr =
      static_cast<Pixel>(p[0]) | static_cast<Pixel>(p[1]) << 8 | static_cast<Pixel>(p[2]) << 16;
  return bitCount == 32 ? (bgr | static_cast<Pixel>(p[3]) << 24) : bgr;
}

}  // namespace

int DibStride(int width, int bitCount) {
  return static_cast<int>(((static_cast<std::int64_t>(width) * bitCount + 31) / 32) * 4);
}

int ReadDibRows(const Bitmap& bitmap, int startScan, int lines, const DibHeader& header,
                void* bits) {
  if (!bits || !UsableHeader(header, false)) return 0;
  std::int64_t first = 0, end = 0;
  if (!ScanRange(header, startScan, lines, first, end)) return 0;
  const int stride = DibStride(header.width, 32);
  const int columns = std::min(header.width, bitmap.width());
  int copied = 0;
  // Parts of the requested rows the bitmap does not cover read as zero.
  for (std::int64_t scan = first; scan < end; ++scan) {
    auto* out = static_cast<std::uint8_t*>(bits) + (scan - startScan) * stride;
    std::memset(out, 0, static_cast<std::size_t>(stride));
    const int row = BitmapRowOfScan(bitmap, header, scan);
    if (row < 0) continue;
    std::memcpy(out, bitmap.row(row), static_cast<std::size_t>(columns) * 4);
    ++copied;
  }
  return copied;
}

int WriteDibRows(Bitmap& bitmap, int startScan, int lines, const DibHeader& header,
                 const void* bits) {
  if (!bits || !UsableHeader(header, false)) return 0;
  std::int64_t first = 0, end = 0;
  if (!ScanRange(header, startScan, lines, first, end)) return 0;
  const int stride = DibStride(header.width, 32);
  const int columns = std::min(header.width, bitmap.width());
  for (std::int64_t scan = first; scan < end; ++scan) {
    const int row = BitmapRowOfScan(bitmap, header, scan);
    if (row < 0) continue;
    const auto* in = static_cast<const std::uint8_t*>(bits) + (scan - startScan) * stride;
    std::memcpy(bitmap.row(row), in, static_cast<std::size_t>(columns) * 4);
  }
  // Like GDI, the count is of the scan lines given, not of those that fit.
  return static_cast<int>(end - first);
}

int DrawDibRows(Bitmap& bitmap, int x, int y, int w, int h, int srcX, int srcY, int startScan,
                int lines, const void* bits, const DibHeader& header) {
  if (!bits || !UsableHeader(header, true) || w <= 0 || h <= 0 || lines <= 0) return 0;
  const int stride = DibStride(header.width, header.bitCount);
  const int bytesPerPixel = header.bitCount / 8;
  const std::int64_t dibHeight = std::abs(header.height);
  // Rows j of the block (counted in the DIB's own direction) that exist in
  // the DIB, in the memory given and on the bitmap.
  const std::int64_t bottomUpShift = TopDown(header) ? 0 : static_cast<std::int64_t>(h) - 1;
  Interval rows{0, h};
  rows = Intersect(rows, {-static_cast<std::int64_t>(srcY), dibHeight - srcY});
  rows = Intersect(rows, {static_cast<std::int64_t>(startScan) - srcY,
                          static_cast<std::int64_t>(startScan) + lines - srcY});
  rows = TopDown(header)
             ? Intersect(rows, {-static_cast<std::int64_t>(y),
                                static_cast<std::int64_t>(bitmap.height()) - y})
             : Intersect(rows, {static_cast<std::int64_t>(y) + bottomUpShift - bitmap.height() + 1,
                                static_cast<std::int64_t>(y) + bottomUpShift + 1});
  for (std::int64_t j = rows.lo; j < rows.hi; ++j) {
    const std::int64_t memoryRow = static_cast<std::int64_t>(srcY) + j - startScan;
    const std::int64_t destY = TopDown(header) ? static_cast<std::int64_t>(y) + j
                                               : static_cast<std::int64_t>(y) + bottomUpShift - j;
    const auto* in = static_cast<const std::uint8_t*>(bits) + memoryRow * stride;
    Pixel* out = bitmap.row(static_cast<int>(destY));
    const std::int64_t iFirst = std::max<std::int64_t>(
        {0, -static_cast<std::int64_t>(x), -static_cast<std::int64_t>(srcX)});
    const std::int64_t iEnd = std::min<std::int64_t>(
        {static_cast<std::int64_t>(w), static_cast<std::int64_t>(bitmap.width()) - x,
         static_cast<std::int64_t>(header.width) - srcX});
    for (std::int64_t i = iFirst; i < iEnd; ++i) {
      out[x + i] = ReadDibPixel(in + (srcX + i) * bytesPerPixel, header.bitCount);
    }
  }
  return lines;
}

}  // namespace glavo::soft
