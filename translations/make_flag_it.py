#!/usr/bin/env python3
"""Draws flag_it.png, the Italian language module's flag for the About box:
the tricolour in three equal vertical bands (green, white, red) inside a
one-pixel grey frame, so the white band stands out on a light window.
62 x 42 pixels: the flag's own 3:2 inside the frame, large enough to read
at a glance under the language's name. Needs only the standard library.

    python3 translations/make_flag_it.py translations/flag_it.png
"""
import struct
import sys
import zlib

WIDTH, HEIGHT = 62, 42
FRAME = (0x80, 0x80, 0x80)
BANDS = [(0x00, 0x92, 0x46),  # green
         (0xFF, 0xFF, 0xFF),  # white
         (0xCE, 0x2B, 0x37)]  # red


def pixel(x, y):
    if x in (0, WIDTH - 1) or y in (0, HEIGHT - 1):
        return FRAME
    inner = WIDTH - 2  # 60 pixels: three bands of 20
    return BANDS[(x - 1) * len(BANDS) // inner]


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png():
    rows = b"".join(b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(WIDTH)) for y in range(HEIGHT))
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0)  # 8-bit RGB
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_flag_it.py OUT.png")
    with open(sys.argv[1], "wb") as out:
        out.write(png())
