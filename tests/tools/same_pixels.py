#!/usr/bin/env python3
"""same_pixels.py A.png B.png [LEFT TOP WIDTH HEIGHT]: exit 0 when the two
images (8-bit RGB or RGBA, as the glavo tool writes them) have the same size
and the same pixels outside the optional rectangle, else 1 with the first
differing row."""
import struct
import sys
import zlib


def pixels(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG")
    at, chunks, header = 8, [], None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks.append(body)
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        sys.exit(f"{path}: only 8-bit RGB or RGBA without interlacing is read")
    step = 4 if colour == 6 else 3
    raw, stride, rows, above = zlib.decompress(b"".join(chunks)), width * step, [], bytearray(width * step)
    for y in range(height):
        kind, row = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a, b, c = row[i - step] if i >= step else 0, above[i], above[i - step] if i >= step else 0
            if kind == 1:
                row[i] = (row[i] + a) & 255
            elif kind == 2:
                row[i] = (row[i] + b) & 255
            elif kind == 3:
                row[i] = (row[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(row))
        above = row
    return width, height, step, rows


def main(a, b, left=0, top=0, width=0, height=0):
    wa, ha, step, pa = pixels(a)
    wb, hb, _, pb = pixels(b)
    if (wa, ha) != (wb, hb) or len(pa[0]) != len(pb[0]):
        print(f"{a} is {wa}x{ha}, {b} is {wb}x{hb} (or another pixel format)")
        return 1
    for y, (ra, rb) in enumerate(zip(pa, pb)):
        cut = (left * step, (left + width) * step) if top <= y < top + height else (0, 0)
        if ra[:cut[0]] + ra[cut[1]:] != rb[:cut[0]] + rb[cut[1]:]:
            print(f"first difference in row {y}")
            return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) not in (3, 7):
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2], *map(int, sys.argv[3:])))
