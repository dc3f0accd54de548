"""Draws the pictures of QMSettings' resource libraries and writes them as the files that the
resource compiler embeds:

  OUT/low/<id>.png, OUT/low/<id>.tga   icons 1649 to 1664 at 96 dpi (32 px)
  OUT/high/...                         the same at 192 dpi (64 px)
  OUT/low/up_folder.bmp, high/...      bitmap 171, 20 px / 40 px, pure green transparent
  OUT/app/Quillmere.ico                the program icon, 16, 32, 48 and 64 px
  --sheet FILE                         a contact sheet of all of it, for looking at

usage: python3 make_art.py --out DIR [--sheet FILE]
"""

import argparse
import os

import formats
import icons
import sheet

SIZES = {'low': 1, 'high': 2}
ICON_UNITS = 32
UP_FOLDER_UNITS = 20
APP_ICON_SIZES = (16, 32, 48, 64)
KEY = (0, 255, 0)
# The dialogs paint the button on white, so soft edges are blended against white and only
# pixels that are mostly empty become the transparent key colour.
KEY_BELOW_ALPHA = 0.3
# The main list, top to bottom, for the contact sheet's mock rows.
LIST_ORDER = (1654, 1649, 1660, 1656, 1652, 1655, 1658, 1653, 1651, 1657, 1659, 1650, 1661, 1662)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


def keyed_bitmap(canvas):
    """Opaque RGB on white with pure green where the picture is (nearly) empty."""
    opaque = canvas.rgb_over((1.0, 1.0, 1.0))
    out = bytearray()
    for i, (_, _, _, a) in enumerate(canvas.pixels):
        pixel = tuple(opaque[i * 3:i * 3 + 3])
        if a < KEY_BELOW_ALPHA:
            pixel = KEY
        elif pixel == KEY:
            pixel = (0, 254, 0)
        out += bytes(pixel)
    return bytes(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--out', required=True)
    parser.add_argument('--sheet')
    args = parser.parse_args()

    drawn = {}
    up_folder = {}
    for folder, factor in SIZES.items():
        size = ICON_UNITS * factor
        drawn[folder] = {}
        for icon_id in sorted(icons.LIST_ICONS):
            rgba = icons.draw_icon(icon_id, size).rgba_bytes()
            drawn[folder][icon_id] = (size, rgba)
            write(os.path.join(args.out, folder, '%d.png' % icon_id), formats.png(size, size, rgba))
            write(os.path.join(args.out, folder, '%d.tga' % icon_id), formats.tga(size, size, rgba))
        side = UP_FOLDER_UNITS * factor
        rgb = keyed_bitmap(icons.draw_up_folder(side))
        up_folder[folder] = (side, rgb)
        write(os.path.join(args.out, folder, 'up_folder.bmp'), formats.bmp(side, side, rgb))

    app = [(size, icons.draw_app_icon(size).rgba_bytes()) for size in APP_ICON_SIZES]
    write(os.path.join(args.out, 'app', 'Quillmere.ico'), formats.ico(app))

    if args.sheet:
        write(args.sheet, sheet.contact_sheet(drawn['low'], drawn['high'], up_folder['low'],
                                              up_folder['high'], app, LIST_ORDER))


if __name__ == '__main__':
    main()
