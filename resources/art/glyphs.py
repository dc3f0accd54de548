"""The item glyphs drawn beside appointments, tasks and other items, and the two arrows that
step a display format, as vector drawings on a 12-unit square (14 units for the counters).

The glyphs sit on white list rows as well as on the blue header band copied from the Today
background, so each part is a bright fill inside a dark rim one unit wide: the rim carries
the shape on light grounds, the fill on dark ones. Fills keep to whole units where they can,
so that at 96 dpi (one pixel per unit) the rims fall on whole pixels and stay sharp.
"""

import math

import raster as r
from canvas import Canvas, hex_colour, mix

WHITE = (1.0, 1.0, 1.0)
GLYPH_UNITS = 12
COUNTER_UNITS = 14
ARROWS_UNITS = (20, 12)


def grade(top, bottom, y0, y1):
    """A fill running from one colour at design y0 to another at y1."""
    top, bottom = hex_colour(top), hex_colour(bottom)
    return lambda x, y: mix(top, bottom, min(1.0, max(0.0, (y - y0) / float(y1 - y0))))


def piece(c, shape, fill, rim, width=1.0):
    """A shape filled inside a rim that grows it by `width` units all round."""
    grown = list(shape)
    for poly in shape:
        grown += r.stroke(poly, 2 * width, closed=True)
    return [(c.mask(grown), hex_colour(rim), 1.0), (c.mask(shape), fill, 1.0)]


def line(c, points, width, fill, rim, halo=1.0, closed=False):
    """A stroked polyline with a rim of `halo` units on both sides."""
    return [(c.mask(r.stroke(points, width + 2 * halo, closed)), hex_colour(rim), 1.0),
            (c.mask(r.stroke(points, width, closed)), fill, 1.0)]


def arc_arrow(cx, cy, radius, start, end, width, head):
    """An arc from angle start to end (radians, clockwise on screen) ending in an arrowhead."""
    points = r.arc_points(cx, cy, radius, radius, start, end)
    tx, ty = -math.sin(end), math.cos(end)
    nx, ny = math.cos(end), math.sin(end)
    px, py = points[-1]
    tip = (px + tx * head, py + ty * head)
    tri = r.oriented([tip, (px + nx * head, py + ny * head), (px - nx * head, py - ny * head)])
    return r.stroke(points, width) + [tri]


def rotated(poly, angle, cx, cy):
    ca, sa = math.cos(angle), math.sin(angle)
    return [(cx + x * ca - y * sa, cy + x * sa + y * ca) for x, y in poly]


def bust(hx, hy, head, bx, by, rx, ry):
    """A person from the chest up: a head above half an ellipse whose flat side is at by."""
    return [r.circle(hx, hy, head), r.oriented(r.arc_points(bx, by, rx, ry, math.pi, 2 * math.pi))]


# ---------------------------------------------------------------- 12-unit glyphs

def note(c):
    sheet = piece(c, [r.oriented([(3, 2), (7, 2), (9, 4), (9, 10), (3, 10)])],
                  grade('#fffbd0', '#f5d34a', 2, 10), '#6e5300')
    fold = c.mask([r.oriented([(7, 2), (7, 4.2), (9.2, 4.2)])])
    lines = c.mask(r.stroke([(4.5, 6.5), (7.5, 6.5)], 1.0) + r.stroke([(4.5, 8.5), (7.5, 8.5)], 1.0))
    return sheet + [(fold, hex_colour('#6e5300'), 1.0), (lines, hex_colour('#9c7a12'), 0.9)]


def regenerated(c):
    arrow = arc_arrow(6, 6.2, 3.3, math.radians(-60), math.radians(200), 1.5, 2.2)
    grown = arrow + [p for poly in arrow for p in r.stroke(poly, 2.0, closed=True)]
    return [(c.mask(grown), hex_colour('#0f4d16'), 1.0),
            (c.mask(arrow), grade('#8ee87a', '#27a338', 2, 10), 1.0),
            (c.mask([r.circle(6, 6.2, 1.1)]), hex_colour('#0f4d16'), 1.0)]


