#pragma once
// The builders of a page's rows, top to bottom. Each creates its controls as children of the
// page window, hidden (ShowTab shows a tab's range), with the page's normal font and texts
// loaded by string id from the language library. Sizes are 96-dpi units, scaled here; widths
// refer to the page's client rectangle at the time of the call. Each returns the advance
// the caller adds to its running y (0 for the single controls).
#include <windows.h>

class MemoryImage;
class SettingsPage;

// Any control of the page: hidden unless the style says otherwise, with the page's font.
HWND AddControl(SettingsPage& page, HWND window, const wchar_t* className, const wchar_t* text, DWORD style, int x,
                int y, int width, int height, int id);
HWND AddStatic(SettingsPage& page, HWND window, int id, UINT textId, int x, int y, int width, int height, DWORD style);
HWND AddEdit(SettingsPage& page, HWND window, int id, const wchar_t* text, int x, int y, int width, int height);
HWND AddButton(SettingsPage& page, HWND window, int id, UINT textId, int x, int y, int width, int height);
int AddCheckRow(SettingsPage& page, HWND window, int id, UINT textId, bool checked, int y);
// selected at or beyond count leaves the box without a selection.
int AddComboRow(SettingsPage& page, HWND window, int labelId, int comboId, UINT textId, const UINT* choiceIds,
                int count, int selected, int y, bool editable);
// Label and read-only path field on one line, the two buttons (859 and 856) on the next.
int AddEditButtonsRow(SettingsPage& page, HWND window, int labelId, int editId, int button1Id, int button2Id,
                      UINT textId, const wchar_t* text, int y);
// Path field and the two buttons on one line.
int AddEditButtonsLine(SettingsPage& page, HWND window, int editId, int button1Id, int button2Id, const wchar_t* text,
                       int y);
HWND AddListView(SettingsPage& page, HWND window, int id, const UINT* itemIds, int count, int y);

// Shows or hides every existing child from firstId to lastId.
void ShowControlRange(HWND window, int firstId, int lastId, int showCommand);
// Moves the list's selected item one place up or down; without a selection it says so.
void MoveListItem(HWND window, int listId, bool up);
// A colour sample 44 x 20 with a black frame; "no colour" (0xFFFFFFFF) shows the text 915.
void DrawColourSwatch(SettingsPage& page, HDC dc, COLORREF colour, int x, int y);
// The page's header band (width x 42), made on first use from the Today background image.
HBITMAP DrawHeaderBand(SettingsPage& page, HDC dc, int width);
// An off-screen band of width x height with the header band as its background, on which a
// page draws a sample line. False when it could not be made.
bool MakeSampleBand(SettingsPage& page, HDC dc, int width, int height, MemoryImage& band);
