"""The pictures of QMSettings' main list, button bar and file dialogs, and its program icon,
as vector drawings on a 32-unit square (20 units for the up-folder button).

List icons are white glyphs on rounded, colour-graded tiles, one colour per page, so that
they read on the list's dark blue gradient. Bar icons are white glyphs in a faint ring,
without a tile, since the bar is itself a button surface. Each glyph is a list of layers
(mask, colour, opacity) painted in order over its tile.
"""

import math

import raster as r
from canvas import Canvas, hex_colour, mix

WHITE = (1.0, 1.0, 1.0)
BLACK = (0.0, 0.0, 0.0)


# ---------------------------------------------------------------- glyphs of the list

def gear(c):
    teeth, outer, inner = 8, 12.2, 9.0
    points = []
    for i in range(teeth):
        a = 2 * math.pi * i / teeth
        for angle, radius in ((-0.30, inner), (-0.19, outer), (0.19, outer), (0.30, inner)):
            points.append((16 + radius * math.cos(a + angle), 16 + radius * math.sin(a + angle)))
    body = c.mask([r.oriented(points), r.circle(16, 16, inner)])
    return [(r.subtract(body, c.mask([r.circle(16, 16, 4.2)])), WHITE, 1.0)]


def calendar(c):
    page = c.mask([r.rounded_rect(6, 7.5, 26, 26, 2.6)])
    inside = c.mask([r.rect(8.2, 12.8, 23.8, 23.8)])
    cells = []
    for row in range(2):
        for col in range(3):
            x, y = 9.6 + col * 4.6, 14.3 + row * 4.6
            cells.append(r.rounded_rect(x, y, x + 3.6, y + 3.6, 0.6))
    rings = c.mask([r.rounded_rect(10.2, 4.8, 12.6, 10.2, 1.2), r.rounded_rect(19.4, 4.8, 21.8, 10.2, 1.2)])
    ring_gaps = c.mask([r.rounded_rect(9.2, 3.8, 13.6, 11.2, 2.0), r.rounded_rect(18.4, 3.8, 22.8, 11.2, 2.0)])
    frame = r.subtract(r.subtract(page, inside), ring_gaps)
    return [(r.union(frame, c.mask(cells), rings), WHITE, 1.0)]


def tasks(c):
    marks, lines = [], []
    for i, y in enumerate((9.5, 16, 22.5)):
        if i < 2:
            marks += r.stroke([(6.6, y), (8.6, y + 2.1), (12.2, y - 2.2)], 2.2)
        else:
            marks += r.stroke([(6.9, y - 2.2), (11.6, y - 2.2), (11.6, y + 2.2), (6.9, y + 2.2)], 1.5, closed=True)
        lines += r.stroke([(15.5, y), (25.5, y)], 2.6)
    return [(c.mask(marks + lines), WHITE, 1.0)]


def notes(c):
    page = c.mask([r.oriented([(8, 5.5), (19.5, 5.5), (25, 11), (25, 26.5), (8, 26.5)])])
    fold_cut = c.mask([r.oriented([(18.5, 4.5), (26, 4.5), (26, 12)])])
    fold = c.mask([r.oriented([(19.5, 5.5), (19.5, 11), (25, 11)])])
    lines = c.mask(r.stroke([(11, 15), (22, 15)], 1.6) + r.stroke([(11, 18.8), (22, 18.8)], 1.6)
                   + r.stroke([(11, 22.6), (18.5, 22.6)], 1.6))
    sheet = r.subtract(r.subtract(page, fold_cut), lines)
    return [(sheet, WHITE, 1.0), (fold, WHITE, 0.7)]


def contacts(c):
    head = r.circle(16, 11.2, 5.0)
    body = r.oriented(r.arc_points(16, 27.5, 10, 10.5, math.pi, 2 * math.pi))
    gap = c.mask([r.circle(16, 11.2, 7.0)])
    figure = r.union(c.mask([head]), r.subtract(c.mask([body]), gap))
    return [(figure, WHITE, 1.0)]


def messages(c):
    envelope = c.mask([r.rounded_rect(5.5, 8.5, 26.5, 23.5, 2.2)])
    creases = c.mask(r.stroke([(6.2, 9.6), (16, 17.6), (25.8, 9.6)], 1.7)
                     + r.stroke([(6.2, 22.6), (13, 16)], 1.2)
                     + r.stroke([(25.8, 22.6), (19, 16)], 1.2))
    return [(r.subtract(envelope, creases), WHITE, 1.0)]


def special_events(c):
    lid = c.mask([r.rounded_rect(6, 11.5, 26, 16, 1.0)])
    box = c.mask([r.rounded_rect(7.6, 17.4, 24.4, 27, 1.0)])
    ribbon = c.mask([r.rect(14.7, 11, 17.3, 28)])
    bow = c.mask(r.stroke(r.ellipse(12.3, 8.4, 3.6, 2.2, 0.45), 1.9, closed=True)
                 + r.stroke(r.ellipse(19.7, 8.4, 3.6, 2.2, -0.45), 1.9, closed=True)
                 + [r.circle(16, 10.2, 1.8)])
    return [(r.union(r.subtract(r.union(lid, box), ribbon), bow), WHITE, 1.0)]