def reminder(c):
    dome = r.arc_points(6, 5.2, 2.6, 2.6, math.pi, 2 * math.pi)
    body = r.oriented(dome + [(8.6, 7.2), (9.8, 8.4), (9.8, 9.2), (2.2, 9.2), (2.2, 8.4), (3.4, 7.2)])
    gold = grade('#fff2a6', '#e8a10c', 2.5, 9.2)
    return (piece(c, [r.circle(6, 9.8, 1.1), r.circle(6, 2.4, 0.8)], gold, '#5e3e00')
            + piece(c, [body], gold, '#5e3e00'))


def high_importance(c):
    bar = r.oriented([(4.7, 1.8), (7.3, 1.8), (6.7, 7.0), (5.3, 7.0)])
    return piece(c, [bar, r.circle(6, 9.3, 1.3)], grade('#ff8a70', '#d4140a', 1.8, 10.6), '#580000')


def low_importance(c):
    arrow = r.oriented([(5, 1.6), (7, 1.6), (7, 5.4), (9.6, 5.4), (6, 9.6), (2.4, 5.4), (5, 5.4)])
    return piece(c, [arrow], grade('#8fd0ff', '#1e6fe0', 1.6, 9.6), '#0a2a66')


def recurring(c):
    shape = (arc_arrow(6, 6, 3.4, math.radians(190), math.radians(315), 1.5, 2.0)
             + arc_arrow(6, 6, 3.4, math.radians(10), math.radians(135), 1.5, 2.0))
    grown = shape + [p for poly in shape for p in r.stroke(poly, 2.0, closed=True)]
    return [(c.mask(grown), hex_colour('#06354a'), 1.0),
            (c.mask(shape), grade('#7fe0ff', '#1b8fd6', 2, 10), 1.0)]


def private(c):
    shackle = line(c, [(4, 6.5)] + r.arc_points(6, 4.2, 2, 2, math.pi, 2 * math.pi) + [(8, 6.5)],
                   1.2, grade('#ffffff', '#b8c0cc', 1, 6), '#30363e')
    body = piece(c, [r.rect(3, 6, 9, 10)], grade('#ffe27a', '#d99200', 6, 10), '#543600')
    keyhole = c.mask([r.circle(6, 7.6, 0.75)] + r.stroke([(6, 7.6), (6, 9.0)], 0.7))
    return shackle + body + [(keyhole, hex_colour('#543600'), 1.0)]


def link(c):
    def ring(cx, cy):
        return rotated(r.rounded_rect(-2.7, -1.45, 2.7, 1.45, 1.45), -math.pi / 4, cx, cy)
    colour = grade('#f2f8ff', '#8fb8e4', 1.5, 10.5)
    return (line(c, ring(4.3, 7.7), 1.1, colour, '#123a63', closed=True)
            + line(c, ring(7.7, 4.3), 1.1, colour, '#123a63', closed=True))


def attendees(c):
    back = piece(c, bust(8.0, 3.4, 1.5, 8.0, 9.4, 2.6, 3.0), grade('#d9e4f2', '#8ea6c4', 2, 9.4), '#1e2c44')
    front = piece(c, bust(4.6, 5.4, 1.6, 4.6, 11, 2.8, 3.2), grade('#9fd0ff', '#2a70d8', 4, 11), '#0c2a5c')
    return back + front


def active_task(c):
    dial = piece(c, [r.circle(6, 6, 4.4)], WHITE, '#14501c')
    wedge = c.mask([r.oriented([(6, 6)] + r.arc_points(6, 6, 3.3, 3.3, -math.pi / 2, math.pi * 5 / 6))])
    return dial + [(wedge, grade('#7fe07a', '#1f9a30', 2, 10), 1.0)]


def allday_appt(c):
    page = piece(c, [r.rect(2, 3, 10, 10)], WHITE, '#2b3340')
    header = c.mask([r.rect(2, 3, 10, 5)])
    rings = c.mask(r.stroke([(4.5, 1.6), (4.5, 3.2)], 1.0) + r.stroke([(7.5, 1.6), (7.5, 3.2)], 1.0))
    band = c.mask([r.rect(2, 6, 10, 9)])
    return page + [(header, hex_colour('#e23b2e'), 1.0), (rings, hex_colour('#2b3340'), 1.0),
                   (band, grade('#6ab8ff', '#1e6fe0', 6, 9), 1.0)]


