#!/usr/bin/env python3
"""Writes the hostile document files of tests/document/hostile/ and the
valid seed documents of fuzz/seeds/. Run from the repository root; the
output is the same on every run."""

import gzip
import os
import random
import struct
import zlib

TEXT, IMAGE = 364, 312
IMAGES_AT, VERSION_AT, RESERVED_AT, COLORS_AT, SIZE = 36764, 52676, 52687, 52944, 52976


def short(buf, off, text, length=None):
    data = text.encode("cp1252")
    buf[off] = len(data) if length is None else length
    buf[off + 1:off + 1 + len(data)] = data


def text_record(buf, slot, text, x=1.0, y=2.0, font="Arial", surface=0, angle=360, fit_floats=None,
                style=1, transparent=1, length=None, font_length=None):
    b = slot * TEXT
    short(buf, b, text, length)
    xs = fit_floats or (x * 2.54, y * 2.54, x, y)
    struct.pack_into("<4f", buf, b + 256, *xs)
    struct.pack_into("<i", buf, b + 272, 12)
    short(buf, b + 276, font, font_length)
    struct.pack_into("<i", buf, b + 328, 12)
    buf[b + 332] = style
    struct.pack_into("<iiB", buf, b + 336, 0x0000FF, angle, transparent)
    struct.pack_into("<i", buf, b + 348, 0xFFFFFF)
    buf[b + 352] = surface
    struct.pack_into("<if", buf, b + 356, slot, 1.0)


def image_record(buf, slot, path, floats=None, kind=4, fit=0, surface=0, order=0, length=None):
    b = IMAGES_AT + slot * IMAGE
    struct.pack_into("<4f", buf, b, *(floats or (1.0, 1.0, 0.5, 0.5))[:4])
    short(buf, b + 16, path, length)
    buf[b + 272] = kind
    struct.pack_into("<4f", buf, b + 276, *(floats or (0, 0, 0, 0, 5.0, 5.0, 2.0, 2.0))[4:8])
    struct.pack_into("<i", buf, b + 292, 0)
    buf[b + 296] = fit
    buf[b + 297] = surface
    struct.pack_into("<iif", buf, b + 300, slot, order, 1.0)


def document(colors=True):
    buf = bytearray(SIZE)
    short(buf, VERSION_AT, "1.1")
    struct.pack_into("<8i", buf, COLORS_AT, *([0xFFFFFF] * 6 + [0, 0]))
    return buf if colors else buf[:COLORS_AT]


def valid():
    d = document()
    text_record(d, 0, "Front title")
    text_record(d, 1, "Back text", surface=3, angle=90)
    text_record(d, 100, "Label", surface=6, angle=270)
    image_record(d, 0, "/home/user/pics/cover.jpg", fit=1)
    image_record(d, 50, "C:\\pics\\back.jpg", fit=5, surface=3, order=2)
    return d


def ext_string(text):
    data = text if isinstance(text, bytes) else text.encode("utf-8")
    return struct.pack("<H", len(data)) + data


def ext_entry(kind, slot, data):
    return struct.pack("<BBH", kind, slot, len(data)) + data


def ext_block(entries, code_page=1252, version=1, length=None, crc=None):
    """The UTF-8 extension block that follows the record (see
    src/document/DocumentExtension.h)."""
    payload = struct.pack("<H", code_page) + b"".join(entries)
    return (b"TVKu" + struct.pack("<HII", version, len(payload) if length is None else length,
                                  zlib.crc32(payload) if crc is None else crc) + payload)


def with_extension():
    """A document whose texts and paths go beyond the Western code page."""
    d = document()
    text_record(d, 0, "Björk ½ ?? €")  # the record's code-page form
    image_record(d, 0, "/home/u/????????/cover.png")
    block = ext_block([ext_entry(1, 0, ext_string("Björk ½ 東京 €") + ext_string("Arial")),
                       ext_entry(2, 0, ext_string("/home/u/Картинки/cover.png"))])
    return bytes(d), block


