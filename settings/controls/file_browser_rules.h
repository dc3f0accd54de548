#pragma once
// The rules of the file and folder dialogs that need no window: which entries a folder
// shows and in what order, walking up, and which typed file names are acceptable.
#include "settings/base/wide_string.h"

// Folders are numbered from here in the list's item data; files from 0.
inline constexpr int kFolderEntryBase = 0x10000;

// True when the name ends with the extension, letter case counting; no dot is required
// before it and an empty extension matches every name.
bool NameHasExtension(const wchar_t* name, const wchar_t* extension);

// Folders before files, then by name without regard to letter case in the user's locale.
// Returns -1, 0 or 1.
int CompareBrowserEntries(bool folderA, const wchar_t* nameA, bool folderB, const wchar_t* nameB);

// The folder above `folder` (which ends in "\"), and the name of the folder being left.
// False at the root, or for a folder without a "\" before its last name.
bool ParentFolder(const wchar_t* folder, WideString& parent, WideString& left);

enum class FileNameCheck { Ok, Missing, IllegalCharacters };

// A typed file name must not be empty nor hold any of / : * ? " < > | (a backslash names a
// sub-folder and is allowed).
FileNameCheck CheckFileName(const wchar_t* name);

// folder + name + "." + extension; without the dot when there is no extension.
bool ComposeSavePath(const wchar_t* folder, const wchar_t* name, const wchar_t* extension, WideString& path);
