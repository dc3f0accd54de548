"""Encoders for the picture files the resource compiler embeds. Each takes straight 8-bit
pixels, rows from the top, and returns the file's bytes; nothing time- or host-dependent
goes into a file, so the same drawing always gives the same bytes."""

import struct
import zlib


def png(width, height, rgba, compact=True):
    """8-bit RGBA PNG. Compact: each row filtered with the filter that packs it smallest;
    otherwise unfiltered (fast, for large pictures that are only looked at)."""
    stride = width * 4
    raw = bytearray()
    previous = bytes(stride)
    for y in range(height):
        row = rgba[y * stride:(y + 1) * stride]
        if compact:
            raw += min((_png_filtered(kind, row, previous) for kind in range(5)),
                       key=lambda line: sum(v if v < 128 else 256 - v for v in line[1:]))
        else:
            raw += b'\0' + row
        previous = row

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    header = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def _png_filtered(kind, row, previous):
    out = bytearray([kind])
    for i, value in enumerate(row):
        left = row[i - 4] if i >= 4 else 0
        up = previous[i]
        upper_left = previous[i - 4] if i >= 4 else 0
        if kind == 0:
            predicted = 0
        elif kind == 1:
            predicted = left
        elif kind == 2:
            predicted = up
        elif kind == 3:
            predicted = (left + up) // 2
        else:
            p = left + up - upper_left
            pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
            predicted = left if pa <= pb and pa <= pc else (up if pb <= pc else upper_left)
        out.append((value - predicted) & 0xFF)
    return out


def tga(width, height, rgba):
    """Run-length encoded 32-bit TGA (image type 10), top row first (descriptor 0x28: top
    origin, 8 alpha bits). Packets never cross a row end."""
    out = bytearray(struct.pack('<BBBHHBHHHHBB', 0, 0, 10, 0, 0, 0, 0, 0, width, height, 32, 0x28))
    for y in range(height):
        row = [bytes((rgba[i + 2], rgba[i + 1], rgba[i], rgba[i + 3]))
               for i in range((y * width) * 4, ((y + 1) * width) * 4, 4)]
        x = 0
        while x < width:
            run = 1
            while x + run < width and run < 128 and row[x + run] == row[x]:
                run += 1
            if run > 1:
                out.append(0x80 | (run - 1))
                out += row[x]
                x += run
                continue
            literal = 1
            while (x + literal < width and literal < 128
                   and not (x + literal + 1 < width and row[x + literal] == row[x + literal + 1])):
                literal += 1
            out.append(literal - 1)
            for pixel in row[x:x + literal]:
                out += pixel
            x += literal
    return bytes(out)


def bmp(width, height, rgb):
    """24-bit Windows bitmap file (bottom-up rows padded to four bytes)."""
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(height)):
        for x in range(width):
            i = (y * width + x) * 3
            pixels += bytes((rgb[i + 2], rgb[i + 1], rgb[i]))
        pixels += bytes(stride - width * 3)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


def ico(images):
    """An icon file from (size, rgba) pairs: 32-bit DIB entries with an AND mask that marks
    the fully transparent pixels, for shells that ignore alpha."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for size, rgba in images:
        blob = _ico_dib(size, rgba)
        entries.append(struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack('<HHH', 0, 1, len(images)) + b''.join(entries) + b''.join(blobs)


def _ico_dib(size, rgba):
    mask_stride = ((size + 31) // 32) * 4
    colour, mask = bytearray(), bytearray()
    for y in reversed(range(size)):
        bits = bytearray(mask_stride)
        for x in range(size):
            i = (y * size + x) * 4
            colour += bytes((rgba[i + 2], rgba[i + 1], rgba[i], rgba[i + 3]))
            if rgba[i + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return info + bytes(colour) + bytes(mask)
