"""Adds a help string to each enumeration constant of a type library.

widl takes no helpstring attribute on an enumeration constant, so the
Object Browser would show the constants bare. This rewrites the compiled
library (the MSFT format): each constant's record gains the optional
HelpContext and HelpString fields, the texts join the string table, and the
records of each enumeration move to the end of the file.

usage: constant_help.py LIBRARY.tlb HELP.txt OUT.tlb
HELP.txt: one constant a line, "gwr_Name Text of its help string".
"""
import struct
import sys

SEGMENTS = 15
STRING_TABLE = 8      # index of the string table in the segment directory
TYPEINFO_SIZE = 0x64
TKIND_ENUM = 0
VAR_HELPSTRING_END = 0x1C  # the record up to and including HelpString


def read_int(data, at):
    return struct.unpack_from("<i", data, at)[0]


def encode_string(text):
    raw = text.encode("latin-1")
    out = struct.pack("<H", len(raw)) + raw
    while len(out) % 4 or len(out) < 8:
        out += b"W"
    return out


def main(source, help_file, target):
    data = bytearray(open(source, "rb").read())
    texts = {}
    for line in open(help_file, encoding="utf-8"):
        line = line.strip()
        if line and not line.startswith("#"):
            name, text = line.split(" ", 1)
            texts[name] = text
    if read_int(data, 0) != 0x5446534D:
        sys.exit("not an MSFT type library: " + source)
    varflags = read_int(data, 0x14)
    count = read_int(data, 0x20)
    offsets_at = 0x54 + (4 if varflags & 0x100 else 0)
    segdir = offsets_at + 4 * count
    seg = lambda i: (read_int(data, segdir + 16 * i), read_int(data, segdir + 16 * i + 4))
    typeinfo_at, _ = seg(0)
    names_at, _ = seg(7)
    strings_at, strings_len = seg(STRING_TABLE)

    def name_of(offset):
        length = data[names_at + offset + 8]
        return data[names_at + offset + 12:names_at + offset + 12 + length].decode("latin-1")

    # New strings go at the end of the string table; what follows it moves.
    added = bytearray()
    new_blocks = []  # (typeinfo entry offset, block bytes)
    for index in range(count):
        base = typeinfo_at + index * TYPEINFO_SIZE
        if read_int(data, base) & 0xF != TKIND_ENUM:
            continue
        memoffset = read_int(data, base + 4)
        elements = read_int(data, base + 0x18)
        funcs, nvars = elements & 0xFFFF, (elements >> 16) & 0xFFFF
        total = funcs + nvars
        infolen = read_int(data, memoffset)
        records = data[memoffset + 4:memoffset + 4 + infolen]
        tail_at = memoffset + 4 + infolen
        ids = list(struct.unpack_from("<%di" % total, data, tail_at))
        name_offsets = list(struct.unpack_from("<%di" % total, data, tail_at + 4 * total))
        record_offsets = list(struct.unpack_from("<%di" % total, data, tail_at + 8 * total))
        rebuilt, new_offsets = bytearray(), []
        for member in range(total):
            start = record_offsets[member]
            info = read_int(records, start)
            length = info & 0xFF
            record = bytearray(records[start:start + length])
            name = name_of(name_offsets[member])
            if member >= funcs and name in texts:
                if length < VAR_HELPSTRING_END:
                    record += b"\0" * (VAR_HELPSTRING_END - length)
                    length = VAR_HELPSTRING_END
                    struct.pack_into("<i", record, 0, (info & ~0xFF) | length)
                struct.pack_into("<i", record, 0x14, 0)  # HelpContext
                struct.pack_into("<i", record, 0x18, strings_len + len(added))
                added += encode_string(texts.pop(name))
            new_offsets.append(len(rebuilt))
            rebuilt += record
        block = struct.pack("<i", len(rebuilt)) + rebuilt
        block += struct.pack("<%di" % (3 * total), *(ids + name_offsets + new_offsets))
        new_blocks.append((base, block))
    if texts:
        sys.exit("no such constant in the library: " + ", ".join(sorted(texts)))

    insert_at = strings_at + strings_len
    shift = len(added)
    for i in range(SEGMENTS):
        offset = read_int(data, segdir + 16 * i)
        if offset >= insert_at and i != STRING_TABLE:
            struct.pack_into("<i", data, segdir + 16 * i, offset + shift)
    struct.pack_into("<i", data, segdir + 16 * STRING_TABLE + 4, strings_len + shift)
    for index in range(count):
        base = typeinfo_at + index * TYPEINFO_SIZE
        memoffset = read_int(data, base + 4)
        if memoffset >= insert_at:
            struct.pack_into("<i", data, base + 4, memoffset + shift)
    data[insert_at:insert_at] = added
    for base, block in new_blocks:
        struct.pack_into("<i", data, base + 4, len(data))
        data += block
    open(target, "wb").write(data)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
