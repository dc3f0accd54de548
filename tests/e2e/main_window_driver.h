#pragma once
// Where the main window of QMSettings shows its rows and bottom bar, at the dpi it runs with.
#include <windows.h>

// The centre of a slot (0 to 4) of the bottom bar: 0 Done, 4 Menu or Back.
POINT BarSlot(HWND window, int slot, int dpi);
// The centre of a row of the list (pages in the main view; Export, Import, Exit in the menu).
POINT ListRow(HWND window, int row, int dpi);
void TapBar(HWND window, int slot, int dpi = 96);
void TapRow(HWND window, int row, int dpi = 96);
