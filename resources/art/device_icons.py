"""The icon folders of a device in use: category icons its owner collected under
\\Program Files\\Tessaly\\Quillmere\\Icons (nested folders, names in mixed letter case, one
damaged file) and the plug-in's icon sets under IconSets, which the icon picker also scans.

Category icons are 24-bit bitmaps on a 16-unit square, pure green where empty, as the
picker draws them. Icon-set folders hold glyph files by name, as the plug-in reads them:
PNG and TGA with alpha, and the two check boxes as bitmaps keyed on pure red.
"""

import math
import os

import formats
import glyphs
import raster as r
from canvas import Canvas, hex_colour
from glyphs import grade, line, piece, rotated

UNITS = 16
GREEN_KEY = (0, 255, 0)
RED_KEY = (255, 0, 0)


def gold():
    return grade('#fff0a0', '#e0a010', 2, 14)


# ---------------------------------------------------------------- fruit

def apple(c):
    return (line(c, [(8.2, 5.5), (8.8, 2.2)], 1.0, hex_colour('#7a4a1a'), '#3a2008', 0.7)
            + piece(c, [r.circle(6.2, 9.6, 4.2), r.circle(9.8, 9.6, 4.2)], grade('#ff7a6a', '#c8160c', 5, 14), '#5a0000')
            + piece(c, [r.ellipse(11, 3.4, 2.2, 1.1, -0.5)], grade('#9ef070', '#2f9a20', 2, 5), '#184a0c', 0.7))


def banana(c):
    outer = r.arc_points(8, 3, 6.5, 9.5, 0.12 * math.pi, 0.88 * math.pi)
    inner = r.arc_points(8, 3, 5.5, 6.5, 0.85 * math.pi, 0.15 * math.pi)
    return piece(c, [r.oriented(outer + inner)], grade('#fff27a', '#e8b800', 5, 13), '#5c4400')


def cherry(c):
    stems = (line(c, [(5, 10), (7, 5), (10, 2)], 0.9, hex_colour('#5c8a1c'), '#2a4008', 0.6)
             + line(c, [(11, 10.5), (10.5, 5), (10, 2)], 0.9, hex_colour('#5c8a1c'), '#2a4008', 0.6))
    red = grade('#ff6a7a', '#b0001c', 8, 14)
    return stems + piece(c, [r.circle(5, 11.2, 2.8)], red, '#4a0008') + piece(c, [r.circle(11, 11.6, 2.8)], red, '#4a0008')


def grapes(c):
    out = line(c, [(8, 4.5), (9.5, 1.5)], 1.0, hex_colour('#6a4a1a'), '#3a2008', 0.6)
    for x, y in ((5, 6), (8, 6), (11, 6), (6.5, 8.8), (9.5, 8.8), (8, 11.6)):
        out += piece(c, [r.circle(x, y, 1.8)], grade('#c89af0', '#6a2aa8', y - 2, y + 2), '#2a0848', 0.8)
    return out


def lemon(c):
    body = rotated(r.ellipse(0, 0, 5.6, 4.0), -0.35, 8, 8.5)
    tips = [rotated(r.oriented([(5, -1), (7.2, 0), (5, 1)]), -0.35, 8, 8.5),
            rotated(r.oriented([(-5, 1), (-7.2, 0), (-5, -1)]), -0.35, 8, 8.5)]
    return piece(c, [r.oriented(body)] + tips, grade('#fff59a', '#f0c800', 4, 13), '#5c4a00')


def orange(c):
    return (piece(c, [r.circle(8, 9.2, 5.2)], grade('#ffc070', '#ec6a00', 4, 14.4), '#5a2400')
            + piece(c, [r.ellipse(10, 3.2, 2.0, 1.0, -0.4)], grade('#9ef070', '#2f9a20', 2, 4.5), '#184a0c', 0.7))


def pear(c):
    body = [r.circle(8, 10.6, 4.0), r.circle(8, 6.2, 2.4), r.oriented([(5.7, 6.4), (10.3, 6.4), (11.9, 10), (4.1, 10)])]
    return (line(c, [(8, 4), (8.8, 1.6)], 1.0, hex_colour('#7a4a1a'), '#3a2008', 0.7)
            + piece(c, body, grade('#e8f27a', '#8cb41c', 4, 14.6), '#324400'))


# ---------------------------------------------------------------- work

