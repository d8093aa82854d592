// Transfers between a surface and device-independent pixel rows
// (GetDIBits, SetDIBits, SetDIBitsToDevice), with GDI's row bookkeeping.
#pragma once

#include "draw/device_context.h"
#include "raster/bitmap.h"

namespace glavo::raster {

// Bytes per row of a DIB: rows are padded to a multiple of four bytes.
int DibStride(int width, int bitCount);

// GetDIBits in the 32-bit layout: `lines` scan lines from `startScan` of a
// DIB the size of `header`, laid over the bitmap from its top-left corner.
// Scan lines count from the bottom of the DIB for a bottom-up header and
// from the top for a top-down one (height < 0). Requested rows or columns
// the bitmap does not cover read as zero. Returns the rows taken from the
// bitmap; like GDI, a start beyond the DIB returns 1 and reads nothing.
// Negative arguments and unusable headers return 0.
int ReadDibRows(const Bitmap& bitmap, int startScan, int lines, const DibHeader& header,
                void* bits);

// SetDIBits, the reverse: returns the number of scan lines given (limited
// to the DIB for bottom-up rows), whether or not they met the bitmap.
int WriteDibRows(Bitmap& bitmap, int startScan, int lines, const DibHeader& header,
                 const void* bits);

// SetDIBitsToDevice of 24- or 32-bit rows: `bits` holds `lines` scan lines
// from `startScan`; the w x h block whose lower-left corner is (srcX, srcY)
// in scan-line coordinates goes to (x, y) on the bitmap. Returns the scan
// lines used, 0 when the block misses the rows given.
int DrawDibRows(Bitmap& bitmap, int x, int y, int w, int h, int srcX, int srcY, int startScan,
                int lines, const void* bits, const DibHeader& header);

}  // namespace glavo::raster
