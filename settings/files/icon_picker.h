#pragma once
// The icon picker: a full-screen grid of the icon library's bitmaps, a clear button and a
// band at the bottom that shows the current choice.
#include <windows.h>

#include "settings/base/wide_string.h"

// Control ids and the timer of the picker.
inline constexpr int kIconGridId = 100;
inline constexpr int kIconClearButtonId = 101;
inline constexpr UINT_PTR kIconPickerTimer = 1000;
// The soft keys: Select (also the navigation bar's OK) and Cancel.
inline constexpr int kIconSelectCommand = 1;
inline constexpr int kIconCancelCommand = 2;
inline constexpr UINT kIconPickerMenuId = 174;

// Runs the picker with `path` as the current choice. Returns 1 when the user confirmed,
// with `path` the choice (empty after Clear); 0 leaves `path` as it was. The picker is a
// full-screen dialog like every inline dialog, so it has no owner of its own.
int ChooseIcon(HWND owner, HINSTANCE instance, WideString& path);