def briefcase(c):
    handle = line(c, [(5.5, 5), (5.5, 2.8), (10.5, 2.8), (10.5, 5)], 1.0, hex_colour('#7a4a1a'), '#3a2008', 0.7)
    body = piece(c, [r.rect(2, 5, 14, 13)], grade('#d89a58', '#8a4e14', 5, 13), '#3a1e04')
    strap = c.mask([r.rect(2, 8.5, 14, 9.5)])
    clasp = c.mask([r.rect(7, 7.8, 9, 10.2)])
    return handle + body + [(strap, hex_colour('#3a1e04'), 0.8), (clasp, hex_colour('#ffd24a'), 1.0)]


def phone(c):
    body = piece(c, [r.rounded_rect(4.5, 2, 11.5, 14, 1.2)], grade('#5a6270', '#23272e', 2, 14), '#0c0e12')
    screen = c.mask([r.rect(5.5, 3.5, 10.5, 10)])
    return body + [(screen, grade('#bfe4ff', '#4a9ae0', 3.5, 10), 1.0),
                   (c.mask([r.circle(8, 12, 0.8)]), hex_colour('#c8ccd4'), 1.0)]


def envelope(c):
    body = piece(c, [r.rect(2, 4, 14, 12)], grade('#ffffff', '#d4e2f4', 4, 12), '#1b2d4f')
    return body + [(c.mask(r.stroke([(2.6, 4.6), (8, 8.8), (13.4, 4.6)], 1.0)), hex_colour('#1b2d4f'), 1.0)]


def clock(c):
    face = piece(c, [r.circle(8, 8, 6)], grade('#ffffff', '#dfe6ee', 2, 14), '#1c2430')
    hands = c.mask(r.stroke([(8, 4), (8, 8), (11, 9.5)], 1.1))
    return face + [(hands, hex_colour('#1c2430'), 1.0), (c.mask([r.circle(8, 8, 0.9)]), hex_colour('#d0281c'), 1.0)]


def book(c):
    cover = piece(c, [r.rect(3, 2, 13, 14)], grade('#5a9aff', '#1a4cb0', 2, 14), '#0a1e50')
    pages = c.mask([r.rect(11, 3, 12.2, 13)])
    band = c.mask([r.rect(4.5, 5, 10, 6.2)])
    return cover + [(pages, hex_colour('#f4f4ea'), 1.0), (band, hex_colour('#ffd24a'), 1.0)]


def pen(c):
    shaft = rotated(r.rect(-1.3, -6, 1.3, 3.5), math.pi / 4, 8.5, 7.5)
    tip = rotated(r.oriented([(-1.3, 3.5), (1.3, 3.5), (0, 6.5)]), math.pi / 4, 8.5, 7.5)
    return (piece(c, [r.oriented(tip)], grade('#f8dcb0', '#d8a870', 8, 14), '#3a2408')
            + piece(c, [r.oriented(shaft)], grade('#ffe27a', '#f0a000', 2, 12), '#4a3000'))


def calendar(c):
    page = piece(c, [r.rect(2, 3.5, 14, 14)], hex_colour('#ffffff'), '#2b3340')
    header = c.mask([r.rect(2, 3.5, 14, 6.5)])
    rings = c.mask(r.stroke([(5.5, 1.8), (5.5, 4)], 1.0) + r.stroke([(10.5, 1.8), (10.5, 4)], 1.0))
    cells = c.mask([r.rect(3.2 + col * 3.6, 7.6 + row * 3, 5.6 + col * 3.6, 9.6 + row * 3)
                    for row in range(2) for col in range(3)])
    return page + [(header, hex_colour('#e23b2e'), 1.0), (rings, hex_colour('#2b3340'), 1.0),
                   (cells, hex_colour('#7d8796'), 1.0)]


def chart(c):
    axes = c.mask(r.stroke([(2, 1.5), (2, 14), (14.5, 14)], 1.0))
    out = [(axes, hex_colour('#2b3340'), 1.0)]
    for x, top, colour in ((3.5, 8, '#e23b2e'), (7, 4, '#2f9a20'), (10.5, 6.5, '#2f6fd0')):
        out += piece(c, [r.rect(x + 1, top, x + 3, 13)], hex_colour(colour), '#1c2430', 0.8)
    return out


# ---------------------------------------------------------------- travel

def plane(c):
    body = [r.rounded_rect(7, 1.5, 9, 13.5, 1.0),
            r.oriented([(1.5, 8.6), (8, 5), (14.5, 8.6), (14.5, 9.8), (8, 8.2), (1.5, 9.8)]),
            r.oriented([(5, 13.6), (8, 11.6), (11, 13.6), (11, 14.4), (5, 14.4)])]
    return piece(c, body, grade('#ffffff', '#a8b8cc', 1.5, 14.4), '#1c2a40')


