#pragma once
// The font dialog of the Fonts page: size, bold, italic, underline and strike-out of one
// element's font, and its colour through the colour picker.
#include <windows.h>

// Controls and commands of the dialog.
inline constexpr int kFontColourLabel = 419;
inline constexpr int kFontSizeLabel = 420;
inline constexpr int kFontSizeBox = 473;
inline constexpr int kFontItalicCheck = 475;
inline constexpr int kFontUnderlineCheck = 476;
inline constexpr int kFontStrikeOutCheck = 477;
inline constexpr int kFontBoldCheck = 478;
inline constexpr int kFontColourButton = 479;
inline constexpr int kFontApplyCommand = 1;   // the left soft key and the navigation bar's OK
inline constexpr int kFontCancelCommand = 2;  // the right soft key
inline constexpr UINT kFontDialogMenuId = 174;

// Runs the dialog on `font` and `colour` with `title` in the navigation bar. Apply takes
// height, weight, italic, underline and strike-out into `font` and returns true; Cancel
// leaves `font` alone and returns false. A colour chosen in the dialog is in `colour` either
// way.
bool RunFontDialog(HINSTANCE instance, const wchar_t* title, LOGFONTW& font, COLORREF& colour);