def png(width, height, rgb):
    """A PNG of one colour, written by hand."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    rows = b"".join(b"\0" + bytes(rgb) * width for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def svg(width, height, filler=b""):
    return (b'<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d">' % (width, height)
            + b'<rect width="%d" height="%d" fill="#0000ff"/>' % (width // 2, height) + filler + b"</svg>\n")


def jpeg_claiming(width, height):
    """A baseline JPEG of 8 x 8 grey pixels whose frame header claims another size."""
    dqt = b"\xff\xdb\x00\x43\x00" + bytes([1] * 64)
    sof = b"\xff\xc0\x00\x0b\x08" + struct.pack(">HH", height, width) + b"\x01\x01\x11\x00"
    dht_dc = b"\xff\xc4\x00\x14\x00" + bytes([1] + [0] * 15) + b"\x00"
    dht_ac = b"\xff\xc4\x00\x14\x10" + bytes([1] + [0] * 15) + b"\x00"
    sos = b"\xff\xda\x00\x08\x01\x01\x00\x00\x3f\x00"
    return b"\xff\xd8" + dqt + sof + dht_dc + dht_ac + sos + b"\x00" * 64 + b"\xff\xd9"


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    h = "tests/document/hostile/"
    good = zlib.compress(bytes(valid()), 1)
    rnd = random.Random(20261210)

    write("fuzz/seeds/valid.tvk", good)
    write("fuzz/seeds/older-form.tvk", zlib.compress(bytes(document(colors=False)), 1))
    # seeds for the other readers the fuzz target feeds
    with open("tests/disc/data/cddb/rock/8608460b", "rb") as f:
        write("fuzz/seeds/entry", f.read())
    write("fuzz/seeds/disc.cue", b'FILE "disc.bin" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n'
                                 b'  TRACK 02 AUDIO\n    INDEX 00 03:58:10\n    INDEX 01 04:00:00\n')
    write("fuzz/seeds/disc.toc", b'CD_DA\nTRACK AUDIO\nFILE "disc.bin" 0 02:00:00\n'
                                 b'TRACK AUDIO\nFILE "disc.bin" 02:00:00 03:00:00\n')
    write("fuzz/seeds/Tarvik.conf", b"[Preferences]\nDefaultUdm=Cm\nXPrinterMargin=0.2\n"
                                    b"[Preferences/RoundLabel]\nRoundLabel=4.52\nNumberPerPage=2\nXMargin0=1e9\n")
    write("fuzz/seeds/drawing.svgz", gzip.compress(svg(200, 100), 9, mtime=0))

    write(h + "empty.tvk", b"")
    write(h + "random-bytes.tvk", bytes(rnd.randrange(256) for _ in range(4096)))
    write(h + "random-after-header.tvk", b"\x78\x01" + bytes(rnd.randrange(256) for _ in range(4096)))
    write(h + "gzip-not-zlib.tvk", b"\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03" + good[2:])
    write(h + "preset-dictionary.tvk", b"\x78\x20" + good[2:])
    write(h + "truncated-half.tvk", good[:len(good) // 2])
    write(h + "truncated-header-only.tvk", good[:2])
    write(h + "truncated-in-checksum.tvk", good[:-2])
    bad = bytearray(good)
    bad[-1] ^= 0xFF
    write(h + "wrong-checksum.tvk", bytes(bad))
    bad = bytearray(good)
    bad[len(bad) // 3] ^= 0x55
    write(h + "flipped-byte.tvk", bytes(bad))
    write(h + "content-too-short.tvk", zlib.compress(bytes(valid()[:52943]), 1))
    write(h + "content-tiny.tvk", zlib.compress(b"\x03abc", 1))

    # every length byte at its largest, strings of zero bytes or cut by the end
    d = document()
    for slot in range(101):
        text_record(d, slot, "x" * 10, length=255, font_length=255)
    for slot in range(51):
        image_record(d, slot, "/p/" + "y" * 20, length=255)
    d[VERSION_AT] = 255
    d[RESERVED_AT] = 255
    write(h + "oversize-shortstrings.tvk", zlib.compress(bytes(d), 1))
    write(h + "oversize-shortstrings-older-form.tvk", zlib.compress(bytes(d[:COLORS_AT]), 1))

    # NaN, infinities, huge, tiny and negative coordinates and sizes
    nan, inf = float("nan"), float("inf")
    specials = [nan, inf, -inf, 3.4e38, -3.4e38, 1e-45, -1e30, 1e9]
    d = document()
    for slot in range(101):
        vals = tuple(specials[(slot + k) % len(specials)] for k in range(4))
        text_record(d, slot, "t%d" % slot, fit_floats=vals, angle=[0, 45, -90, 0x7FFFFFFF][slot % 4])
    for slot in range(51):
        vals = tuple(specials[(slot + k) % len(specials)] for k in range(8))
        image_record(d, slot, "/p/%d.jpg" % slot, floats=vals, order=-(2 ** 31) + slot)
    for slot in range(101):  # zoom of every text record
        struct.pack_into("<f", d, slot * TEXT + 360, specials[slot % len(specials)])
    write(h + "nan-and-huge-numbers.tvk", zlib.compress(bytes(d), 1))

    # surfaces, fit styles, image types, font styles and flags that name nothing
    d = document()
    for slot in range(101):
        text_record(d, slot, "s%d" % slot, surface=(2, 4, 5, 7, 255)[slot % 5], style=0xF0 | slot % 16,
                    transparent=(0, 1, 2, 255)[slot % 4])
    for slot in range(51):
        image_record(d, slot, "/p/%d.png" % slot, kind=5 + slot * 5 % 251, fit=7 + slot * 5 % 249,
                     surface=(2, 4, 5, 7, 255)[slot % 5])
    write(h + "unknown-surfaces-and-fits.tvk", zlib.compress(bytes(d), 1))

    # extension blocks after a whole record: every fault leaves the record
    # readable and costs no more than the block or the slot concerned
    record, block = with_extension()
    write("fuzz/seeds/with-extension.tvk", zlib.compress(record + block, 1))
    entries = [ext_entry(1, 0, ext_string("Björk ½ 東京 €") + ext_string("Arial")),
               ext_entry(2, 0, ext_string("/home/u/Картинки/cover.png"))]
    write(h + "ext-wrong-checksum.tvk", zlib.compress(record + ext_block(entries, crc=0x12345678), 1))
    write(h + "ext-cut-short.tvk", zlib.compress(record + block[:len(block) // 2], 1))
    write(h + "ext-length-beyond-everything.tvk", zlib.compress(record + ext_block(entries, length=0xFFFFFFFF), 1))
    write(h + "ext-another-version.tvk", zlib.compress(record + ext_block(entries, version=2), 1))
    write(h + "ext-not-matching-the-record.tvk", zlib.compress(
        record + ext_block([ext_entry(1, 0, ext_string("Something else") + ext_string("Arial")),
                            ext_entry(2, 0, ext_string("/elsewhere/cover.png"))]), 1))
    bad = [ext_entry(1, 0, b"\xff\xff" + b"x" * 10),             # a string running past its entry
           ext_entry(1, 1, ext_string(b"\xc3\x28") + ext_string("A")),  # not UTF-8
           ext_entry(1, 250, ext_string("slot out of range") + ext_string("A")),
           ext_entry(2, 51, ext_string("/image/slot/out/of/range")),
           ext_entry(7, 0, b"an unknown kind"),
           ext_entry(1, 2, ext_string("x" * 300) + ext_string("A")),  # over 255 characters
           ext_entry(2, 0, ext_string("/" + "p" * 5000))]           # over 4096 bytes
    write(h + "ext-hostile-entries.tvk", zlib.compress(record + ext_block(bad) + b"\x01\x00\xff", 1))
    c = zlib.compressobj(9)
    parts = [c.compress(record + ext_block(entries)), c.compress(bytes(64 << 20)), c.flush()]
    write(h + "ext-then-64-megabytes.tvk", b"".join(parts))

    # a whole record followed by a gigabyte of zeros in one stream (about 1 MB)
    c = zlib.compressobj(9)
    parts = [c.compress(bytes(valid()))]
    zeros = bytes(1 << 20)
    for _ in range(1024):
        parts.append(c.compress(zeros))
    parts.append(c.flush())
    write(h + "expands-to-a-gigabyte.tvk", b"".join(parts))

    # Pictures beside the documents below, which name them from a folder that
    # does not exist, so the program finds them beside the document.
    write(h + "shared.png", png(64, 48, (0, 0, 255)))
    write(h + "bomb.svgz", gzip.compress(svg(200, 100, b" " * (17 << 20)), 9, mtime=0))
    write(h + "bomb-named-as-png.png", gzip.compress(svg(200, 100, b" " * (17 << 20)), 9, mtime=0))
    write(h + "claims-46000-square.jpg", jpeg_claiming(46000, 46000))
    write(h + "a-million-pixels-square.svg", svg(1000000, 1000000))

    # one picture in every image slot
    d = document()
    for slot in range(51):
        image_record(d, slot, "/nowhere/shared.png", surface=(0, 1, 3, 6)[slot % 4], order=slot)
    write(h + "one-picture-in-every-slot.tvk", zlib.compress(bytes(d), 1))

    # pictures that expand beyond any bound, or claim absurd sizes
    d = document()
    for slot, name in enumerate(["bomb.svgz", "bomb-named-as-png.png", "claims-46000-square.jpg",
                                 "a-million-pixels-square.svg", "shared.png"]):
        image_record(d, slot, "/nowhere/" + name, floats=(1.0, 1.0, 0.5, 0.5, 12.0, 12.0, 5.0, 5.0), order=slot)
    write(h + "pictures-beyond-bounds.tvk", zlib.compress(bytes(d), 1))

    # text sizes of no points, and below
    d = document()
    for slot, (real, shown) in enumerate([(0, 0), (-5, 0), (0, -7), (-2147483648, -2147483648)]):
        text_record(d, slot, "size %d %d" % (real, shown), y=1.0 + slot * 0.5)
        struct.pack_into("<i", d, slot * TEXT + 272, real)
        struct.pack_into("<i", d, slot * TEXT + 328, shown)
    write(h + "font-sizes-of-no-points.tvk", zlib.compress(bytes(d), 1))


if __name__ == "__main__":
    main()
