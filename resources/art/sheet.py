"""A contact sheet of the art for people to look at: every picture at both sizes on the main
list's background, mock list rows and button bars as the program lays them out, the
up-folder button on the file dialogs' white, the program icon at all its sizes, and the item
glyphs and format arrows on white and on light and dark header bands, alone and in mock item
lines."""

import formats

# The shell's fallback selection colour, the usual Windows Mobile highlight.
HIGHLIGHT = (0x2C, 0x4D, 0x9C)
WHITE = (255, 255, 255)
# Item lines are drawn on white and on header bands copied from the Today water, whose
# blues run from about the first to the second of these.
GROUNDS = (WHITE, (0xC8, 0xE4, 0xF6), (0x26, 0x62, 0xA0))
TEXT = (0x30, 0x30, 0x30)

DIGITS = {
    '0': '111101101101111', '1': '010110010010111', '2': '111001111100111',
    '3': '111001111001111', '4': '101101111001001', '5': '111100111001111',
    '6': '111100111101111', '7': '111001001001001', '8': '111101111101111',
    '9': '111101111001111',
}


def mix(a, b, t):
    """The program's colour mix: per channel a * t + b * (255 - t), rounded, over 255."""
    out = []
    for x, y in zip(a, b):
        v = x * t + y * (255 - t) + 128
        out.append((v + (v >> 8)) >> 8)
    return tuple(out)