def fonts(c):
    letter = [r.oriented([(13.3, 5.5), (18.7, 5.5), (26.5, 26.5), (21.6, 26.5), (19.9, 21.6),
                          (12.1, 21.6), (10.4, 26.5), (5.5, 26.5)]),
              r.hole([(13.3, 17.4), (18.7, 17.4), (16, 9.9)])]
    return [(c.mask(letter), WHITE, 1.0)]


def colours(c):
    hues = ['#ff3b30', '#ff9500', '#ffd60a', '#34c759', '#32ade6', '#5856d6', '#af52de', '#ff2d55']
    layers = [(c.mask([r.circle(16, 16, 12)]), WHITE, 1.0)]
    step = 2 * math.pi / len(hues)
    for i, hue in enumerate(hues):
        start = -math.pi / 2 + i * step
        wedge = r.oriented([(16, 16)] + r.arc_points(16, 16, 10.3, 10.3, start, start + step))
        layers.append((c.mask([wedge]), hex_colour(hue), 1.0))
    layers.append((c.mask([r.circle(16, 16, 3.6)]), WHITE, 1.0))
    return layers


def pim(c):
    device = c.mask([r.rounded_rect(8.5, 4, 23.5, 28, 3.2)])
    screen = c.mask([r.rounded_rect(10.7, 7.6, 21.3, 20.4, 1.0)])
    button = c.mask([r.circle(16, 24.2, 1.8)])
    rows = c.mask(r.stroke([(12.8, 11), (19.2, 11)], 1.4) + r.stroke([(12.8, 14), (19.2, 14)], 1.4)
                  + r.stroke([(12.8, 17), (17, 17)], 1.4))
    return [(r.union(r.subtract(device, r.union(screen, button)), rows), WHITE, 1.0)]


def tabs(c):
    body = c.mask([r.rounded_rect(5, 12, 27, 26, 1.8)])
    front = c.mask([r.rounded_rect(5, 6.5, 12.6, 14, 1.6)])
    back = c.mask([r.rounded_rect(13.6, 7, 20, 11.2, 1.4), r.rounded_rect(21, 7, 27, 11.2, 1.4)])
    return [(r.union(body, front), WHITE, 1.0), (back, WHITE, 0.6)]


def categories(c):
    def tag(dx, dy):
        return [r.oriented([(6 + dx, 6.5 + dy), (15.8 + dx, 6.5 + dy), (25.5 + dx, 16.2 + dy),
                            (16.2 + dx, 25.5 + dy), (6.5 + dx, 15.8 + dy)])]
    front = r.subtract(c.mask(tag(0, 0)), c.mask([r.circle(11, 11.5, 2.1)]))
    behind = r.subtract(c.mask(tag(2.5, 2.5)), c.mask(tag(-1.2, -1.2)))
    return [(behind, WHITE, 0.6), (front, WHITE, 1.0)]


def about(c):
    disc = c.mask([r.circle(16, 16, 12)])
    letter = c.mask([r.circle(16, 10, 2.0), r.rounded_rect(14.2, 13.4, 17.8, 23.2, 0.9)])
    return [(r.subtract(disc, letter), WHITE, 1.0)]


# ---------------------------------------------------------------- glyphs of the bar

def ring(c):
    return [(c.mask([r.circle(16, 16, 14)]), WHITE, 0.14),
            (c.mask(r.stroke(r.circle(16, 16, 13.4), 1.5, closed=True)), WHITE, 0.85)]


def back(c):
    arrow = r.stroke([(23, 16), (9.5, 16)], 3.0) + r.stroke([(15, 10.2), (9, 16), (15, 21.8)], 3.0)
    return ring(c) + [(c.mask(arrow), WHITE, 1.0)]


def done(c):
    return ring(c) + [(c.mask(r.stroke([(9.4, 16.6), (14, 21.2), (22.8, 11.2)], 3.2)), WHITE, 1.0)]


def menu(c):
    bars = []
    for y in (11, 16, 21):
        bars += r.stroke([(10, y), (22, y)], 2.6)
    return ring(c) + [(c.mask(bars), WHITE, 1.0)]


# ---------------------------------------------------------------- the catalogue

# id: (what it shows, drawing, tile colours top and bottom or None for bar icons)
LIST_ICONS = {
    1654: ('General', gear, ('#8e9aaf', '#4f5b70')),
    1649: ('Calendar', calendar, ('#ff6b5e', '#c8261b')),
    1660: ('Tasks', tasks, ('#5fd068', '#23923a')),
    1656: ('Notes', notes, ('#ffc93c', '#d98a05')),
    1652: ('Contacts', contacts, ('#3ed0c0', '#0f8c88')),
    1655: ('Messages', messages, ('#5ab8ff', '#1565d8')),
    1658: ('Special events', special_events, ('#ff6fa8', '#c2185b')),
    1653: ('Fonts', fonts, ('#b084f5', '#6a3bc4')),
    1651: ('Colours', colours, ('#5b6475', '#2c313b')),
    1657: ('PIM', pim, ('#ff9f45', '#d4600c')),
    1659: ('Tabs', tabs, ('#7f8cff', '#3d48c9')),
    1650: ('Categories', categories, ('#a6d84a', '#5f9a12')),
    1661: ('About', about, ('#62a8ff', '#2a5fd0')),
    1662: ('Exit or back', back, None),
    1663: ('Done', done, None),
    1664: ('Menu', menu, None),
}


