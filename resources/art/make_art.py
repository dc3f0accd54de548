"""Draws the pictures of QMSettings' resource libraries and writes them as the files that the
resource compiler embeds:

  OUT/low/<id>.png, OUT/low/<id>.tga   icons 1649 to 1664 at 96 dpi (32 px)
  OUT/high/...                         the same at 192 dpi (64 px)
  OUT/low/up_folder.bmp, high/...      bitmap 171, 20 px / 40 px, pure green transparent
  OUT/low/<id>.png, OUT/low/<id>.tga   the 22 item glyphs, 12 px (counters 14 px) / twice that
  OUT/low/arrows.bmp, high/...         bitmap 213, 20x12 px / 40x24 px, pure red transparent
  OUT/app/Quillmere.ico                the program icon, 16, 32, 48 and 64 px
  --sheet FILE                         a contact sheet of all of it, for looking at

and, for a new device, its icon folders (see device_icons.py):

  DIR/Icons/..., DIR/IconSets/...      category icons (16 px at 96 dpi, 32 px above) and icon sets

usage: python3 make_art.py --out DIR [--sheet FILE]
       python3 make_art.py --device-icons DIR --dpi N
"""

import argparse
import os

import device_icons
import formats
import glyphs
import icons
import sheet

SIZES = {'low': 1, 'high': 2}
ICON_UNITS = 32
UP_FOLDER_UNITS = 20
APP_ICON_SIZES = (16, 32, 48, 64)
KEY = (0, 255, 0)
ARROWS_KEY = (255, 0, 0)
# The main list, top to bottom, for the contact sheet's mock rows.
LIST_ORDER = (1654, 1649, 1660, 1656, 1652, 1655, 1658, 1653, 1651, 1657, 1659, 1650, 1661, 1662)
# Mock item lines for the contact sheet: leading glyph, text length in units, right icons in
# the painter's order (importance, reminder, private, recurring, regenerated, note, link,
# attendees, attached icon, category), then the counters and special events.
GLYPH_LINES = (
    (189, 60, (292, 287, 286, 289, 291, 290, 294, 321)),
    (190, 44, (293, 287, 296, 323, 321)),
    (295, 52, (287, 286, 289, 290, 294, 288, 323, 321)),
    (None, 30, (297, 298, 299, 319, 339, 282, 283)),
)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--out')
    parser.add_argument('--sheet')
    parser.add_argument('--device-icons', metavar='DIR')
    parser.add_argument('--dpi', type=int, default=96)
    args = parser.parse_args()
    if args.device_icons:
        device_icons.write_device_icons(args.device_icons, args.dpi)
        return
    if not args.out:
        parser.error('--out or --device-icons is needed')

    drawn = {}
    up_folder = {}
    drawn_glyphs = {}
    arrows = {}
    for folder, factor in SIZES.items():
        size = ICON_UNITS * factor
        drawn[folder] = {}
        for icon_id in sorted(icons.LIST_ICONS):
            rgba = icons.draw_icon(icon_id, size).rgba_bytes()
            drawn[folder][icon_id] = (size, rgba)
            write(os.path.join(args.out, folder, '%d.png' % icon_id), formats.png(size, size, rgba))
            write(os.path.join(args.out, folder, '%d.tga' % icon_id), formats.tga(size, size, rgba))
        side = UP_FOLDER_UNITS * factor
        rgb = icons.draw_up_folder(side).keyed_rgb(KEY)
        up_folder[folder] = (side, rgb)
        write(os.path.join(args.out, folder, 'up_folder.bmp'), formats.bmp(side, side, rgb))

        drawn_glyphs[folder] = {}
        for glyph_id in sorted(glyphs.GLYPHS):
            canvas = glyphs.draw_glyph(glyph_id, factor)
            size, rgba = canvas.width, canvas.rgba_bytes()
            drawn_glyphs[folder][glyph_id] = (size, rgba)
            write(os.path.join(args.out, folder, '%d.png' % glyph_id), formats.png(size, size, rgba))
            write(os.path.join(args.out, folder, '%d.tga' % glyph_id), formats.tga(size, size, rgba))
        canvas = glyphs.draw_arrows(factor)
        rgb = canvas.keyed_rgb(ARROWS_KEY)
        arrows[folder] = (canvas.width, canvas.height, rgb)
        write(os.path.join(args.out, folder, 'arrows.bmp'), formats.bmp(canvas.width, canvas.height, rgb))

    app = [(size, icons.draw_app_icon(size).rgba_bytes()) for size in APP_ICON_SIZES]
    write(os.path.join(args.out, 'app', 'Quillmere.ico'), formats.ico(app))

    if args.sheet:
        write(args.sheet, sheet.contact_sheet(drawn['low'], drawn['high'], up_folder['low'],
                                              up_folder['high'], app, LIST_ORDER,
                                              (drawn_glyphs['low'], drawn_glyphs['high']),
                                              (arrows['low'], arrows['high']), GLYPH_LINES))


if __name__ == '__main__':
    main()
