// Transfers between a surface and device-independent pixel rows
// (GetDIBits, SetDIBits, SetDIBitsToDevice).
#pragma once

#include "host/device_context.h"
#include "host/soft/bitmap.h"

namespace glavo::soft {

// Bytes per row of a DIB: rows are padded to a multiple of four bytes.
int DibStride(int width, int bitCount);

// GetDIBits / SetDIBits in the 32-bit layout: scan lines [startScan,
// startScan + lines) of the bitmap, numbered from the bottom for a
// bottom-up header and from the top for a top-down one (height < 0). Only
// the part overlapping the bitmap moves (reading gives zeros elsewhere).
// Reading returns the rows that overlap the bitmap, writing the scan lines
// given; both return 0 for an unusable header.
int ReadDibRows(const Bitmap& bitmap, int startScan, int lines, const DibHeader& header,
                void* bits);
int WriteDibRows(Bitmap& bitmap, int startScan, int lines, const DibHeader& header,
                 const void* bits);

// SetDIBitsToDevice of 24- or 32-bit rows: the w x h block whose corner is
// (srcX, srcY) of the DIB (lower-left for bottom-up rows, upper-left for
// top-down) goes to (x, y) on the bitmap; `bits` holds scan lines
// [startScan, startScan + lines). Returns the number of scan lines given,
// 0 when nothing can be transferred.
int DrawDibRows(Bitmap& bitmap, int x, int y, int w, int h, int srcX, int srcY, int startScan,
                int lines, const void* bits, const DibHeader& header);

}  // namespace glavo::soft
