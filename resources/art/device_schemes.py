"""Colour schemes a device's owner has collected, written into the product's Schemes folder.

    python3 device_schemes.py DIR CATEGORY...

Each scheme is a settings backup restricted to the colour key, the font key and the
categories section (the device's CATEGORY names, in the category manager's order), in the
program's own text format: UTF-16 little-endian without byte-order mark, line feeds only.
"""
import os
import sys
import unicodedata

COLOUR_NAMES = ['SeperatorLineClr', 'ShadowFontColor', 'GeneralFontColor', 'HighlightBgClr',
                'HighlightTextClr', 'TimeLinesBgClr', 'TimeLinesDfltClr', 'ClrBreakingLineClr',
                'ClrPopupClrBg', 'ClrPopupCurr', 'ClrPopupHighlight', 'TskBreakingLineClr',
                'ClrStatusFree', 'ClrStatusBusy', 'ClrStatusTentative', 'ClrStatusOutofoffice']

# Name: the sixteen colours in list order (None: no colour of the scheme's own), the font
# values, and the colours of some categories.
SCHEMES = {
    'Harbour': (
        ['#9fb8d0', '#0b2540', '#102a43', '#2f6fd0', '#ffffff', '#e3eef8', '#7fa6cc', '#5b86b0',
         '#f2f7fc', '#2f6fd0', '#bcd6f0', '#5b86b0', '#ffffff', '#2f6fd0', '#9cc2ea', '#6b3fa0'],
        [('FontFaceToUse', 'Tahoma'), ('UseShadowColor', 0), ('FontCalDayTitleslfColor', '#1d4f91')],
        {'Business': '#2f6fd0', 'Family': '#e07a1f', 'Holiday': '#2aa34a', 'Travel': '#1b9aaa'}),
    'Meadow': (
        ['#b5d3a8', '#1e3a14', '#233d1a', '#4a9a3a', '#ffffff', '#eef6e8', '#93bf84', '#6a9a5c',
         '#f6fbf2', '#4a9a3a', '#cfe6c4', '#6a9a5c', '#ffffff', '#4a9a3a', '#b9dca9', '#b0702a'],
        [('FontFaceToUse', 'Tahoma'), ('FontCalDayTitleslfColor', '#2e6b22'),
         ('FontCalDayTitleslfWeight', 700)],
        {'Business': '#3a7d2c', 'Family': '#d9a21b', 'Sport': '#86b92e'}),
    'Ember': (
        [None, '#000000', '#f3e6d8', '#c0461b', '#ffffff', '#2b1d17', '#7a4a33', '#a8552e',
         '#3a2820', '#e0642a', '#6b3a26', '#a8552e', '#3a2820', '#e0642a', '#b07a4a', '#8c5ab8'],
        [('FontFaceToUse', 'Tahoma'), ('UseShadowColor', 1), ('FontGenerallfColor', '#f3e6d8')],
        {'Family': '#e0642a', 'Café': '#7b4a2a', 'Ärzte': '#c0461b'}),
}


def colour_ref(text):
    """A #rrggbb colour as the signed decimal of its COLORREF (0x00BBGGRR); None is -1."""
    if text is None:
        return -1
    red, green, blue = (int(text[i:i + 2], 16) for i in (1, 3, 5))
    return red | green << 8 | blue << 16


def value_line(name, value):
    if isinstance(value, str) and not value.startswith('#'):
        return f'"{name}"="{value}"\n'
    number = value if isinstance(value, int) else colour_ref(value)
    return f'"{name}"=dword:{number}\n'


def category_order(name):
    """Close to the manager's order: by name, ignoring case and accents, Latin before Cyrillic."""
    letters = unicodedata.normalize('NFKD', name)
    return ''.join(c for c in letters if not unicodedata.combining(c)).casefold()


def scheme_text(colours, fonts, category_colours, categories):
    text = '\n[Software\\Tessaly\\Quillmere\\Colors]\n'
    text += ''.join(value_line(name, value) for name, value in zip(COLOUR_NAMES, colours) if value)
    text += '\n[Software\\Tessaly\\Quillmere\\Fonts]\n'
    text += ''.join(value_line(name, value) for name, value in fonts)
    text += '\n[::Categories::]\n'
    for name in sorted(categories, key=category_order):
        text += value_line('Category', name) + value_line('FiltersFlag', 0)
        text += value_line('Color', category_colours.get(name))
    return text


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder, categories = sys.argv[1], sys.argv[2:]
    os.makedirs(folder, exist_ok=True)
    for name, (colours, fonts, category_colours) in SCHEMES.items():
        with open(os.path.join(folder, name + '.scm'), 'wb') as file:
            file.write(scheme_text(colours, fonts, category_colours, categories).encode('utf-16-le'))


if __name__ == '__main__':
    main()