def car(c):
    body = r.oriented([(1.5, 11), (1.5, 8.5), (4, 7.8), (5.6, 4.5), (10.6, 4.5), (12.6, 7.8), (14.5, 8.4), (14.5, 11)])
    windows = c.mask([r.oriented([(5, 7.8), (6.3, 5.5), (7.8, 5.5), (7.8, 7.8)]),
                      r.oriented([(8.8, 7.8), (8.8, 5.5), (10.1, 5.5), (11.6, 7.8)])])
    wheels = piece(c, [r.circle(4.6, 11.5, 1.8), r.circle(11.4, 11.5, 1.8)], hex_colour('#3a3e46'), '#101216', 0.8)
    return (piece(c, [body], grade('#ff7a6a', '#c8160c', 4.5, 11), '#4a0000')
            + [(windows, hex_colour('#cfeaff'), 1.0)] + wheels)


def suitcase(c):
    handle = line(c, [(6, 4.5), (6, 2.5), (10, 2.5), (10, 4.5)], 1.0, hex_colour('#4a4e56'), '#1c1e22', 0.7)
    body = piece(c, [r.rounded_rect(2.5, 4.5, 13.5, 14, 1.2)], grade('#ffb060', '#e06a00', 4.5, 14), '#4a2000')
    ribs = c.mask([r.rect(5, 4.5, 6, 14), r.rect(10, 4.5, 11, 14)])
    return handle + body + [(ribs, hex_colour('#a04800'), 0.9)]


def globe(c):
    sea = piece(c, [r.circle(8, 8, 6)], grade('#8fd0ff', '#1a62c8', 2, 14), '#0a2450')
    land = r.intersect(c.mask([r.circle(8, 8, 6)]),
                       c.mask([r.ellipse(6, 6, 2.6, 2.0, 0.4), r.ellipse(10.5, 10.4, 2.2, 2.8, -0.3),
                               r.ellipse(11.5, 4.8, 1.4, 1.0)]))
    return sea + [(land, hex_colour('#3aa830'), 1.0)]


def flag(c):
    pole = line(c, [(4, 14.5), (4, 1.8)], 1.0, hex_colour('#8a8e96'), '#24272c', 0.8)
    cloth = r.oriented([(5, 2.2), (13.5, 2.2), (11.5, 5.2), (13.5, 8.4), (5, 8.4)])
    return pole + piece(c, [cloth], grade('#ff6a5a', '#c8160c', 2.2, 8.4), '#4a0000')


def anchor(c):
    navy = hex_colour('#23508f')
    return (line(c, [(8, 4.5), (8, 13.5)], 1.3, navy, '#0a1e40', 0.7)
            + line(c, [(5, 6.5), (11, 6.5)], 1.3, navy, '#0a1e40', 0.7)
            + line(c, r.arc_points(8, 8.5, 5, 5, 0.15 * math.pi, 0.85 * math.pi), 1.3, navy, '#0a1e40', 0.7)
            + line(c, r.circle(8, 3, 1.5), 1.1, navy, '#0a1e40', 0.7, closed=True))


# ---------------------------------------------------------------- home

def house(c):
    walls = piece(c, [r.rect(3.5, 7.5, 12.5, 14)], grade('#fff6e0', '#e8d4a8', 7.5, 14), '#3a2a10')
    roof = piece(c, [r.oriented([(1.5, 8), (8, 1.8), (14.5, 8)])], grade('#ff7a5a', '#b8280c', 2, 8), '#4a0a00')
    door = c.mask([r.rect(7, 9.8, 9.4, 14)])
    return walls + roof + [(door, hex_colour('#7a4a1a'), 1.0)]


def key(c):
    return (piece(c, [r.circle(5, 5, 3.2)], gold(), '#4a3000')
            + line(c, [(7, 7), (13, 13)], 1.6, gold(), '#4a3000', 0.8)
            + line(c, [(10.5, 10.5), (12.2, 8.8)], 1.3, gold(), '#4a3000', 0.8)
            + [(c.mask([r.circle(4.3, 4.3, 1.0)]), hex_colour('#4a3000'), 1.0)])


