#pragma once
// Colours of the device's shell colour scheme (HKLM\SOFTWARE\Microsoft\Color).
#include <windows.h>

inline constexpr int kSelectionBackgroundIndex = 34;
inline constexpr int kSelectionTextIndex = 35;
inline constexpr COLORREF kDefaultSelectionBackground = 0x9C4D2C;
inline constexpr COLORREF kDefaultSelectionText = 0xFFFFFF;

// Colour `index` of the scheme: its numbered value (named by the index in decimal), else
// entry `index` of the "SHColor" table, else the fallback. The top byte is always 0.
COLORREF ReadSystemColor(int index, COLORREF fallback);

struct SelectionColours {
  COLORREF background;
  COLORREF text;
};

// The colours of a selected list row. CE 3 and CE 4.20 have no usable scheme entries for
// them, so they get fixed colours.
SelectionColours ReadSelectionColours();
