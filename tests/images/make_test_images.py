#!/usr/bin/env python3
"""Writes the small images that images.rc embeds into the test binary (data/*).

The pixel formulas are repeated in test_images.cpp; change both together.
Run from anywhere: python3 tests/images/make_test_images.py
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "data")


def png_pixel(x, y):
    """RGBA of pixel (x, y) of the PNG test images."""
    return ((x * 40 + 10) & 255, (y * 60 + 20) & 255, (200 - x * 5 - y) & 255, (x * 50 + y * 90) & 255)


def png(width, height):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    rows = b"".join(
        b"\0" + b"".join(bytes(png_pixel(x, y)) for x in range(width)) for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) +
            chunk(b"IEND", b""))


def tga_pixel(x, y):
    """RGB of pixel (x, y) of the TGA test images (alpha 255)."""
    return (x * 30 + 5, y * 50 + 7, 90)


def tga(width, height):
    """Uncompressed 24-bit, rows top first (descriptor 0x20)."""
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 0, 0, 0, width, height, 24, 0x20)
    pixels = b"".join(bytes(reversed(tga_pixel(x, y))) for y in range(height) for x in range(width))
    return header + pixels


def write(name, data):
    with open(os.path.join(DATA, name), "wb") as out:
        out.write(data)


def main():
    os.makedirs(DATA, exist_ok=True)
    # 5 pixels are 20 bytes a row: the imaging library pads such rows.
    write("odd_width.png", png(5, 3))
    write("wide.png", png(37, 4))
    write("fallback.tga", tga(3, 2))
    full = tga(4, 4)
    write("truncated.tga", full[:len(full) - 5])
    write("header_only.tga", full[:10])
    write("not_a_png.png", b"this is not a PNG file")


if __name__ == "__main__":
    main()
