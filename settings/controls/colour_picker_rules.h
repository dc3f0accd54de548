#pragma once
// The colour picker's rules that need no window: the palette, channels and the colour
// reference, slider positions, the texts of the numeric and HTML# boxes, and moving
// through the palette with the up and down arrows.
#include <windows.h>

#include "settings/base/wide_string.h"

inline constexpr int kPaletteCells = 50;
inline constexpr int kPaletteColumns = 10;

// Row by row, ten cells to a row, as colour references.
inline constexpr COLORREF kPaletteColours[kPaletteCells] = {
    0xFFFFFF, 0xFFCCCC, 0xFFCC99, 0xFFFF99, 0xFFFFCC, 0x99FF99, 0x99FFFF, 0xCCFFFF, 0xCCCCFF, 0xFFCCFF,
    0xCCCCCC, 0xFF6666, 0xFF9966, 0xFFFF66, 0xFFFF33, 0x66FF99, 0x33FFFF, 0x66FFFF, 0x9999FF, 0xFF99FF,
    0x999999, 0xCC0000, 0xFF6600, 0xFFCC33, 0xFFCC00, 0x33CC00, 0x00CCCC, 0x3366FF, 0x6633FF, 0xCC33CC,
    0x555555, 0x660000, 0x993300, 0x996633, 0x666600, 0x006600, 0x336666, 0x000099, 0x333399, 0x663366,
    0x000000, 0x330000, 0x663300, 0x663333, 0x333300, 0x003300, 0x003333, 0x000066, 0x330099, 0x330033,
};

// One colour as the picker edits it: three channels of 0 to 255.
struct Channels {
  int red = 255;
  int green = 255;
  int blue = 255;
};

// The channels of a colour reference; the two marker values (Default, cancelled) give white.
Channels ChannelsOf(COLORREF colour);
COLORREF ColourOf(const Channels& channels);

// A channel value on the 0 to 100 slider and back, both truncated: 128 sits at 50, and 50
// gives 127.
int SliderPosition(int value);
int SliderValue(int position);

// The numeric box: leading blanks, an optional sign and the leading digits, none giving 0.
// False when the number lies outside 0 to 255 (negative numbers too); `value` is then left.
bool ParseChannelText(const wchar_t* text, int& value);

// The HTML# box: six upper-case hexadecimal digits, red, green, blue, without "#".
void FormatHtmlText(const Channels& channels, WideString& text);
// Reads up to three fields of one or two hexadecimal digits (leading blanks allowed) into
// red, green and blue in that order. The first field that does not read ends the scan; it
// and the later ones keep their values. No sign or "0x" is taken, so a channel never
// leaves 0 to 255. Returns the number of fields read.
int ParseHtmlText(const wchar_t* text, Channels& channels);

// The cell a row above or below `cell`, where the up and down arrows move the focus; -1
// when that leaves the palette (the focus then goes to the tab strip).
int PaletteCellAbove(int cell);
int PaletteCellBelow(int cell);