def cup(c):
    steam = c.mask(r.stroke([(6, 4.5), (6.8, 3.2), (6, 1.8)], 0.8) + r.stroke([(9, 4.5), (9.8, 3.2), (9, 1.8)], 0.8))
    return ([(steam, hex_colour('#8a96a8'), 1.0)]
            + line(c, r.ellipse(12, 9.2, 1.8, 2.2), 1.0, hex_colour('#ffffff'), '#1c2a40', 0.8, closed=True)
            + piece(c, [r.rounded_rect(3, 6, 12, 14, 1.5)], grade('#ffffff', '#c8d4e4', 6, 14), '#1c2a40'))


def heart(c):
    shape = [r.circle(5.3, 5.9, 3.1), r.circle(10.7, 5.9, 3.1), r.oriented([(2.3, 6.7), (13.7, 6.7), (8, 13.6)])]
    return piece(c, shape, grade('#ff9ab4', '#d81b4a', 3, 13.6), '#560018')


def gift(c):
    box = piece(c, [r.rect(2.5, 7, 13.5, 14), r.rect(2, 5, 14, 7.5)], grade('#7ab8ff', '#1a5cc8', 5, 14), '#0a1e50')
    ribbon = c.mask([r.rect(7, 5, 9, 14)])
    bow = line(c, r.ellipse(5.8, 3.2, 2.2, 1.3, 0.4), 0.9, hex_colour('#ffd24a'), '#5a4000', 0.6, closed=True) + \
        line(c, r.ellipse(10.2, 3.2, 2.2, 1.3, -0.4), 0.9, hex_colour('#ffd24a'), '#5a4000', 0.6, closed=True)
    return box + [(ribbon, hex_colour('#ffd24a'), 1.0)] + bow


def music(c):
    shape = ([rotated(r.ellipse(0, 0, 2.0, 1.4), -0.4, 4.5, 12.3), rotated(r.ellipse(0, 0, 2.0, 1.4), -0.4, 11.5, 11.0)]
             + r.stroke([(6.2, 12), (6.2, 3.5), (13.2, 2.2), (13.2, 10.8)], 1.1))
    return piece(c, shape, grade('#5a6680', '#1c2234', 2, 14), '#05070c', 0.6)


def lamp(c):
    bulb = piece(c, [r.circle(8, 6.5, 4.6), r.rect(5.8, 9, 10.2, 11.5)], grade('#fffbd0', '#ffd020', 2, 11.5), '#5a4400')
    base = piece(c, [r.rect(6, 11.5, 10, 14)], grade('#d8dde4', '#808894', 11.5, 14), '#24272c', 0.8)
    return bulb + base


# ---------------------------------------------------------------- garden

def flower(c):
    stem = line(c, [(8, 9), (8, 15)], 1.1, hex_colour('#3aa830'), '#144a0c', 0.6)
    out = list(stem)
    for i in range(5):
        a = -math.pi / 2 + i * 2 * math.pi / 5
        out += piece(c, [r.circle(8 + 3 * math.cos(a), 6.5 + 3 * math.sin(a), 2.0)],
                     grade('#ffb4d8', '#e0408c', 2, 11), '#5c0a30', 0.7)
    return out + piece(c, [r.circle(8, 6.5, 1.6)], gold(), '#5a4000', 0.7)


def tree(c):
    trunk = piece(c, [r.rect(7, 9.5, 9, 14.5)], grade('#a86a30', '#6a3a10', 9.5, 14.5), '#2a1404', 0.8)
    crown = piece(c, [r.circle(8, 5, 3.6), r.circle(5, 8.5, 3.2), r.circle(11, 8.5, 3.2)],
                  grade('#8ee070', '#2a8a1c', 1.5, 12), '#10400a')
    return trunk + crown


def sun(c):
    rays = []
    for i in range(8):
        a = i * math.pi / 4
        rays += r.stroke([(8 + 4.8 * math.cos(a), 8 + 4.8 * math.sin(a)), (8 + 6.6 * math.cos(a), 8 + 6.6 * math.sin(a))], 1.2)
    return [(c.mask(rays), hex_colour('#f09000'), 1.0)] + piece(c, [r.circle(8, 8, 3.6)], gold(), '#7a4a00')


def cloud(c):
    shape = [r.circle(5.5, 9, 3), r.circle(9, 7.2, 3.8), r.circle(12, 9.8, 2.5), r.rect(5.5, 9, 12, 12.3)]
    return piece(c, shape, grade('#ffffff', '#b8c8dc', 3, 12.3), '#24344c')