def task_box(c):
    return piece(c, [r.rect(2, 2, 10, 10)], grade('#ffffff', '#dfe4ec', 2, 10), '#36414f')


def task_checked(c):
    tick = line(c, [(3.7, 6.1), (5.5, 7.9), (9.8, 2.6)], 1.6, grade('#8ef07e', '#22a032', 2, 9), '#0c4014', 0.8)
    return task_box(c) + tick


def task_not_checked(c):
    return task_box(c)


def anniversary(c):
    # Lobes small enough that the notch between them survives the rim at 96 dpi.
    heart = [r.circle(4.0, 4.4, 2.1), r.circle(8.0, 4.4, 2.1),
             r.oriented([(1.95, 4.9), (10.05, 4.9), (6, 9.7)])]
    return piece(c, heart, grade('#ff9ab4', '#d81b4a', 2.3, 9.7), '#560018')


def birthday(c):
    flame = r.oriented(r.arc_points(6, 2.0, 0.9, 0.9, -0.35, math.pi + 0.35) + [(6, 0.3)])
    return (piece(c, [flame], grade('#fff27a', '#ff8a00', 0.5, 2.9), '#b04000', 0.5)
            + piece(c, [r.rect(5.3, 3.6, 6.7, 6)], grade('#bfe2ff', '#2a70d8', 3.6, 6), '#0c2a5c', 0.7)
            + piece(c, [r.rect(2, 6.5, 10, 10.5)], grade('#ffb4d0', '#e0457e', 6.5, 10.5), '#5c0f2e')
            + [(c.mask([r.rect(2, 6.5, 10, 7.5)] + [r.circle(x, 7.5, 0.7) for x in (3.3, 6, 8.7)]), WHITE, 1.0)])


def category_symbol(c):
    tag = r.oriented([(2, 2), (6.4, 2), (10.4, 6), (6, 10.4), (2, 6.4)])
    return (piece(c, [tag], grade('#c8f07a', '#5f9a12', 2, 10.4), '#254400')
            + [(c.mask([r.circle(4.3, 4.3, 0.95)]), hex_colour('#254400'), 1.0)])


def attached_icon_symbol(c):
    frame = piece(c, [r.rect(2, 2.5, 10, 9.5)], grade('#a8dcff', '#e8f6ff', 2.5, 9.5), '#2b3340')
    sun = c.mask([r.circle(7.8, 4.6, 1.0)])
    hills = c.mask([r.oriented([(2, 9.5), (2, 8.2), (4.6, 5.6), (6.6, 7.6), (7.6, 6.8), (10, 8.8), (10, 9.5)])])
    return frame + [(sun, hex_colour('#ffb400'), 1.0), (hills, hex_colour('#3a9a2a'), 1.0)]


# ---------------------------------------------------------------- 14-unit counters

def appt_counter(c):
    page = piece(c, [r.rect(2, 3.5, 12, 12)], WHITE, '#2b3340')
    header = c.mask([r.rect(2, 3.5, 12, 6)])
    rings = c.mask(r.stroke([(5, 1.8), (5, 3.6)], 1.0) + r.stroke([(9, 1.8), (9, 3.6)], 1.0))
    cells = c.mask([r.rect(3 + col * 3, 7 + row * 2.5, 5 + col * 3, 8.5 + row * 2.5)
                    for row in range(2) for col in range(3)])
    return page + [(header, hex_colour('#e23b2e'), 1.0), (rings, hex_colour('#2b3340'), 1.0),
                   (cells, hex_colour('#7d8796'), 1.0)]


def task_counter(c):
    board = piece(c, [r.rect(3, 2.5, 11, 13)], grade('#d8a060', '#9a5a1c', 2.5, 13), '#3e2206')
    paper = c.mask([r.rect(4, 4, 10, 12)])
    clip = piece(c, [r.rect(5.5, 1.5, 8.5, 3.5)], grade('#ffffff', '#aab4c0', 1.5, 3.5), '#30363e', 0.8)
    tick = line(c, [(5, 8.2), (6.6, 9.8), (9.2, 6)], 1.4, grade('#8ef07e', '#22a032', 6, 10), '#0c4014', 0.6)
    return board + [(paper, WHITE, 1.0)] + clip + tick


