#pragma once
// The languages dialog of the Contacts page: a full-screen list of the built-in alphabets
// (Latin, Cyrillic, Hebrew, Greek) and the custom ones, each with a check box. OK rewrites
// the Contacts\Alphabets key at once from the ticked custom alphabets.
#include <windows.h>

// Control ids of the dialog, and its soft keys.
inline constexpr int kAlphabetsLabelId = 100;
inline constexpr int kAlphabetsListId = 101;
inline constexpr int kAlphabetsOkCommand = IDOK;
inline constexpr int kAlphabetsCancelCommand = IDCANCEL;
inline constexpr UINT kAlphabetsMenuId = 174;

// Runs the dialog with the current CntctsActiveLanguages bits ticked, its texts in the
// page's font. Returns the new bit set (16 when a custom alphabet is ticked), or -1 when
// the user cancelled. Like every inline dialog it is full-screen and has no owner.
int ChooseAlphabets(HINSTANCE instance, HFONT font, DWORD activeLanguages);