def drop(c):
    shape = r.oriented(r.arc_points(8, 10, 4, 4, -0.3, math.pi + 0.3) + [(8, 1.5)])
    return piece(c, [shape], grade('#a8e0ff', '#1a6ad0', 2, 14), '#08224a')


def leaf(c):
    body = rotated(r.ellipse(0, 0, 6, 3.2), -math.pi / 4, 8.5, 7.5)
    vein = c.mask(r.stroke([(3, 13), (12, 4)], 0.8))
    return piece(c, [r.oriented(body)], grade('#a8f07a', '#2a9a1c', 2, 13), '#10400a') + \
        [(vein, hex_colour('#10400a'), 0.9)]


def moon(c):
    disc = c.mask([r.circle(8, 8, 6)])
    bite = c.mask([r.circle(11, 6, 5)])
    crescent = r.subtract(disc, bite)
    rim_disc = c.mask([r.circle(8, 8, 7)])
    rim_bite = c.mask([r.circle(11, 6, 4)])
    return [(r.subtract(rim_disc, rim_bite), hex_colour('#5a4400'), 1.0), (crescent, gold(), 1.0)]


def star(c):
    points = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        radius = 6.4 if i % 2 == 0 else 2.7
        points.append((8 + radius * math.cos(a), 8.6 + radius * math.sin(a)))
    return piece(c, [r.oriented(points)], gold(), '#5a3a00', 0.8)


# ---------------------------------------------------------------- sport and health

def ball(c):
    seams = c.mask(r.stroke([(8, 2), (8, 14)], 0.8) + r.stroke([(2, 8), (14, 8)], 0.8)
                   + r.stroke(r.arc_points(1, 8, 4, 5.6, -1.2, 1.2), 0.8)
                   + r.stroke(r.arc_points(15, 8, 4, 5.6, math.pi - 1.2, math.pi + 1.2), 0.8))
    body = piece(c, [r.circle(8, 8, 6)], grade('#ffb060', '#d85a00', 2, 14), '#3a1800')
    return body + [(r.intersect(seams, c.mask([r.circle(8, 8, 6)])), hex_colour('#3a1800'), 1.0)]


def tennis(c):
    seams = c.mask(r.stroke(r.arc_points(2, 8, 4, 4.5, -1.1, 1.1), 0.9) + r.stroke(r.arc_points(14, 8, 4, 4.5, math.pi - 1.1, math.pi + 1.1), 0.9))
    body = piece(c, [r.circle(8, 8, 6)], grade('#f4ff7a', '#b8d400', 2, 14), '#3a4400')
    return body + [(r.intersect(seams, c.mask([r.circle(8, 8, 6)])), hex_colour('#ffffff'), 1.0)]


def trophy(c):
    handles = line(c, r.ellipse(3.5, 5.5, 1.8, 2.0), 0.9, gold(), '#4a3000', 0.7, closed=True) + \
        line(c, r.ellipse(12.5, 5.5, 1.8, 2.0), 0.9, gold(), '#4a3000', 0.7, closed=True)
    return (handles + piece(c, [r.rect(7, 8, 9, 12), r.rect(4.5, 12, 11.5, 14)], gold(), '#4a3000')
            + piece(c, [r.oriented([(4, 2), (12, 2)] + r.arc_points(8, 2, 4, 6.5, 0, math.pi))], gold(), '#4a3000'))


def dumbbell(c):
    bar = line(c, [(3, 8), (13, 8)], 1.2, hex_colour('#c0c6d0'), '#24272c', 0.7)
    plates = piece(c, [r.rounded_rect(2, 4, 4.5, 12, 0.8), r.rounded_rect(11.5, 4, 14, 12, 0.8)],
                   grade('#5a6270', '#23272e', 4, 12), '#0c0e12', 0.8)
    return bar + plates


def cross(c):
    return piece(c, [r.rect(6, 2, 10, 14), r.rect(2, 6, 14, 10)], grade('#ff7a6a', '#d0180c', 2, 14), '#4a0000')


def pill(c):
    left = rotated(r.oriented(r.arc_points(-2.5, 0, 2.5, 2.5, math.pi / 2, 3 * math.pi / 2) + [(0, -2.5), (0, 2.5)]),
                   -math.pi / 4, 8, 8)
    right = rotated(r.oriented(r.arc_points(2.5, 0, 2.5, 2.5, -math.pi / 2, math.pi / 2) + [(0, 2.5), (0, -2.5)]),
                    -math.pi / 4, 8, 8)
    return (piece(c, [r.oriented(left)], grade('#ffffff', '#d8dee8', 3, 13), '#24272c')
            + piece(c, [r.oriented(right)], grade('#ff8a9a', '#d0183c', 3, 13), '#4a0010'))


