#pragma once
// Colour schemes: named files in the product's Schemes folder holding the colour and font
// keys and the category colours, in the settings backup format. The Colours page saves the
// current state as a scheme, applies one or deletes one.
//
//   (empty line) [Software\Tessaly\Quillmere\Colors] and its sub-keys' sections
//   (empty line) [Software\Tessaly\Quillmere\Fonts] and its sub-keys' sections
//   (empty line) [::Categories::] ...
#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/base/wide_string.h"

inline constexpr wchar_t kSchemeExtension[] = L".scm";

// The installation folder + "\Schemes".
WideString SchemesFolder();

// Whether a typed name can be a scheme's file name in a folder of that length.
enum class SchemeName { kUsable, kEmpty, kNotAFileName, kTooLong };
SchemeName CheckSchemeName(std::wstring_view name, std::size_t folderLength);

// A scheme of the current state: the colour and font keys as the registry holds them (as
// last saved), the categories as the category manager holds them.
std::wstring SchemeText();

// Replaces the colour and font keys, and the category values the text names, by the
// scheme's. A full backup works too and restores the whole product key. When the text
// cannot be read whole, the registry and the categories are put back as they were and
// false is returned.
bool RestoreScheme(std::wstring_view text);

// The schemes tab of the Colours page. Messages go to the owner window.
// Lists every scheme file of the folder, in the order the file search finds them.
void FillSchemeList(HWND list, HFONT font);
// Saves the state under the typed name and lists it first; refuses a name that is empty,
// taken, or not a file name.
void SaveScheme(HWND owner, HWND nameEdit, HWND list);
// After a Yes, applies the selected scheme, reloads the settings and tells the Today
// screen. True when applied: the page has then shown stale values and should close.
bool ApplyScheme(HWND owner, HWND list);
// After a Yes, deletes the selected scheme's file and its item.
void DeleteScheme(HWND owner, HWND list);
