#pragma once
// The program's rename dialog: a small box over the page with a label, one line of text and
// OK and Cancel, topmost in the middle of the screen, with the input panel up.
#include <windows.h>

#include <functional>

#include "settings/base/wide_string.h"

// Control ids of the dialog.
inline constexpr int kRenameOkId = IDOK;
inline constexpr int kRenameCancelId = IDCANCEL;
inline constexpr int kRenameLabelId = 419;
inline constexpr int kRenameEditId = 1590;
inline constexpr int kRenameTextChars = 255;

// Says why a name cannot be taken: a text id of the language library, or 0 when it can.
using RenameCheck = std::function<UINT(const wchar_t* name)>;

// Runs the dialog on `text`. True when the user confirmed; `text` is then the edited text.
// A name the check refuses is answered with its message (caption `refusalCaptionId`) and the
// dialog stays open.
bool RunRenameDialog(HINSTANCE instance, WideString& text, const RenameCheck& check, UINT refusalCaptionId);
