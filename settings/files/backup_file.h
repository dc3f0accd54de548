#pragma once
// The settings backup file: the product's registry tree, the colour and filter membership of
// every category and the 32 filter definitions, as sections of value lines. Colour schemes
// are files of the same format, holding only some of the sections.
//
//   (empty line) [key path below HKEY_CURRENT_USER]  "name"="text" | "name"=dword:n ...
//   (empty line) [::Categories::]  "Category"="..." "FiltersFlag"=dword:n "Color"=dword:n ...
//   (empty line) [::Filters::]  "FilterName"="..." "Index"=dword:n "VisibleState"=dword:n
//                               "IncludeUncategorized"=dword:n ...
#include <windows.h>

#include <string>
#include <string_view>

#include "settings/files/wide_text_file.h"

inline constexpr wchar_t kProductKeyPath[] = L"Software\\Tessaly\\Quillmere";

// The whole backup: the product key's sections, then categories, then filters.
void WriteBackup(std::wstring& file);
// The section of one key below HKEY_CURRENT_USER (created when missing) and, depth first,
// of its sub-keys. Text and number values are written whole, whatever their length.
void WriteKeySection(const wchar_t* keyPath, std::wstring& file);
void WriteCategoriesSection(std::wstring& file);
void WriteFiltersSection(std::wstring& file);

// Reads a whole file from its start into the registry and the category manager. Only the
// product's own tree is written: a section naming any other key is skipped. False when the
// file does not begin with the empty line or a section could not be written.
bool ReadBackup(WideTextLines& file);
// The body of one section, up to and including the empty line that ends it. False when
// the key cannot be opened or created, or a value cannot be written.
bool ReadKeySection(const wchar_t* keyPath, WideTextLines& file);
void ReadCategoriesSection(WideTextLines& file);
void ReadFiltersSection(WideTextLines& file);

// ReadBackup as one change: when it fails part-way, the product's registry tree and the
// category manager are put back as they were before, and false is returned.
bool RestoreBackup(std::wstring_view text);
