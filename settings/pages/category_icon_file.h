#pragma once
// A category's icon file, QMIconsFolder + "\" + name + ".bmp", replaced by a copy of a file
// the user chose or deleted, with the category's loaded bitmap kept in step.
#include <windows.h>

#include "settings/base/wide_string.h"

class Category;

WideString CategoryIconPath(const Category& category);

enum class IconChange {
  kUnchanged,   // the choice was the icon file itself
  kRemoved,     // the file and the bitmap are gone
  kReplaced,    // the file is a copy of the choice, loaded as the bitmap
  kNotABitmap,  // the choice is no bitmap: file and bitmap as they were
  kCopyFailed,  // the copy could not be made or put in place: file and bitmap as they were
  kKeptFile,    // the file could not be deleted: file and bitmap as they were
};

// Makes `chosen` (a bitmap file's path, or empty for none) the category's icon. The copy is
// made beside the icon file and loaded before it replaces the file, so a failure at any step
// leaves the old icon in place.
IconChange ChangeCategoryIcon(Category& category, const wchar_t* chosen);