def draw_icon(icon_id, pixels):
    """The icon at pixels x pixels (32 for 96 dpi, 64 for 192 dpi)."""
    _, glyph, tile = LIST_ICONS[icon_id]
    c = Canvas(pixels, pixels, pixels / 32.0)
    if tile:
        top, bottom = hex_colour(tile[0]), hex_colour(tile[1])
        _draw_tile(c, top, bottom)
        layers = glyph(c)
        c.shadow(_solid_parts(layers), 0.8, 0.7, 0.28, mix(bottom, BLACK, 0.6))
    else:
        layers = glyph(c)
        c.shadow(_solid_parts(layers), 1.2, 0.8, 0.45)
    for mask, colour, opacity in layers:
        c.paint(mask, colour, opacity)
    return c


def _solid_parts(layers):
    # Faint layers cast no shadow: it would show through them as a dark smudge.
    return r.union(*[mask for mask, _, opacity in layers if opacity >= 0.5])


def _draw_tile(c, top, bottom):
    shape = [r.rounded_rect(2, 1.5, 30, 29.5, 6.5)]
    tile = c.mask(shape)
    c.shadow(tile, 1.1, 1.0, 0.5)
    c.paint(tile, lambda x, y: mix(top, bottom, min(1.0, max(0.0, (y - 1.5) / 28.0))))
    inner = c.mask([r.rounded_rect(2.9, 2.4, 29.1, 28.6, 5.6)])
    c.paint(r.subtract(tile, inner), mix(bottom, BLACK, 0.35), 0.55)
    gloss = r.intersect(inner, c.mask([r.ellipse(16, 1.5, 21, 12.5)]))
    c.paint(gloss, WHITE, 0.16)


def draw_app_icon(pixels):
    """The program icon: a white quill on a deep blue tile."""
    c = Canvas(pixels, pixels, pixels / 32.0)
    tile = c.mask([r.rounded_rect(1, 1, 31, 31, 7)])
    top, bottom = hex_colour('#3f7fe8'), hex_colour('#123a8c')
    c.paint(tile, lambda x, y: mix(top, bottom, min(1.0, max(0.0, (y - 1) / 30.0))))
    inner = c.mask([r.rounded_rect(1.9, 1.9, 30.1, 30.1, 6.1)])
    c.paint(r.subtract(tile, inner), mix(bottom, BLACK, 0.4), 0.6)
    c.paint(r.intersect(inner, c.mask([r.ellipse(16, 1, 22, 13)])), WHITE, 0.15)

    tip, base = (26.5, 4.5), (11.2, 21.2)
    vane = r.oriented(r.cubic(base, (7.5, 13.5), (15.5, 6.5), tip)[:-1]
                      + r.cubic(tip, (24.5, 13), (18.5, 19.5), base)[:-1])
    notches = [r.oriented([(10.4, 15.2), (13.6, 14.8), (9.8, 17.4)]),
               r.oriented([(14.6, 9.6), (17.8, 9.6), (14.2, 11.6)])]
    feather = r.subtract(c.mask([vane]), c.mask(notches))
    spine = c.mask(r.stroke([(24.2, 7.2), (17, 15), (12.4, 20.2)], 0.9))
    quill = r.union(r.subtract(feather, spine), c.mask(r.stroke([(12.4, 20.2), (6.2, 27)], 1.9)))
    c.shadow(quill, 0.9, 0.8, 0.35, mix(bottom, BLACK, 0.5))
    c.paint(quill, WHITE)
    return c


def draw_up_folder(pixels):
    """The file dialogs' up-folder button on a 20-unit square: a folder with an up arrow."""
    c = Canvas(pixels, pixels, pixels / 20.0)
    outline = c.mask([r.rounded_rect(1, 2.5, 8.5, 6.5, 1.2), r.rounded_rect(1, 4.2, 19, 17.5, 1.4)])
    inside = c.mask([r.rounded_rect(1.9, 3.4, 7.6, 6.5, 0.6), r.rounded_rect(1.9, 5.1, 18.1, 16.6, 0.8)])
    top, bottom = hex_colour('#ffd866'), hex_colour('#e9a21c')
    c.paint(outline, hex_colour('#8a5a0b'))
    c.paint(inside, lambda x, y: mix(top, bottom, min(1.0, max(0.0, (y - 3.4) / 13.2))))
    arrow = c.mask(r.stroke([(10, 14.6), (10, 8.4)], 2.2) + r.stroke([(6.9, 11.2), (10, 8.1), (13.1, 11.2)], 2.2))
    c.paint(arrow, hex_colour('#1d4f9e'))
    return c