def mail_counter(c):
    envelope = piece(c, [r.rect(2, 4, 12, 11)], grade('#ffffff', '#d4e2f4', 4, 11), '#1b2d4f')
    flap = c.mask(r.stroke([(2.6, 4.6), (7, 8.2), (11.4, 4.6)], 1.0))
    return envelope + [(flap, hex_colour('#1b2d4f'), 1.0)]


def notes_counter(c):
    pad = piece(c, [r.rect(3, 3, 11, 12)], grade('#fffbd0', '#f5d34a', 3, 12), '#6e5300')
    binding = c.mask([r.rect(3, 2, 11, 4)])
    lines = c.mask(r.stroke([(4.5, 6.5), (9.5, 6.5)], 1.0) + r.stroke([(4.5, 8.5), (9.5, 8.5)], 1.0)
                   + r.stroke([(4.5, 10.5), (7.5, 10.5)], 1.0))
    return pad + [(binding, hex_colour('#2f6fd0'), 1.0), (lines, hex_colour('#9c7a12'), 0.9)]


def contacts_counter(c):
    return piece(c, bust(7, 4.6, 2.3, 7, 12, 4.2, 4.6), grade('#7eeadc', '#0f8c88', 2, 12), '#053c3a')


# ---------------------------------------------------------------- the catalogue

# id: (name, drawing, design units). The names are the file names icon sets use.
GLYPHS = {
    290: ('note', note, GLYPH_UNITS),
    291: ('regenerated', regenerated, GLYPH_UNITS),
    287: ('reminder', reminder, GLYPH_UNITS),
    292: ('high_importance', high_importance, GLYPH_UNITS),
    293: ('low_importance', low_importance, GLYPH_UNITS),
    289: ('recurring', recurring, GLYPH_UNITS),
    286: ('private', private, GLYPH_UNITS),
    294: ('link', link, GLYPH_UNITS),
    288: ('attendees', attendees, GLYPH_UNITS),
    296: ('active_task', active_task, GLYPH_UNITS),
    295: ('allday_appt', allday_appt, GLYPH_UNITS),
    297: ('appt_counter', appt_counter, COUNTER_UNITS),
    298: ('task_counter', task_counter, COUNTER_UNITS),
    299: ('mail_counter', mail_counter, COUNTER_UNITS),
    319: ('notes_counter', notes_counter, COUNTER_UNITS),
    339: ('contacts_counter', contacts_counter, COUNTER_UNITS),
    190: ('task_checked', task_checked, GLYPH_UNITS),
    189: ('task_not_checked', task_not_checked, GLYPH_UNITS),
    282: ('anniversary', anniversary, GLYPH_UNITS),
    283: ('birthday', birthday, GLYPH_UNITS),
    321: ('category_symbol', category_symbol, GLYPH_UNITS),
    323: ('attached_icon_symbol', attached_icon_symbol, GLYPH_UNITS),
}


def draw_glyph(glyph_id, factor):
    """The glyph at `factor` pixels per unit (1 at 96 dpi, 2 at 192 dpi; any positive scale)."""
    _, drawing, units = GLYPHS[glyph_id]
    pixels = int(round(units * factor))
    c = Canvas(pixels, pixels, pixels / float(units))
    for mask, colour, opacity in drawing(c):
        c.paint(mask, colour, opacity)
    return c


def draw_arrows(factor):
    """The display format's step arrows: left in the left half, right in the right half."""
    width, height = ARROWS_UNITS
    c = Canvas(width * factor, height * factor, float(factor))
    colour = grade('#6aa8f0', '#1d4f9e', 1.5, 10.5)
    layers = (piece(c, [r.oriented([(2, 6), (8, 1.5), (8, 10.5)])], colour, '#0b2450', 0.8)
              + piece(c, [r.oriented([(18, 6), (12, 1.5), (12, 10.5)])], colour, '#0b2450', 0.8))
    for mask, paint, opacity in layers:
        c.paint(mask, paint, opacity)
    return c