class Sheet:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.rgb = bytearray(width * height * 3)

    def fill(self, x0, y0, x1, y1, colour):
        line = bytes(colour) * (x1 - x0)
        for y in range(max(0, y0), min(self.height, y1)):
            start = (y * self.width + x0) * 3
            self.rgb[start:start + len(line)] = line

    def gradient(self, x0, y0, x1, y1, top, bottom):
        for y in range(y0, y1):
            t = 255 - (y - y0) * 255 // max(1, y1 - y0 - 1)
            self.fill(x0, y, x1, y + 1, mix(top, bottom, t))

    def blend(self, x, y, width, height, rgba):
        for row in range(height):
            for col in range(width):
                i = (row * width + col) * 4
                a = rgba[i + 3]
                if a == 0:
                    continue
                j = ((y + row) * self.width + x + col) * 3
                for k in range(3):
                    self.rgb[j + k] = mix((rgba[i + k],), (self.rgb[j + k],), a)[0]

    def number(self, x, y, value, size, colour=WHITE):
        for ch in str(value):
            pattern = DIGITS[ch]
            for i, bit in enumerate(pattern):
                if bit == '1':
                    px, py = x + (i % 3) * size, y + (i // 3) * size
                    self.fill(px, py, px + size, py + size, colour)
            x += 4 * size

    def png(self):
        rgba = bytearray()
        for i in range(0, len(self.rgb), 3):
            rgba += self.rgb[i:i + 3] + b'\xff'
        return formats.png(self.width, self.height, bytes(rgba), compact=False)


def shade(t):
    return mix((0, 0, 0), HIGHLIGHT, t)


def mock_list(sheet, x, y, unit, entries):
    """Rows as the main list paints them at `unit` pixels per 96-dpi unit."""
    width, row = 240 * unit, 42 * unit
    sheet.gradient(x, y, x + width, y + row * len(entries), shade(160), shade(70))
    for n, picture in enumerate(entries):
        top = y + n * row
        size = picture[0]
        sheet.blend(x + 10 * unit, top + (41 * unit - size) // 2, size, size, picture[1])
        # The bold caption as a bar, since the sheet has no fonts.
        sheet.fill(x + 52 * unit, top + 17 * unit, x + 124 * unit, top + 24 * unit, WHITE)
        sheet.fill(x, top + 41 * unit, x + width, top + row, mix((0, 0, 0), HIGHLIGHT, 55))


def mock_bar(sheet, x, y, unit, left, right):
    """The button bar with two icons in slots 0 and 4."""
    width, height = 240 * unit, 40 * unit
    dark = mix(HIGHLIGHT, (0, 0, 0), 100)
    sheet.gradient(x, y, x + width, y + height // 3, HIGHLIGHT, dark)
    sheet.gradient(x, y + height // 3, x + width, y + height, dark, mix(dark, HIGHLIGHT, 128))
    sheet.fill(x, y, x + width, y + unit, mix((0, 0, 0), HIGHLIGHT, 164))
    sheet.fill(x, y + unit, x + width, y + 2 * unit, mix(HIGHLIGHT, WHITE, 192))
    slot = width // 5
    for index, picture in ((0, left), (4, right)):
        if picture:
            size = picture[0]
            cx = slot // 2 + index * slot
            top = 2 * unit + (height - 2 * unit) // 2 - size // 2
            sheet.blend(x + cx - size // 2, y + top, size, size, picture[1])


def keyed_rgba(rgb, key):
    """Straight RGBA of a keyed 24-bit picture: the key colour becomes transparent."""
    key = bytes(key)
    return b''.join(rgb[i:i + 3] + (b'\0' if rgb[i:i + 3] == key else b'\xff') for i in range(0, len(rgb), 3))


def glyph_lines(sheet, x, y, unit, glyphs, lines):
    """Mock item lines at `unit` pixels per unit: a leading glyph, a text bar, then glyphs
    centred in 12-unit cells 13 units apart, as the item painter lays them out."""
    for n, (lead, text_units, icons) in enumerate(lines):
        top = y + n * 16 * unit
        middle = top + 8 * unit
        cx = x
        for glyph_id in ([lead] if lead else []):
            size, rgba = glyphs[glyph_id]
            sheet.blend(cx + (12 * unit - size) // 2, middle - size // 2, size, size, rgba)
            cx += 15 * unit
        sheet.fill(cx, middle - 3 * unit, cx + text_units * unit, middle + 2 * unit, TEXT)
        cx += (text_units + 3) * unit
        for glyph_id in icons:
            size, rgba = glyphs[glyph_id]
            sheet.blend(cx + (12 * unit - size) // 2, middle - size // 2, size, size, rgba)
            cx += 13 * unit


def glyph_section(sheet, top, glyphs, arrows, lines):
    """glyphs: ({id: (size, rgba)} low, the same high); arrows: ((w, h, rgb) low, high)."""
    low, high = glyphs
    cell, strip = 56, 36
    for n, glyph_id in enumerate(sorted(low)):
        x = 12 + n * cell
        sheet.number(x + 4, top, glyph_id, 2)
        for k, ground in enumerate(GROUNDS):
            y = top + 14 + k * strip
            sheet.fill(x, y, x + cell, y + strip, ground)
            for size, rgba, dx in (low[glyph_id] + (8,), high[glyph_id] + (26,)):
                sheet.blend(x + dx, y + (strip - size) // 2, size, size, rgba)
    y = top + 14 + len(GROUNDS) * strip + 12
    for ground in GROUNDS:
        height = 16 * 2 * len(lines) + 8
        sheet.fill(12, y, 12 + 1280, y + height, ground)
        glyph_lines(sheet, 20, y + 4, 1, low, lines)
        glyph_lines(sheet, 20 + 400, y + 4, 2, high, lines)
        y += height + 8
    x = 12
    for w, h, rgb in arrows:
        sheet.fill(x, y, x + w + 24, y + h + 24, WHITE)
        sheet.blend(x + 12, y + 12, w, h, keyed_rgba(rgb, (255, 0, 0)))
        x += w + 40
    w, h, rgb = arrows[-1]
    sheet.blend(x, y + 12, w, h, b''.join(rgb[i:i + 3] + b'\xff' for i in range(0, len(rgb), 3)))
    return y + arrows[-1][1] + 36


def glyph_section_height(lines):
    return 14 + len(GROUNDS) * 36 + 12 + len(GROUNDS) * (16 * 2 * len(lines) + 16) + 24 + 36


def contact_sheet(low, high, up_low, up_high, app_icons, list_order, glyphs, arrows, glyph_line_order):
    """low/high: {id: (size, rgba)}; up_*: (size, rgb); app_icons: [(size, rgba)]; glyphs,
    arrows and glyph_line_order as glyph_section and glyph_lines take them."""
    ids = sorted(low)
    cell_low, cell_high = 48, 80
    width = 24 + max(len(ids) * cell_high, 240 + 24 + 480)
    list_top = 24 + 2 * (cell_high + 40)
    list_height = 84 * len(list_order)
    glyph_top = list_top + list_height + 40 + 80 + 24 + 100
    height = glyph_top + glyph_section_height(glyph_line_order)
    sheet = Sheet(width, height)
    sheet.gradient(0, 0, width, height, shade(160), shade(70))

    for n, icon_id in enumerate(ids):
        sheet.number(12 + n * cell_high + 4, 12, icon_id, 2)
        sheet.blend(12 + n * cell_high + (cell_high - 32) // 2, 30, 32, 32, low[icon_id][1])
        sheet.blend(12 + n * cell_high + (cell_high - 64) // 2, 30 + cell_low + 20, 64, 64, high[icon_id][1])

    mock_list(sheet, 12, list_top, 1, [low[i] for i in list_order])
    mock_list(sheet, 12 + 240 + 24, list_top, 2, [high[i] for i in list_order])

    bars = list_top + list_height + 20
    mock_bar(sheet, 12, bars, 1, low[1663], low[1664])
    mock_bar(sheet, 12, bars + 50, 1, None, low[1662])
    mock_bar(sheet, 12 + 240 + 24, bars, 2, high[1663], high[1664])

    extras = bars + 100
    sheet.fill(12, extras, 12 + 180, extras + 80, WHITE)
    for size, rgb, x in ((up_low[0], up_low[1], 24), (up_high[0], up_high[1], 64)):
        sheet.blend(x, extras + 12, size, size, keyed_rgba(rgb, (0, 255, 0)))
    # The raw bitmap too, green key and all.
    sheet.blend(120, extras + 12, up_high[0], up_high[0],
                b''.join(up_high[1][i:i + 3] + b'\xff' for i in range(0, len(up_high[1]), 3)))
    x = 220
    for size, rgba in app_icons:
        sheet.fill(x, extras, x + size + 16, extras + 80, WHITE)
        sheet.blend(x + 8, extras + 8, size, size, rgba)
        x += size + 24
    for size, rgba in app_icons:
        sheet.blend(x + 8, extras + 8, size, size, rgba)
        x += size + 16
    glyph_section(sheet, glyph_top, glyphs, arrows, glyph_line_order)
    return sheet.png()
