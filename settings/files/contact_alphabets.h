#pragma once
// Custom alphabets of the contacts tab's search bar: text files in the product's
// CustomAlphabets folder, named by the file without ".txt". The program only lists them by
// name; the plug-in reads their letters. The Contacts\Alphabets key names the active ones,
// one value each.
#include <windows.h>
#include <commctrl.h>

#include "settings/base/wide_string.h"

inline constexpr wchar_t kAlphabetsKeyPath[] = L"Software\\Tessaly\\Quillmere\\Contacts\\Alphabets";
// Item data of a custom alphabet in the languages dialog's list, and its bit in the result.
inline constexpr DWORD kCustomAlphabetBit = 16;
// The search bar kind of a custom alphabet in the Contacts page's box.
inline constexpr DWORD kCustomSearchBarKind = 5;
// Names are read back from lists and the key into buffers of this size.
inline constexpr int kAlphabetNameChars = 256;

// Whether a file name is an alphabet: at least 5 characters ending in ".txt" exactly (so
// "Greek.TXT" and ".txt" are not). The name without the extension goes to *name when given.
bool IsAlphabetFileName(const wchar_t* fileName, WideString* name);

// The folder of the alphabet files: the install folder + "\CustomAlphabets".
WideString CustomAlphabetFolder();

// Appends an entry (text = name, item data 16) for every alphabet file of the folder, in
// the order of the file search, its check box on when the Alphabets key names it; the rest
// of each entry comes from the template. Returns the number added.
int ListCustomAlphabets(HWND list, const LVITEMW& itemTemplate);

// Appends to the combo box the active alphabets whose file is still there (item data 5),
// selecting the one named storedName when storedKind is 5. Returns the number added.
int AddActiveAlphabets(HWND combo, DWORD storedKind, const wchar_t* storedName);

// Rewrites the Alphabets key from the ticked entries of the dialog's list and returns the
// bit set they make: the built-in entries' bits, plus 16 when a custom one is ticked.
int ConfirmAlphabets(HWND list);
