#pragma once
#include <windows.h>

#include "settings/base/wide_string.h"

// A string of a resource library by id, up to 1024 characters. Returns the length
// LoadStringW reported; `out` is empty when the library or the id is missing.
int LoadText(HMODULE module, UINT id, WideString& out);

// A text of the language library the user chose, or `english` where it has none.
WideString LanguageText(UINT id, const wchar_t* english = L"");

// A message box of two language texts (the English ones where the library has none).
int ShowLanguageMessage(HWND owner, UINT textId, UINT captionId, UINT buttons, const wchar_t* englishText = L"",
                        const wchar_t* englishCaption = L"");
