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


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def png(width, height):
    rows = b"".join(
        b"\0" + b"".join(bytes(png_pixel(x, y)) for x in range(width)) for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) +
            chunk(b"IEND", b""))


CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def kind_sample(x, y, channel, depth):
    """Sample values that vary in every direction, so that each filter has work to do."""
    value = (x * 37 + y * 91 + channel * 53) ^ (x * y * 7)
    return value & ((1 << depth) - 1)


def pack_row(samples, depth):
    if depth == 8:
        return bytes(samples)
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    out, bits, count = bytearray(), 0, 0
    for s in samples:
        bits = (bits << depth) | s
        count += depth
        if count == 8:
            out.append(bits)
            bits = count = 0
    if count:
        out.append(bits << (8 - count))
    return bytes(out)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def filter_row(kind, row, above, step):
    out = bytearray([kind])
    for i, byte in enumerate(row):
        a = row[i - step] if i >= step else 0
        b = above[i] if above else 0
        c = above[i - step] if above and i >= step else 0
        predicted = [0, a, b, (a + b) // 2, paeth(a, b, c)][kind]
        out.append((byte - predicted) & 255)
    return bytes(out)


def png_kind(width, height, colour_type, depth, interlaced=False, transparency=None, palette_size=0,
             compress=lambda data: zlib.compress(data, 6), idat_size=0, phys=None):
    """A PNG of any colour type, depth and order; rows take the five filters in turn."""
    channels = CHANNELS[colour_type]
    step = max(1, channels * depth // 8)
    raw = bytearray()
    passes = ADAM7 if interlaced else [(0, 0, 1, 1)]
    row_number = 0
    for x0, y0, dx, dy in passes:
        columns = range(x0, width, dx)
        above = None
        for y in range(y0, height, dy):
            if not columns:
                break
            samples = []
            for x in columns:
                if colour_type == 3:
                    samples.append((x + 3 * y) % palette_size)
                else:
                    samples.extend(kind_sample(x, y, c, depth) for c in range(channels))
            row = pack_row(samples, depth)
            raw += filter_row(row_number % 5, row, above, step)
            row_number += 1
            above = row
    header = struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, 1 if interlaced else 0)
    body = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    if phys:
        body += chunk(b"pHYs", struct.pack(">IIB", phys, phys, 1))
    if colour_type == 3:
        body += chunk(b"PLTE", bytes((i * 50 + 7 * c) & 255 for i in range(palette_size) for c in range(3)))
    if transparency is not None:
        body += chunk(b"tRNS", transparency)
    data = compress(bytes(raw))
    size = idat_size or len(data)
    for at in range(0, len(data), size):
        body += chunk(b"IDAT", data[at:at + size])
    return body + chunk(b"IEND", b"")


def compressor(level, strategy):
    def compress(data):
        packer = zlib.compressobj(level, zlib.DEFLATED, 15, 9, strategy)
        return packer.compress(data) + packer.flush()
    return compress


def png_kinds():
    """Every colour type and bit depth, interlaced and not, with transparency, in every kind
    of deflate block; the image tests decode each against the desktop's decoder."""
    kinds = {}
    for colour_type, depths in ((0, (1, 2, 4, 8, 16)), (2, (8, 16)), (3, (1, 2, 4, 8)), (4, (8, 16)), (6, (8, 16))):
        for depth in depths:
            palette = min(1 << depth, 200) if colour_type == 3 else 0
            kinds[f"type{colour_type}_{depth}"] = png_kind(13, 11, colour_type, depth, palette_size=palette)
            kinds[f"type{colour_type}_{depth}_interlaced"] = png_kind(
                11, 9, colour_type, depth, interlaced=True, palette_size=palette)
    kinds["type0_4_key"] = png_kind(13, 11, 0, 4, transparency=struct.pack(">H", kind_sample(0, 0, 0, 4)))
    kinds["type0_16_key"] = png_kind(13, 11, 0, 16, transparency=struct.pack(">H", kind_sample(2, 1, 0, 16)))
    rgb = [kind_sample(3, 2, c, 8) for c in range(3)]
    kinds["type2_8_key"] = png_kind(13, 11, 2, 8, transparency=struct.pack(">HHH", *rgb))
    kinds["type3_8_alpha"] = png_kind(13, 11, 3, 8, palette_size=40, transparency=bytes(range(0, 200, 10)))
    kinds["type3_2_alpha_interlaced"] = png_kind(9, 9, 3, 2, interlaced=True, palette_size=4,
                                                 transparency=bytes([0, 128]))
    kinds["interlaced_1x1"] = png_kind(1, 1, 6, 8, interlaced=True)
    kinds["interlaced_3x2"] = png_kind(3, 2, 6, 16, interlaced=True)
    kinds["stored"] = png_kind(13, 11, 6, 8, compress=compressor(0, zlib.Z_DEFAULT_STRATEGY))
    kinds["fixed_codes"] = png_kind(40, 30, 6, 8, compress=compressor(9, zlib.Z_FIXED))
    kinds["run_length"] = png_kind(40, 30, 2, 8, compress=compressor(9, zlib.Z_RLE))
    kinds["split_data_144dpi"] = png_kind(40, 30, 6, 8, compress=compressor(9, zlib.Z_DEFAULT_STRATEGY), idat_size=7,
                                          phys=5669)
    return kinds


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
    os.makedirs(os.path.join(DATA, "png_kinds"), exist_ok=True)
    for name, data in png_kinds().items():
        write(os.path.join("png_kinds", name + ".png"), data)


if __name__ == "__main__":
    main()