# ---------------------------------------------------------------- the folders

# Paths below Icons, as their owner named them. "Home\damaged.bmp" is not a bitmap at all.
CATEGORY_ICONS = (
    ('apple.bmp', apple), ('Banana.bmp', banana), ('cherry.BMP', cherry), ('grapes.bmp', grapes),
    ('Lemon.bmp', lemon), ('Orange.Bmp', orange), ('pear.bmp', pear),
    ('Work/briefcase.bmp', briefcase), ('Work/Phone.bmp', phone), ('Work/envelope.bmp', envelope),
    ('Work/clock.BMP', clock), ('Work/Book.bmp', book), ('Work/pen.bmp', pen),
    ('Work/Calendar.bmp', calendar), ('Work/chart.bmp', chart),
    ('Work/Travel/plane.bmp', plane), ('Work/Travel/Car.bmp', car), ('Work/Travel/suitcase.bmp', suitcase),
    ('Work/Travel/Globe.BMP', globe), ('Work/Travel/flag.bmp', flag), ('Work/Travel/anchor.bmp', anchor),
    ('Home/house.bmp', house), ('Home/Key.bmp', key), ('Home/cup.bmp', cup), ('Home/Heart.bmp', heart),
    ('Home/gift.bmp', gift), ('Home/music.BMP', music), ('Home/lamp.bmp', lamp),
    ('Home/Garden/flower.bmp', flower), ('Home/Garden/Tree.bmp', tree), ('Home/Garden/sun.bmp', sun),
    ('Home/Garden/Cloud.bmp', cloud), ('Home/Garden/drop.bmp', drop), ('Home/Garden/leaf.bmp', leaf),
    ('Home/Garden/moon.bmp', moon), ('Home/Garden/Star.bmp', star),
    ('sport/ball.bmp', ball), ('sport/Tennis.bmp', tennis), ('sport/trophy.bmp', trophy),
    ('sport/dumbbell.BMP', dumbbell),
    ('Health/cross.bmp', cross), ('Health/pill.bmp', pill),
)
DAMAGED = 'Home/damaged.bmp'

# Icon-set folder: glyph pixels per unit (None: the blank set, every glyph see-through).
ICON_SETS = (('24', 2.0), ('18', 1.5), ('12', 1.0), ('Blank', None))
# Glyphs each set carries: as PNG, as TGA, or as a red-keyed bitmap.
SET_FILES = (('note', 'png'), ('reminder', 'png'), ('high_importance', 'png'), ('recurring', 'tga'),
             ('task_checked', 'bmp'), ('task_not_checked', 'bmp'))


def draw(drawing, pixels):
    c = Canvas(pixels, pixels, pixels / float(UNITS))
    for mask, colour, opacity in drawing(c):
        c.paint(mask, colour, opacity)
    return c


def write_device_icons(root, dpi):
    """Writes root/Icons/... and root/IconSets/<set>/...; category icons are 16 px at 96 dpi
    and 32 px above."""
    pixels = UNITS if dpi <= 96 else 2 * UNITS
    for path, drawing in CATEGORY_ICONS:
        _write(os.path.join(root, 'Icons', path),
               formats.bmp(pixels, pixels, draw(drawing, pixels).keyed_rgb(GREEN_KEY)))
    _write(os.path.join(root, 'Icons', DAMAGED), b'This file is not a bitmap, whatever its name says.\r\n')

    by_name = {name: glyph_id for glyph_id, (name, _, _) in glyphs.GLYPHS.items()}
    for folder, factor in ICON_SETS:
        for name, kind in SET_FILES:
            if factor is None:
                side = glyphs.GLYPHS[by_name[name]][2]
                canvas = Canvas(side, side)
            else:
                canvas = glyphs.draw_glyph(by_name[name], factor)
            w, h = canvas.width, canvas.height
            if kind == 'png':
                data = formats.png(w, h, canvas.rgba_bytes())
            elif kind == 'tga':
                data = formats.tga(w, h, canvas.rgba_bytes())
            else:
                data = formats.bmp(w, h, canvas.keyed_rgb(RED_KEY))
            _write(os.path.join(root, 'IconSets', folder, '%s.%s' % (name, kind)), data)


def _write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)
