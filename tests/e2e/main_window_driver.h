#pragma once
// Where the main window of QMSettings shows its rows and bottom bar, at the dpi it runs with.
#include <windows.h>

class RunningProgram;

// The centre of a slot (0 to 4) of the bottom bar: 0 Done, 4 Menu or Back.
POINT BarSlot(HWND window, int slot, int dpi);
// The centre of a row of the list (pages in the main view; Export, Import, Exit in the menu).
POINT ListRow(HWND window, int row, int dpi);
void TapBar(HWND window, int slot, int dpi = 96);
void TapRow(HWND window, int row, int dpi = 96);

// Starts QMSettings and opens the page of a main-list row: the page's window of that class,
// or null. The main window goes to *mainWindow.
HWND OpenPageFromList(RunningProgram& program, int row, const wchar_t* pageClass, HWND* mainWindow);
// The page's caption OK, then Done: true once the program has ended.
bool ClosePageAndDone(RunningProgram& program, HWND mainWindow, HWND page);
// The next tab, as the right arrow on the page's focused tab strip selects it; false when
// the selection did not move.
bool NextTab(HWND page);
// A choice of a page's drop-down list, as the list reports it.
void ChooseItem(HWND page, int id, int index);
