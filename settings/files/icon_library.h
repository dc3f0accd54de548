#pragma once
// The icon library: every bitmap of the product's icon folders, from which the user picks a
// category icon. Built once per run, at the first use of the icon picker.
#include <windows.h>

#include <memory>
#include <vector>

#include "settings/base/wide_string.h"
#include "settings/controls/gdi_guards.h"

struct IconEntry {
  WideString path;
  ScopedBitmap bitmap;  // loaded when first drawn
  bool loadFailed = false;
};

class IconLibrary {
 public:
  IconLibrary() = default;
  IconLibrary(const IconLibrary&) = delete;
  IconLibrary& operator=(const IconLibrary&) = delete;

  int Count() const { return static_cast<int>(entries_.size()); }
  bool Empty() const { return entries_.empty(); }
  // The path of entry `index`, or null outside the library.
  const wchar_t* Path(int index) const;
  // The entry's bitmap, loaded on first use; null when it cannot be loaded.
  HBITMAP Bitmap(int index);
  // Adds a path in ascending order, compared ignoring case.
  void Add(const wchar_t* path);
  void Clear();

 private:
  std::vector<std::unique_ptr<IconEntry>> entries_;
};

// The program's one library.
IconLibrary& ProgramIcons();

// Adds every bitmap below the folder, the bitmaps of each sub-folder (depth first) before
// the folder's own. A folder without a closing backslash is given one.
void ScanIconFolder(IconLibrary& library, const wchar_t* folder);
// When the library is empty: the product's Icons folder, AdditionalIconsFolder, and the
// IconSet install paths, with the wait cursor shown meanwhile.
void BuildIconLibrary(IconLibrary& library);
